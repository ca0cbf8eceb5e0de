# Static helpers that several deliverables link a copy of.
add_subdirectory(contracts/bindings)
add_subdirectory(basemap/projection)
add_subdirectory(basemap/files)
add_subdirectory(basemap/sheetindex)
add_subdirectory(graphics)
add_subdirectory(meshcode)
add_subdirectory(layers/settings/prefecture)
add_subdirectory(layers/settings/files)
add_subdirectory(dialogs/files)
add_subdirectory(dialogs/points)
add_subdirectory(municipal/files)
add_subdirectory(municipal/conversion)
add_subdirectory(submarine/files)

# The six libraries that the program loads at run time by their old names.
vd_run_time_library(pelmora  FOLDERS layers layers/render layers/render/lines layers/render/points layers/settings layers/settings/pointdata layers/settings/linedata layers/settings/surface layers/settings/naturemesh layers/settings/finemesh layers/settings/industrymesh layers/render/meshes layers/settings/legend layers/settings/format layers/render/surfaces layers/render/railways LINK meshcode layers-settings-prefecture layers-settings-files basemap-sheetindex)
# Surrick: municipalities, prefecture maps and statistics; its datum conversion, chosen sheets
# with their chooser, map range and map information; its layer-combination presets and
# annotation drawings, and the settings files they read.
vd_run_time_library(surrick  FOLDERS municipal municipal/prefmap municipal/statistics municipal/boundaryset municipal/pictures municipal/citysurface
  municipal/datum municipal/sheets municipal/maprange municipal/mapinfo
  municipal/presets municipal/annotations
  LINK meshcode basemap-projection basemap-files municipal-conversion municipal-files graphics JPEG::JPEG
  basemap-sheetindex layers-settings-files)
vd_run_time_library(dovanne  FOLDERS basemap geology geology/settings geology/legendlist LINK basemap-projection basemap-files basemap-sheetindex meshcode layers-settings-prefecture layers-settings-files)
vd_run_time_library(tovendlg FOLDERS dialogs dialogs/albums dialogs/menus dialogs/routemaps LINK contracts-bindings dialogs-files dialogs-points graphics layers-settings-prefecture)
vd_run_time_library(halvette FOLDERS seismic seismic/lists seismic/probabilistic
  seismic/settings seismic/scenario
  LINK meshcode)
vd_run_time_library(ombrisk  FOLDERS submarine submarine/depthmaps LINK basemap-projection basemap-files submarine-files)
