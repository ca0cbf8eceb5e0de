# The direction of the modules: no file includes a header of a module above its own
# (check-layering.sh lists the levels), checked on the source tree, and the check itself is
# checked on a small tree where the document includes a view header and user data the document.
add_test(NAME Layering.NoModuleIncludesAHigherOne
  COMMAND ${CMAKE_CURRENT_LIST_DIR}/check-layering.sh ${PROJECT_SOURCE_DIR})
add_test(NAME Layering.TheCheckRefusesADocumentIncludingTheView
  COMMAND ${CMAKE_CURRENT_LIST_DIR}/check-layering.sh ${CMAKE_CURRENT_LIST_DIR}/upward)
set_tests_properties(Layering.TheCheckRefusesADocumentIncludingTheView PROPERTIES
  PASS_REGULAR_EXPRESSION "app/Document.cpp:2: includes view/window/VeldoranView.h"
  FAIL_REGULAR_EXPRESSION "view/View.cpp")
add_test(NAME Layering.TheCheckRefusesUserDataIncludingTheDocument
  COMMAND ${CMAKE_CURRENT_LIST_DIR}/check-layering.sh ${CMAKE_CURRENT_LIST_DIR}/upward)
set_tests_properties(Layering.TheCheckRefusesUserDataIncludingTheDocument PROPERTIES
  PASS_REGULAR_EXPRESSION "userdata/Tracks.cpp:2: includes app/document/VeldoranDoc.h")

# The same direction among the targets: nothing below the view links it or the program above it.
foreach(lower IN ITEMS veldoran-app contracts-bindings graphics basemap-projection basemap-files basemap-sheetindex
                       pelmora surrick dovanne tovendlg halvette ombrisk)
  get_target_property(lower_links ${lower} LINK_LIBRARIES)
  foreach(higher IN ITEMS veldoran-view veldoran-core)
    if(higher IN_LIST lower_links)
      message(FATAL_ERROR "${lower} links ${higher}, a target above it")
    endif()
  endforeach()
endforeach()
