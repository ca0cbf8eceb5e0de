# The layer commands of the document against a stand-in of the four libraries they call.
vd_test_folder(test-app-layers app/layers LINK veldoran-core Qt6::Test)
add_dependencies(test-app-layers pelmora dovanne tovendlg)
vd_fake_library(test-app-layers fake-layer-libraries VD_FAKE_LAYERS ${PROJECT_SOURCE_DIR}/tests/support/FakeLayerLibraries.cpp)
target_compile_definitions(test-app-layers PRIVATE VD_SAMPLE_DATA_DIR="${PROJECT_SOURCE_DIR}/data")
