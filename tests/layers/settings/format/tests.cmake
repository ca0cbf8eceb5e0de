# The format viewer: page names and the entry list linked from Pelmora's code, the dialog through
# the built libpelmora.so.
vd_test_folder(test-layers-settings-format layers/settings/format LINK pelmora-code)
add_dependencies(test-layers-settings-format pelmora)
