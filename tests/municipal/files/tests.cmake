vd_test_folder(test-municipal-files municipal/files LINK municipal-files)
