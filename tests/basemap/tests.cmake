vd_test_folder(test-basemap basemap LINK dovanne basemap-projection basemap-files)
target_compile_definitions(test-basemap PRIVATE VD_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
