# The document's File, View and Mapping commands against a stand-in of the dialogs they open.
vd_test_folder(test-app-commands app/commands LINK veldoran-core Qt6::Test)
add_dependencies(test-app-commands pelmora dovanne tovendlg bundled-data)
vd_fake_library(test-app-commands app-fake-document VD_FAKE_DOCUMENT ${PROJECT_SOURCE_DIR}/tests/support/FakeDocumentLibraries.cpp)
