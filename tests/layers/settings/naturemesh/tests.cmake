# The natural-environment mesh settings: their pure parts compiled in, the dialog through the
# built libpelmora.so.
vd_test_folder(test-layers-settings-naturemesh layers/settings/naturemesh)
target_sources(test-layers-settings-naturemesh PRIVATE
  ${PROJECT_SOURCE_DIR}/layers/settings/BarDelimitedSettings.cpp
  ${PROJECT_SOURCE_DIR}/layers/settings/files/LayerSettingsFile.cpp
  ${PROJECT_SOURCE_DIR}/layers/settings/naturemesh/NatureMeshSettingsInput.cpp
  ${PROJECT_SOURCE_DIR}/layers/settings/naturemesh/NatureMeshSettingsFile.cpp)
add_dependencies(test-layers-settings-naturemesh pelmora)
