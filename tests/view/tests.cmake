vd_test_folder(test-view view LINK veldoran-core)
# The document binds the libraries at construction; the tests load the built ones, and a fake
# Surrick for the municipality set-up of the view.
add_library(view-fake-surrick SHARED ${CMAKE_CURRENT_LIST_DIR}/fake/FakeSurrick.cpp)
target_include_directories(view-fake-surrick PRIVATE ${PROJECT_SOURCE_DIR})
set_target_properties(view-fake-surrick PROPERTIES CXX_VISIBILITY_PRESET hidden
  LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests/fakes)
add_dependencies(test-view pelmora dovanne tovendlg view-fake-surrick)
target_compile_definitions(test-view PRIVATE VD_FAKE_SURRICK="$<TARGET_FILE:view-fake-surrick>")
add_library(view-fake-tovendlg SHARED ${CMAKE_CURRENT_LIST_DIR}/fake/FakeTovendlg.cpp)
target_include_directories(view-fake-tovendlg PRIVATE ${PROJECT_SOURCE_DIR})
set_target_properties(view-fake-tovendlg PROPERTIES CXX_VISIBILITY_PRESET hidden
  LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests/fakes)
add_dependencies(test-view view-fake-tovendlg)
target_compile_definitions(test-view PRIVATE VD_FAKE_TOVENDLG_VIEW="$<TARGET_FILE:view-fake-tovendlg>")
target_compile_definitions(test-view PRIVATE VD_SAMPLE_DATA_DIR="${PROJECT_SOURCE_DIR}/data")
# A Dovanne that logs the sheet map's calls with their arguments.
add_library(view-fake-dovanne-sheets SHARED ${CMAKE_CURRENT_LIST_DIR}/fake/FakeDovanneSheets.cpp)
target_include_directories(view-fake-dovanne-sheets PRIVATE ${PROJECT_SOURCE_DIR})
set_target_properties(view-fake-dovanne-sheets PROPERTIES CXX_VISIBILITY_PRESET hidden
  LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests/fakes)
add_dependencies(test-view view-fake-dovanne-sheets)
target_compile_definitions(test-view PRIVATE VD_FAKE_DOVANNE_SHEETS="$<TARGET_FILE:view-fake-dovanne-sheets>")
# Surrick's and Ombrisk's sheet-map entry points, logging their calls.
add_library(view-fake-sheet-layers SHARED ${CMAKE_CURRENT_LIST_DIR}/fake/FakeSheetLayers.cpp)
target_include_directories(view-fake-sheet-layers PRIVATE ${PROJECT_SOURCE_DIR})
set_target_properties(view-fake-sheet-layers PROPERTIES CXX_VISIBILITY_PRESET hidden
  LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests/fakes)
add_dependencies(test-view view-fake-sheet-layers)
target_compile_definitions(test-view PRIVATE VD_FAKE_SHEET_LAYERS="$<TARGET_FILE:view-fake-sheet-layers>")
