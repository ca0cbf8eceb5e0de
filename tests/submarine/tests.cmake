vd_test_folder(test-submarine submarine LINK ombrisk submarine-files basemap-projection basemap-files)
# The work grid and the block list are tested on their own as well as through the builder.
target_sources(test-submarine PRIVATE ${PROJECT_SOURCE_DIR}/submarine/DepthWorkGrid.cpp
  ${PROJECT_SOURCE_DIR}/submarine/DepthBuildRegions.cpp
  ${PROJECT_SOURCE_DIR}/submarine/SubmarineOverviewProjection.cpp)
# The contour tracing is tested on small grids of its own.
target_sources(test-submarine PRIVATE ${PROJECT_SOURCE_DIR}/submarine/depthmaps/DepthContourTracer.cpp
  ${PROJECT_SOURCE_DIR}/submarine/depthmaps/DepthMapArea.cpp
  ${PROJECT_SOURCE_DIR}/submarine/depthmaps/DepthColours.cpp
  ${PROJECT_SOURCE_DIR}/submarine/depthmaps/DepthBlock.cpp)
