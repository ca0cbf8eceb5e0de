vd_test_folder(test-platform-ui platform/ui LINK Qt6::Test)
