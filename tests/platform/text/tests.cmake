vd_test_folder(test-platform-text platform/text)
