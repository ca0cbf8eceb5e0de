# Surrick's layer-combination presets and annotation drawings through the built libsurrick.so.
vd_test_folder(test-municipal-presets municipal/presets LINK surrick)
