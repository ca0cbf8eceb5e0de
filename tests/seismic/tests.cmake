# Halvette's lists, readers and drawing, compiled in directly (the library exports only its entry
# points); the mesh-code library is linked as the library links it.
vd_test_folder(test-seismic seismic LINK meshcode)
file(GLOB seismic_sources CONFIGURE_DEPENDS
  ${PROJECT_SOURCE_DIR}/seismic/*.cpp
  ${PROJECT_SOURCE_DIR}/seismic/lists/*.cpp
  ${PROJECT_SOURCE_DIR}/seismic/probabilistic/*.cpp)
target_sources(test-seismic PRIVATE ${seismic_sources})
# The settings dialogs and their exports.
file(GLOB seismic_settings_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/seismic/settings/*.cpp)
target_sources(test-seismic PRIVATE ${seismic_settings_sources})
file(GLOB seismic_scenario_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/seismic/scenario/*.cpp)
target_sources(test-seismic PRIVATE ${seismic_scenario_sources})
