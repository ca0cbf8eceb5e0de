vd_test_folder(test-basemap-sheetindex basemap/sheetindex LINK basemap-sheetindex)
