vd_test_folder(test-view-sheetindex view/sheetindex LINK view-sheetindex)
