vd_test_folder(test-platform-fs platform/fs)
