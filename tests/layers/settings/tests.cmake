# The settings core, the tabbed frame and the line pages' row tables are compiled in directly (the
# library exports only its entry points); OnDddFileEdit, OnDddAreaSelect and OnDlgDdSet are tested through the built
# libpelmora.so.
vd_test_folder(test-layers-settings layers/settings LINK layers-settings-prefecture)
target_sources(test-layers-settings PRIVATE
  ${PROJECT_SOURCE_DIR}/layers/settings/BarDelimitedSettings.cpp
  ${PROJECT_SOURCE_DIR}/layers/settings/files/LayerSettingsFile.cpp
  ${PROJECT_SOURCE_DIR}/layers/settings/DefaultLayerSettings.cpp
  ${PROJECT_SOURCE_DIR}/layers/settings/ColourLists.cpp
  ${PROJECT_SOURCE_DIR}/layers/settings/files/DataFileChoice.cpp
  ${PROJECT_SOURCE_DIR}/layers/settings/SettingsPage.cpp
  ${PROJECT_SOURCE_DIR}/layers/settings/TabbedSettingsDialog.cpp
  ${PROJECT_SOURCE_DIR}/layers/settings/linedata/LineColourCode.cpp
  ${PROJECT_SOURCE_DIR}/layers/settings/linedata/LineDataInputs.cpp
  ${PROJECT_SOURCE_DIR}/layers/settings/linedata/LineDataAnswer.cpp
  ${PROJECT_SOURCE_DIR}/layers/settings/linedata/LinePageRows.cpp)
add_dependencies(test-layers-settings pelmora)
include(${CMAKE_CURRENT_LIST_DIR}/pointdata/tests.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/surface/tests.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/naturemesh/tests.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/finemesh/tests.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/industrymesh/tests.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/legend/tests.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/format/tests.cmake)
