vd_test_folder(test-platform-ui platform/ui LINK Qt6::Test)

# A library with a dialog of its own module, loaded as the program loads the system's libraries.
add_library(fakelib-dialogs SHARED ${CMAKE_CURRENT_LIST_DIR}/fakelib/FakeDialogLibrary.cpp)
target_link_libraries(fakelib-dialogs PRIVATE veldoran-platform)
set_target_properties(fakelib-dialogs PROPERTIES CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON
  LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests/platform-ui)
target_link_options(fakelib-dialogs PRIVATE -Wl,-Bsymbolic)
# The sanitizer runtime lives in the executable only (as for the run-time libraries).
if(NOT VELDORAN_SANITIZE)
  target_link_options(fakelib-dialogs PRIVATE -Wl,--no-undefined)
endif()
add_dependencies(test-platform-ui fakelib-dialogs)
target_compile_definitions(test-platform-ui PRIVATE VD_FAKE_DIALOG_LIBRARY="$<TARGET_FILE:fakelib-dialogs>")
