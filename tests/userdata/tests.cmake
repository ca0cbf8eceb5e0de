vd_test_folder(test-userdata userdata LINK veldoran-core basemap-sheetindex)
# The document binds the libraries at construction; the tests load the built ones, and a fake
# dialog library for the place-name search.
add_dependencies(test-userdata pelmora dovanne tovendlg)
vd_fake_library(test-userdata userdata-fake-tovendlg VD_FAKE_TOVENDLG
  ${CMAKE_CURRENT_SOURCE_DIR}/userdata/fake/FakeTovendlg.cpp)
