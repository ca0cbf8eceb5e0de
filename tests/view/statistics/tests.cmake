# The statistics map through the view's repaint, with the built Surrick and the bundled data.
vd_test_folder(test-view-statistics view/statistics LINK veldoran-core basemap-projection Qt6::Widgets)
add_dependencies(test-view-statistics pelmora dovanne tovendlg surrick)
target_compile_definitions(test-view-statistics PRIVATE VD_SAMPLE_DATA_DIR="${PROJECT_SOURCE_DIR}/data")
