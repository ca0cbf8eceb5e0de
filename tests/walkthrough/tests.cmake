# The walk through every command a user can reach: the real program with all six libraries on a
# fresh application folder seeded from the sample data, each map mode a test case of its own.
# Its cases take seconds to a minute each: they start first.
vd_test_folder(test-walkthrough walkthrough COST 30 LINK veldoran-core Qt6::Test)
add_dependencies(test-walkthrough pelmora surrick dovanne tovendlg halvette ombrisk bundled-data)
