# The surface settings: their pure parts and the pages' row tables compiled in, the dialog
# through the built libpelmora.so.
vd_test_folder(test-layers-settings-surface layers/settings/surface)
target_sources(test-layers-settings-surface PRIVATE
  ${PROJECT_SOURCE_DIR}/layers/settings/BarDelimitedSettings.cpp
  ${PROJECT_SOURCE_DIR}/layers/settings/ColourLists.cpp
  ${PROJECT_SOURCE_DIR}/layers/settings/files/LayerSettingsFile.cpp
  ${PROJECT_SOURCE_DIR}/layers/settings/surface/SurfacePageSpecs.cpp
  ${PROJECT_SOURCE_DIR}/layers/settings/surface/SurfaceRows.cpp
  ${PROJECT_SOURCE_DIR}/layers/settings/surface/SurfaceSettingsInput.cpp
  ${PROJECT_SOURCE_DIR}/layers/settings/surface/SurfaceSettingsFile.cpp)
add_dependencies(test-layers-settings-surface pelmora)
