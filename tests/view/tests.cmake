vd_test_folder(test-view view LINK veldoran-core Qt6::PrintSupport Qt6::Widgets Qt6::Test)
# The document binds the libraries at construction; the tests load the built ones, a fake
# Surrick for the municipality set-up of the view and a fake dialog library.
add_dependencies(test-view pelmora dovanne tovendlg)
# The sheet registration command runs the built Surrick.
add_dependencies(test-view surrick)
vd_fake_library(test-view view-fake-surrick VD_FAKE_SURRICK ${CMAKE_CURRENT_LIST_DIR}/fake/FakeSurrick.cpp)
vd_fake_library(test-view view-fake-tovendlg VD_FAKE_TOVENDLG_VIEW ${CMAKE_CURRENT_LIST_DIR}/fake/FakeTovendlg.cpp)
target_compile_definitions(test-view PRIVATE VD_SAMPLE_DATA_DIR="${PROJECT_SOURCE_DIR}/data")
# A Dovanne that logs the sheet map's calls with their arguments.
vd_fake_library(test-view view-fake-dovanne-sheets VD_FAKE_DOVANNE_SHEETS
  ${CMAKE_CURRENT_LIST_DIR}/fake/FakeDovanneSheets.cpp)
# Surrick's and Ombrisk's sheet-map entry points, logging their calls.
vd_fake_library(test-view view-fake-sheet-layers VD_FAKE_SHEET_LAYERS ${CMAKE_CURRENT_LIST_DIR}/fake/FakeSheetLayers.cpp)
# A Surrick that logs the prefecture statistics map's four calls.
vd_fake_library(test-view view-fake-surrick-prefmap VD_FAKE_SURRICK_PREFMAP
  ${CMAKE_CURRENT_LIST_DIR}/fake/FakeSurrickPrefectureMap.cpp)
# Guide-map pictures as JPEG files.
target_link_libraries(test-view PRIVATE JPEG::JPEG)
# The album and memo dialogs of the dialog library and Surrick's picture chooser, answering as set.
vd_fake_library(test-view fake-album-dialogs VD_FAKE_ALBUM_DIALOGS_VIEW
  ${PROJECT_SOURCE_DIR}/tests/app/registration/fake/FakeAlbumDialogs.cpp)
# The tests of each subfolder of view/ sit in the subfolder of the same name; the fixtures they
# share stay at the top, found through the include path. (layers/, overviews/, statistics/,
# municipalities/ and golden/ are test executables of their own.)
file(GLOB view_subfolder_tests CONFIGURE_DEPENDS
  ${CMAKE_CURRENT_LIST_DIR}/albums/*.cpp
  ${CMAKE_CURRENT_LIST_DIR}/findplace/*.cpp
  ${CMAKE_CURRENT_LIST_DIR}/layercommands/*.cpp
  ${CMAKE_CURRENT_LIST_DIR}/menubars/*.cpp
  ${CMAKE_CURRENT_LIST_DIR}/menus/*.cpp
  ${CMAKE_CURRENT_LIST_DIR}/navigation/*.cpp
  ${CMAKE_CURRENT_LIST_DIR}/pages/*.cpp
  ${CMAKE_CURRENT_LIST_DIR}/placenames/*.cpp
  ${CMAKE_CURRENT_LIST_DIR}/pointer/*.cpp
  ${CMAKE_CURRENT_LIST_DIR}/registration/*.cpp
  ${CMAKE_CURRENT_LIST_DIR}/renderer/*.cpp
  ${CMAKE_CURRENT_LIST_DIR}/routes/*.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sheetmap/*.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sheetpicture/*.cpp
  ${CMAKE_CURRENT_LIST_DIR}/window/*.cpp)
target_sources(test-view PRIVATE ${view_subfolder_tests})
target_include_directories(test-view PRIVATE ${CMAKE_CURRENT_LIST_DIR})
