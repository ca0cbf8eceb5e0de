# Surrick's picture window and picture file dialog: the entry points through the built
# libsurrick.so, answered by the script; the picture readers and the fit arithmetic linked from
# Surrick's code.
vd_test_folder(test-municipal-pictures municipal/pictures LINK surrick-code)
add_dependencies(test-municipal-pictures surrick)
