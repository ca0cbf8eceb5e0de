# The geology legend list through the built libdovanne.so, read by the script.
vd_test_folder(test-geology-legendlist geology/legendlist)
add_dependencies(test-geology-legendlist dovanne)
