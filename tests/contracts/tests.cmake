vd_test_folder(test-contracts contracts)
# The test reads the contract headers and the landed lists, and inspects the built libraries.
target_compile_definitions(test-contracts PRIVATE VD_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
add_dependencies(test-contracts pelmora surrick dovanne tovendlg halvette ombrisk)
