# The layer legend: its painter linked from Pelmora's code and drawn into a recording device, the
# dialog through the built libpelmora.so.
vd_test_folder(test-layers-settings-legend layers/settings/legend LINK pelmora-code)
add_dependencies(test-layers-settings-legend pelmora)
