vd_test_folder(test-platform-dc platform/dc LINK Qt6::Gui)
