# The settings core, the tabbed frame and the line pages' row tables, linked from Pelmora's code
# (the library exports only its entry points); OnDddFileEdit, OnDddAreaSelect and OnDlgDdSet are
# tested through the built libpelmora.so.
vd_test_folder(test-layers-settings layers/settings LINK pelmora-code)
add_dependencies(test-layers-settings pelmora)
include(${CMAKE_CURRENT_LIST_DIR}/pointdata/tests.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/surface/tests.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/naturemesh/tests.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/finemesh/tests.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/industrymesh/tests.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/legend/tests.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/format/tests.cmake)
