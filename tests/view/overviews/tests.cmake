# The overviews: frame, registered points, data-source list, point symbols and the Japan overview,
# drawn from the bundled sample data with the built Dovanne.
vd_test_folder(test-view-overviews view/overviews LINK veldoran-core)
add_dependencies(test-view-overviews dovanne tovendlg pelmora bundled-data)
