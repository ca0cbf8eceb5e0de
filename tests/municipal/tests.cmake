# Surrick's boundary conversion through the built libsurrick.so, answered by the ui script.
vd_test_folder(test-municipal municipal)
add_dependencies(test-municipal surrick)
