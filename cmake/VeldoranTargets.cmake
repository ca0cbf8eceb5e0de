# Helpers shared by the module folders. Sources are collected per folder (not recursively), so a
# subfolder can hold a static helper library of its own.

# vd_folder_sources(<out-var> <folder>...): the .cpp files directly inside each folder.
function(vd_folder_sources out)
  set(files)
  foreach(dir IN LISTS ARGN)
    file(GLOB found CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${dir}/*.cpp)
    list(APPEND files ${found})
  endforeach()
  set(${out} ${files} PARENT_SCOPE)
endfunction()

# vd_folder_tree_sources(<out-var> <folder>): the .cpp files inside the folder and every folder
# below it, for a module grouped into subfolders by concern (view/) that is still one target.
function(vd_folder_tree_sources out dir)
  file(GLOB_RECURSE files CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${dir}/*.cpp)
  set(${out} ${files} PARENT_SCOPE)
endfunction()

# vd_run_time_library(<target> FOLDERS <folder>... [LINK <lib>...])
# One of the six libraries the program loads at run time: only its entry points are exported.
# Its sources are compiled once, into the static library <target>-code: the shared library is made
# of those objects, and a test or fuzz target that reaches inside the library links <target>-code
# instead of compiling the sources again.
function(vd_run_time_library target)
  cmake_parse_arguments(ARG "" "" "FOLDERS;LINK" ${ARGN})
  vd_folder_sources(sources ${ARG_FOLDERS})
  add_library(${target}-code STATIC ${sources})
  target_include_directories(${target}-code PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${target}-code PUBLIC veldoran-platform ${ARG_LINK})
  set_target_properties(${target}-code PROPERTIES
    CXX_VISIBILITY_PRESET hidden
    VISIBILITY_INLINES_HIDDEN ON)

  add_library(${target} SHARED $<TARGET_OBJECTS:${target}-code>)
  target_link_libraries(${target} PRIVATE veldoran-platform ${ARG_LINK})
  target_link_options(${target} PRIVATE -Wl,-Bsymbolic)
  # clang's sanitizer runtime lives in the executable only, so the sanitizer tree's libraries
  # keep those references open until they are loaded.
  if(NOT VELDORAN_SANITIZE)
    target_link_options(${target} PRIVATE -Wl,--no-undefined)
  endif()
endfunction()
