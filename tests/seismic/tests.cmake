# Halvette's lists, readers, drawing and settings dialogs, linked from the library's code (the
# library exports only its entry points). Linked whole: the dialogs' templates register from a
# file of their own that nothing refers to.
vd_test_folder(test-seismic seismic LINK "$<LINK_LIBRARY:WHOLE_ARCHIVE,halvette-code>")
