# Surrick's municipality drawing: the entry points through the built libsurrick.so; the renderer's
# cells, colours and projection linked from Surrick's code.
vd_test_folder(test-municipal-citysurface municipal/citysurface LINK surrick surrick-code)
