# The layer dispatch of the renderer against the layer stand-in, and drawn headless.
vd_test_folder(test-view-layers view/layers LINK veldoran-core)
add_dependencies(test-view-layers pelmora dovanne tovendlg halvette bundled-data)
vd_fake_library(test-view-layers fake-layer-libraries VD_FAKE_LAYERS ${PROJECT_SOURCE_DIR}/tests/support/FakeLayerLibraries.cpp)
target_compile_definitions(test-view-layers PRIVATE VD_SAMPLE_DATA_DIR="${PROJECT_SOURCE_DIR}/data")
