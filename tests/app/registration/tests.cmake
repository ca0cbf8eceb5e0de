# The point and album registration flows of the document and their dialogs, against a stand-in
# of the dialog library's album and memo dialogs and of Surrick's picture chooser.
vd_test_folder(test-app-registration app/registration LINK veldoran-core Qt6::Test)
add_dependencies(test-app-registration pelmora dovanne tovendlg)
vd_fake_library(test-app-registration fake-album-dialogs VD_FAKE_ALBUM_DIALOGS
  ${CMAKE_CURRENT_LIST_DIR}/fake/FakeAlbumDialogs.cpp)
