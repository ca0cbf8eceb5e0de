vd_test_folder(test-basemap-files basemap/files LINK basemap-files)
