vd_test_folder(test-municipal-prefmap municipal/prefmap LINK surrick basemap-projection basemap-files)
