# The dialog library: its entry points through the built libtovendlg.so, answered by the script;
# its file readers, shared list helpers and the album dialogs' route lines linked from its code.
vd_test_folder(test-dialogs dialogs LINK tovendlg-code)
add_dependencies(test-dialogs tovendlg)
target_compile_definitions(test-dialogs PRIVATE VD_SAMPLE_DATA_DIR="${PROJECT_SOURCE_DIR}/data")
# Surrick's picture file dialog, for the menu entry dialog's browse button.
vd_fake_library(test-dialogs dialogs-fake-picture-file VD_FAKE_PICTURE_FILE_DIALOG
  ${CMAKE_CURRENT_LIST_DIR}/fake/FakePictureFileDialog.cpp)
