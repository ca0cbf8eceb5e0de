# The mesh-code helpers, linked as the libraries link them.
vd_test_folder(test-meshcode meshcode LINK meshcode)
