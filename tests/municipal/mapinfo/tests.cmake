# Surrick's map information dialog through its export, answered by the ui script.
vd_test_folder(test-municipal-mapinfo municipal/mapinfo LINK surrick)
