vd_test_folder(test-userdata userdata LINK veldoran-core view-sheetindex)
# The document binds the libraries at construction; the tests load the built ones.
add_dependencies(test-userdata pelmora dovanne tovendlg)
