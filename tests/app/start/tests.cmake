vd_test_folder(test-app-start app/start)
# Runs the real program: build it (and its libraries) first.
add_dependencies(test-app-start veldoran)
