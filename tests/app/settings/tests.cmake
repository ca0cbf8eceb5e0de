vd_test_folder(test-app-settings app/settings LINK veldoran-core Qt6::Test)
# The document binds the libraries at construction; the tests load the built ones.
add_dependencies(test-app-settings pelmora dovanne tovendlg)
