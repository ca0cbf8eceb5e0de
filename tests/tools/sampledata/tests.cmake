# The sample-data converter's encoders and geometry (its netCDF and JSON readers are checked by
# the converter's own self-check whenever it runs; it is not part of the program's build). The
# geology record classifier is linked from Dovanne's code to read the relief-derived terrain set back.
vd_test_folder(test-tools-sampledata tools/sampledata LINK meshcode layers-settings-prefecture basemap-files)
set(vd_sampledata_src ${PROJECT_SOURCE_DIR}/tools/sampledata/src)
target_sources(test-tools-sampledata PRIVATE
  ${vd_sampledata_src}/BaseMapFiles.cpp ${vd_sampledata_src}/JapanArea.cpp
  ${vd_sampledata_src}/MeshSplit.cpp ${vd_sampledata_src}/Output.cpp
  ${vd_sampledata_src}/Sheets.cpp ${vd_sampledata_src}/Simplify.cpp
  ${vd_sampledata_src}/StaticFiles.cpp ${vd_sampledata_src}/NationalLand.cpp
  ${vd_sampledata_src}/GridCut.cpp ${vd_sampledata_src}/SurfaceAreas.cpp
  ${vd_sampledata_src}/CountryRivers.cpp ${vd_sampledata_src}/LakeMesh.cpp
  ${vd_sampledata_src}/MunicipalBoundaries.cpp ${vd_sampledata_src}/GeologySynth.cpp
  ${vd_sampledata_src}/ElevationMesh.cpp ${vd_sampledata_src}/Towns.cpp)
target_link_libraries(test-tools-sampledata PRIVATE Qt6::Core municipal-conversion dovanne-code)
target_compile_definitions(test-tools-sampledata PRIVATE
  VD_SAMPLEDATA_INPUTS="${PROJECT_SOURCE_DIR}/tools/sampledata/inputs"
  VD_SAMPLE_DATA_DIR="${PROJECT_SOURCE_DIR}/data")
