# The point settings: their pure parts and the pages' tables linked from Pelmora's code, the dialogs
# through the built libpelmora.so.
vd_test_folder(test-layers-settings-pointdata layers/settings/pointdata LINK pelmora-code)
add_dependencies(test-layers-settings-pointdata pelmora)
