# The bundled national-land sample layers (data/KSJ, data/Msh_prft.dat) read by the layer
# library's own entry points, and their settings rows installed into a new settings file. The
# river file reader sits inside the library (hidden): linked from Pelmora's code to read the files
# directly.
vd_test_folder(test-layers-sampledata layers/sampledata LINK pelmora pelmora-code veldoran-core)
target_compile_definitions(test-layers-sampledata PRIVATE VD_SAMPLE_DATA_DIR="${PROJECT_SOURCE_DIR}/data")
