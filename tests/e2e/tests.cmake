# The end-to-end test: the built program on a real X server (Xvfb), driven with real X events.
find_package(X11 REQUIRED)
add_executable(veldoran-screen-probe ${CMAKE_CURRENT_LIST_DIR}/ScreenProbe.cpp)
target_link_libraries(veldoran-screen-probe PRIVATE Qt6::Widgets X11::X11)
set_target_properties(veldoran-screen-probe PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)

# The script starts its own Xvfb (installed by the set-up script with xvfb-run).
foreach(wm none openbox)
  add_test(NAME EndToEnd.MainWindow.${wm}
    COMMAND ${CMAKE_CURRENT_LIST_DIR}/main-window.sh ${VD_BIN_DIR}/veldoran $<TARGET_FILE:veldoran-screen-probe> ${wm})
  set_tests_properties(EndToEnd.MainWindow.${wm} PROPERTIES TIMEOUT 600 RUN_SERIAL ON)
endforeach()
