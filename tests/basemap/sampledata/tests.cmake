vd_test_folder(test-basemap-sampledata basemap/sampledata LINK dovanne basemap-files basemap-projection basemap-sheetindex)
target_compile_definitions(test-basemap-sampledata PRIVATE VD_SAMPLE_DATA_DIR="${PROJECT_SOURCE_DIR}/data")
