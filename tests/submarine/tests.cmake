# Ombrisk through its exports; the work grid, the block list and the contour tracing are tested
# on their own as well, linked from the library's code.
vd_test_folder(test-submarine submarine LINK ombrisk ombrisk-code)
