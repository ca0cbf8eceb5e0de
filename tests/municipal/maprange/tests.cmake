# Surrick's elevation map file and display range dialog through its export, answered by the ui
# script; the 1:50,000 sheet index reader directly.
vd_test_folder(test-municipal-maprange municipal/maprange LINK surrick municipal-files)
