# The layer legend: its painter compiled in and drawn into a recording device, the dialog through
# the built libpelmora.so.
vd_test_folder(test-layers-settings-legend layers/settings/legend)
target_sources(test-layers-settings-legend PRIVATE
  ${PROJECT_SOURCE_DIR}/layers/settings/BarDelimitedSettings.cpp
  ${PROJECT_SOURCE_DIR}/layers/settings/files/LayerSettingsFile.cpp
  ${PROJECT_SOURCE_DIR}/layers/settings/legend/LegendFlags.cpp
  ${PROJECT_SOURCE_DIR}/layers/settings/files/LegendPens.cpp
  ${PROJECT_SOURCE_DIR}/layers/settings/legend/LegendPainter.cpp)
add_dependencies(test-layers-settings-legend pelmora)
