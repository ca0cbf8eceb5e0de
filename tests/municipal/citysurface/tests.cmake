# Surrick's municipality drawing: the entry points through the built libsurrick.so; the renderer's
# cells, colours and projection compiled in.
vd_test_folder(test-municipal-citysurface municipal/citysurface
  LINK surrick meshcode basemap-projection basemap-files municipal-files)
target_sources(test-municipal-citysurface PRIVATE
  ${PROJECT_SOURCE_DIR}/municipal/citysurface/MunicipalityColour.cpp
  ${PROJECT_SOURCE_DIR}/municipal/citysurface/MunicipalityRenderer.cpp
  ${PROJECT_SOURCE_DIR}/municipal/citysurface/MunicipalityAreas.cpp)
