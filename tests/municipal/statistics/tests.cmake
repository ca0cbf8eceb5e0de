vd_test_folder(test-municipal-statistics municipal/statistics LINK surrick basemap-projection basemap-files municipal-files)
target_compile_definitions(test-municipal-statistics PRIVATE VD_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
