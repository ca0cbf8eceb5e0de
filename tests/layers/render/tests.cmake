# The renderer, the line layers and the entry points, linked from Pelmora's code (the library
# exports only its entry points).
vd_test_folder(test-layers-render layers/render LINK pelmora-code)
# The tests of each subfolder's drawings sit in the subfolder of the same name.
file(GLOB layers_render_tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*/*Test.cpp)
target_sources(test-layers-render PRIVATE ${layers_render_tests})
