# The 1/10 subdivided mesh settings: their pure parts compiled in, the dialog through the built
# libpelmora.so.
vd_test_folder(test-layers-settings-finemesh layers/settings/finemesh)
target_sources(test-layers-settings-finemesh PRIVATE
  ${PROJECT_SOURCE_DIR}/layers/settings/BarDelimitedSettings.cpp
  ${PROJECT_SOURCE_DIR}/layers/settings/files/LayerSettingsFile.cpp
  ${PROJECT_SOURCE_DIR}/layers/settings/finemesh/LandUseClasses.cpp
  ${PROJECT_SOURCE_DIR}/layers/settings/finemesh/FineMeshSettings.cpp)
add_dependencies(test-layers-settings-finemesh pelmora)
