vd_test_folder(test-userdata userdata LINK veldoran-core view-sheetindex)
# The document binds the libraries at construction; the tests load the built ones, and a fake
# dialog library for the place-name search.
add_library(userdata-fake-tovendlg SHARED ${CMAKE_CURRENT_SOURCE_DIR}/userdata/fake/FakeTovendlg.cpp)
target_include_directories(userdata-fake-tovendlg PRIVATE ${PROJECT_SOURCE_DIR})
set_target_properties(userdata-fake-tovendlg PROPERTIES CXX_VISIBILITY_PRESET hidden
  LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests/fakes)
add_dependencies(test-userdata pelmora dovanne tovendlg userdata-fake-tovendlg)
target_compile_definitions(test-userdata PRIVATE
  VD_FAKE_TOVENDLG="$<TARGET_FILE:userdata-fake-tovendlg>")
