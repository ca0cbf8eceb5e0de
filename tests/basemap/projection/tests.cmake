vd_test_folder(test-basemap-projection basemap/projection LINK basemap-projection)
