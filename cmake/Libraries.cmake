# Static helpers that several deliverables link a copy of.
add_subdirectory(basemap/projection)
add_subdirectory(basemap/files)
add_subdirectory(basemap/sheetindex)
add_subdirectory(graphics)

# The six libraries that the program loads at run time by their old names.
vd_run_time_library(pelmora  FOLDERS layers layers/render layers/settings)
vd_run_time_library(surrick  FOLDERS municipal)
vd_run_time_library(dovanne  FOLDERS basemap geology LINK basemap-projection basemap-files basemap-sheetindex)
vd_run_time_library(tovendlg FOLDERS dialogs)
vd_run_time_library(halvette FOLDERS seismic)
vd_run_time_library(ombrisk  FOLDERS submarine)
