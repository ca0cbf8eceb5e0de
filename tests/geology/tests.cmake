# The geology model, linked from Dovanne's code (the library exports only its entry points).
vd_test_folder(test-geology geology LINK dovanne-code)
target_compile_definitions(test-geology PRIVATE VD_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
