# The end-to-end test: the built program on a real X server (Xvfb), driven with real X events.
find_package(X11 REQUIRED)
add_executable(veldoran-screen-probe ${CMAKE_CURRENT_LIST_DIR}/ScreenProbe.cpp)
target_link_libraries(veldoran-screen-probe PRIVATE Qt6::Widgets X11::X11)
set_target_properties(veldoran-screen-probe PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)

# The script starts its own Xvfb (installed by the set-up script with xvfb-run) on a display it
# has checked is its own, so the runs go beside other tests; their COST (seconds, mostly waiting
# for the program) makes ctest start them first.
foreach(wm none openbox)
  add_test(NAME EndToEnd.MainWindow.${wm}
    COMMAND ${CMAKE_CURRENT_LIST_DIR}/main-window.sh ${VD_BIN_DIR}/veldoran $<TARGET_FILE:veldoran-screen-probe> ${wm})
  set_tests_properties(EndToEnd.MainWindow.${wm} PROPERTIES TIMEOUT 600 COST 100)
endforeach()
add_executable(veldoran-e2e-boundary-sources ${CMAKE_CURRENT_LIST_DIR}/BoundarySources.cpp)
target_include_directories(veldoran-e2e-boundary-sources PRIVATE ${PROJECT_SOURCE_DIR})
target_link_libraries(veldoran-e2e-boundary-sources PRIVATE veldoran-platform)
set_target_properties(veldoran-e2e-boundary-sources PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)

# Runs that could hang or lose the session: unusable profiles, FIFOs in data files' places, a long
# conversion ended while it runs.
add_test(NAME EndToEnd.Reliability
  COMMAND ${CMAKE_CURRENT_LIST_DIR}/reliability.sh ${VD_BIN_DIR}/veldoran $<TARGET_FILE:veldoran-screen-probe>
    $<TARGET_FILE:veldoran-e2e-boundary-sources> $<TARGET_FILE:veldoran-convert-boundaries>)
set_tests_properties(EndToEnd.Reliability PROPERTIES TIMEOUT 600 COST 100)
