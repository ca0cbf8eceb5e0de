# The geology settings dialogs through the built libdovanne.so, answered by the script.
vd_test_folder(test-geology-settings geology/settings)
add_dependencies(test-geology-settings dovanne)
