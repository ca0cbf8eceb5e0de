# The natural-environment mesh settings: their pure parts linked from Pelmora's code, the dialog
# through the built libpelmora.so.
vd_test_folder(test-layers-settings-naturemesh layers/settings/naturemesh LINK pelmora-code)
add_dependencies(test-layers-settings-naturemesh pelmora)
