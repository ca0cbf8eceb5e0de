vd_test_folder(test-app-shell app/shell LINK veldoran-core Qt6::Test)
# The document binds the libraries at construction; the tests load the built ones.
add_dependencies(test-app-shell pelmora dovanne tovendlg ombrisk surrick halvette bundled-data)
