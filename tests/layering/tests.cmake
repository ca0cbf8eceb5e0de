# The direction of the modules: no file includes a header of a module above its own, nor one
# run-time library another's (check-layering.sh lists the levels), checked on the source tree;
# the check itself is checked on small trees where the document includes a view header, where
# user data includes the document and where Halvette includes Pelmora's renderer.
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
add_test(NAME Layering.TheCheckRefusesOneLibraryIncludingAnother
  COMMAND ${CMAKE_CURRENT_LIST_DIR}/check-layering.sh ${CMAKE_CURRENT_LIST_DIR}/crosslibrary)
set_tests_properties(Layering.TheCheckRefusesOneLibraryIncludingAnother PROPERTIES
  PASS_REGULAR_EXPRESSION "seismic/SeismicLayer.cpp:2: includes layers/render/LayerRenderer.h, a header of another run-time library"
  FAIL_REGULAR_EXPRESSION "geology/")

# The same direction among the targets: nothing below the view links it or the program above it.
foreach(lower IN ITEMS veldoran-app contracts-bindings graphics meshcode basemap-projection basemap-files
                       basemap-sheetindex pelmora surrick dovanne tovendlg halvette ombrisk
                       pelmora-code surrick-code dovanne-code tovendlg-code halvette-code ombrisk-code)
  get_target_property(lower_links ${lower} LINK_LIBRARIES)
  foreach(higher IN ITEMS veldoran-view veldoran-core)
    if(higher IN_LIST lower_links)
      message(FATAL_ERROR "${lower} links ${higher}, a target above it")
    endif()
  endforeach()
endforeach()
# Nor does one run-time library link another: what two of them share is a static helper below.
set(run_time_libraries pelmora surrick dovanne tovendlg halvette ombrisk)
foreach(library IN LISTS run_time_libraries)
  get_target_property(library_links ${library} LINK_LIBRARIES)
  foreach(other IN LISTS run_time_libraries)
    if(other IN_LIST library_links)
      message(FATAL_ERROR "${library} links ${other}, another run-time library")
    endif()
  endforeach()
endforeach()
