vd_test_folder(test-platform-sys platform/sys)

# The loader looks beside the running executable first. This test executable gets a folder of
# its own, so the fake library placed beside it shadows the real one for these tests only.
set(vd_sys_test_dir ${CMAKE_BINARY_DIR}/tests/platform-sys)
set_target_properties(test-platform-sys PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${vd_sys_test_dir})

set(vd_sys_fake_source ${CMAKE_CURRENT_LIST_DIR}/fakelib/FakeLibrary.cpp)
# vd_sys_fake_library(<target> <output name> <folder> <origin text>): a fake whose vdFakeOrigin()
# tells which copy was loaded.
function(vd_sys_fake_library target output_name folder origin)
  add_library(${target} SHARED ${vd_sys_fake_source})
  set_target_properties(${target} PROPERTIES OUTPUT_NAME ${output_name}
    LIBRARY_OUTPUT_DIRECTORY ${folder})
  target_compile_definitions(${target} PRIVATE VD_FAKE_ORIGIN="${origin}")
endfunction()

# Loaded by its old name "Pelmora.DLL" from the executable's folder, before the real
# libpelmora.so that the search path would find.
vd_sys_fake_library(fakelib-pelmora pelmora ${vd_sys_test_dir} "executable folder")
# Put in place of one name through the override table, from a folder nothing searches.
vd_sys_fake_library(fakelib-override vdoverride ${vd_sys_test_dir}/override "override")

add_dependencies(test-platform-sys fakelib-pelmora fakelib-override
  pelmora surrick dovanne tovendlg halvette ombrisk)
target_compile_definitions(test-platform-sys PRIVATE
  VD_FAKE_OVERRIDE_LIBRARY="$<TARGET_FILE:fakelib-override>")
