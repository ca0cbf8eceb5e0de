# The pictures of the README: the program on the sample data, saved as PNG files into the folder
# VD_SCREENSHOTS names (scripts/screenshots.sh runs them on Xvfb into docs/screenshots); in the
# suite they go to the test's temporary folder and only have to come out.
vd_test_folder(test-screenshots walkthrough/screenshots LINK veldoran-core Qt6::Test)
add_dependencies(test-screenshots pelmora surrick dovanne tovendlg halvette ombrisk bundled-data)
# Menus are chosen as the walk through chooses them (UserActions.h of the shared test fixtures).
