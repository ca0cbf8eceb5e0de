# The surface settings: their pure parts and the pages' row tables linked from Pelmora's code, the
# dialog through the built libpelmora.so.
vd_test_folder(test-layers-settings-surface layers/settings/surface LINK pelmora-code)
add_dependencies(test-layers-settings-surface pelmora)
