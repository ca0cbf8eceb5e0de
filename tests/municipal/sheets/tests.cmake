# Surrick's chosen sheets list and sheet chooser through their export, answered by the ui script;
# the list file's reader and the shared selection search directly.
vd_test_folder(test-municipal-sheets municipal/sheets LINK surrick municipal-files basemap-sheetindex)
