# The point settings: their pure parts and the pages' tables compiled in, the dialogs through the built libpelmora.so.
vd_test_folder(test-layers-settings-pointdata layers/settings/pointdata)
target_sources(test-layers-settings-pointdata PRIVATE
  ${PROJECT_SOURCE_DIR}/layers/settings/BarDelimitedSettings.cpp
  ${PROJECT_SOURCE_DIR}/layers/settings/files/LayerSettingsFile.cpp
  ${PROJECT_SOURCE_DIR}/layers/settings/pointdata/PointLayerSlots.cpp
  ${PROJECT_SOURCE_DIR}/layers/settings/pointdata/PointSettingsInput.cpp
  ${PROJECT_SOURCE_DIR}/layers/settings/pointdata/PointSettingsFile.cpp
  ${PROJECT_SOURCE_DIR}/layers/settings/pointdata/LandPriceYears.cpp
  ${PROJECT_SOURCE_DIR}/layers/settings/pointdata/PointPageSpecs.cpp)
add_dependencies(test-layers-settings-pointdata pelmora)
