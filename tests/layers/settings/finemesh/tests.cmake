# The 1/10 subdivided mesh settings: their pure parts linked from Pelmora's code, the dialog through
# the built libpelmora.so.
vd_test_folder(test-layers-settings-finemesh layers/settings/finemesh LINK pelmora-code)
add_dependencies(test-layers-settings-finemesh pelmora)
