# Whole pictures of the program's main maps, drawn by the view's repaint from the bundled data
# with the built libraries and compared pixel for pixel with the references in
# tests/data/golden/. `cmake --build build --target remake-golden-pictures` draws them again
# into that folder, after a change that is meant to change a picture.
vd_test_folder(test-view-golden view/golden LINK veldoran-core Qt6::Widgets)
add_dependencies(test-view-golden pelmora dovanne tovendlg surrick halvette bundled-data)
add_custom_target(remake-golden-pictures
  COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_SOURCE_DIR}/tests/data/golden
  COMMAND ${CMAKE_COMMAND} -E env VD_GOLDEN_REMAKE=${PROJECT_SOURCE_DIR}/tests/data/golden
          ${CMAKE_CTEST_COMMAND} --test-dir ${CMAKE_BINARY_DIR} -R "^GoldenPictures\\." --output-on-failure
  DEPENDS test-view-golden
  COMMENT "Drawing the golden pictures again into tests/data/golden"
  VERBATIM)
