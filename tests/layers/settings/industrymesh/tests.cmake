# The industry-statistics mesh settings: their pure parts and the pages' tables linked from
# Pelmora's code, the dialog through the built libpelmora.so.
vd_test_folder(test-layers-settings-industrymesh layers/settings/industrymesh LINK pelmora-code)
add_dependencies(test-layers-settings-industrymesh pelmora)
