vd_test_folder(test-view view LINK veldoran-core)
# The document binds the libraries at construction; the tests load the built ones.
add_dependencies(test-view pelmora dovanne tovendlg)
