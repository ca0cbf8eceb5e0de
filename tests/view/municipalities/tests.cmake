# The municipality boundaries drawn by the view's repaint through the built Surrick from the
# bundled data.
vd_test_folder(test-view-municipalities view/municipalities LINK veldoran-core Qt6::Widgets)
add_dependencies(test-view-municipalities pelmora dovanne tovendlg surrick)
target_compile_definitions(test-view-municipalities PRIVATE VD_SAMPLE_DATA_DIR="${PROJECT_SOURCE_DIR}/data")
