# The industry-statistics mesh settings: their pure parts and the pages' tables compiled in, the
# dialog through the built libpelmora.so.
vd_test_folder(test-layers-settings-industrymesh layers/settings/industrymesh)
target_sources(test-layers-settings-industrymesh PRIVATE
  ${PROJECT_SOURCE_DIR}/layers/settings/BarDelimitedSettings.cpp
  ${PROJECT_SOURCE_DIR}/layers/settings/industrymesh/StatItemSpec.cpp
  ${PROJECT_SOURCE_DIR}/layers/settings/industrymesh/IndustryMeshInput.cpp
  ${PROJECT_SOURCE_DIR}/layers/settings/industrymesh/IndustryMeshPageSpecs.cpp
  ${PROJECT_SOURCE_DIR}/layers/settings/industrymesh/IndustryMeshSettingsFile.cpp)
add_dependencies(test-layers-settings-industrymesh pelmora)
