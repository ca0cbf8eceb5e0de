vd_test_folder(test-platform-ui platform/ui)
