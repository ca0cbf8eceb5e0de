# The bundled national-land sample layers (data/KSJ, data/Msh_prft.dat) read by the layer
# library's own entry points, and their settings rows installed into a new settings file.
vd_test_folder(test-layers-sampledata layers/sampledata LINK pelmora meshcode veldoran-core)
target_compile_definitions(test-layers-sampledata PRIVATE VD_SAMPLE_DATA_DIR="${PROJECT_SOURCE_DIR}/data")
# The river file reader sits inside the library (hidden): compiled in to read the files directly.
target_sources(test-layers-sampledata PRIVATE ${PROJECT_SOURCE_DIR}/layers/render/lines/LineRecordFile.cpp)
