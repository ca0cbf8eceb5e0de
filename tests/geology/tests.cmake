# The geology model is compiled in directly (the library exports only its entry points); the
# mesh-code and prefecture-list libraries are linked as Dovanne links them.
vd_test_folder(test-geology geology LINK meshcode layers-settings-prefecture)
file(GLOB geology_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/geology/*.cpp)
target_sources(test-geology PRIVATE ${geology_sources})
target_compile_definitions(test-geology PRIVATE VD_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
