# The renderer, the line layers and the entry points are compiled in directly (the library
# exports only its entry points); the mesh-code library is linked as the libraries link it.
vd_test_folder(test-layers-render layers/render LINK meshcode basemap-sheetindex)
file(GLOB layers_render_sources CONFIGURE_DEPENDS
  ${PROJECT_SOURCE_DIR}/layers/render/*.cpp
  ${PROJECT_SOURCE_DIR}/layers/render/lines/*.cpp
  ${PROJECT_SOURCE_DIR}/layers/render/points/*.cpp
  ${PROJECT_SOURCE_DIR}/layers/render/meshes/*.cpp
  ${PROJECT_SOURCE_DIR}/layers/render/surfaces/*.cpp
  ${PROJECT_SOURCE_DIR}/layers/render/railways/*.cpp)
target_sources(test-layers-render PRIVATE ${layers_render_sources})
# The tests of each subfolder's drawings sit in the subfolder of the same name.
file(GLOB layers_render_tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*/*Test.cpp)
target_sources(test-layers-render PRIVATE ${layers_render_tests})
