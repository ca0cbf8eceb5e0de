vd_test_folder(test-municipal-conversion municipal/conversion LINK municipal-conversion)
