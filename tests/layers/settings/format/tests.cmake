# The format viewer: page names and the entry list compiled in, the dialog through the built
# libpelmora.so.
vd_test_folder(test-layers-settings-format layers/settings/format)
target_sources(test-layers-settings-format PRIVATE
  ${PROJECT_SOURCE_DIR}/layers/settings/BarDelimitedSettings.cpp
  ${PROJECT_SOURCE_DIR}/layers/settings/files/LayerSettingsFile.cpp
  ${PROJECT_SOURCE_DIR}/layers/settings/format/FormatPageName.cpp
  ${PROJECT_SOURCE_DIR}/layers/settings/format/FormatEntries.cpp)
add_dependencies(test-layers-settings-format pelmora)
