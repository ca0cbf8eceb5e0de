vd_test_folder(test-app-doc app/doc LINK veldoran-core JPEG::JPEG)
# The document binds the libraries at construction; the tests load the built ones.
add_dependencies(test-app-doc pelmora dovanne tovendlg)
