# The settings-file core is compiled in directly (the library exports only its entry points);
# OnDddFileEdit itself is tested through the built libpelmora.so.
vd_test_folder(test-layers-settings layers/settings)
target_sources(test-layers-settings PRIVATE
  ${PROJECT_SOURCE_DIR}/layers/settings/BarDelimitedSettings.cpp
  ${PROJECT_SOURCE_DIR}/layers/settings/LayerSettingsFile.cpp
  ${PROJECT_SOURCE_DIR}/layers/settings/DefaultLayerSettings.cpp)
add_dependencies(test-layers-settings pelmora)
