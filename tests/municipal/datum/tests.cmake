# Surrick's Tokyo-datum conversion through its export, answered by the ui script.
vd_test_folder(test-municipal-datum municipal/datum LINK surrick)
