# The readers of the file families link here too: each meets a FIFO in its file's place.
vd_test_folder(test-platform-fs platform/fs
  LINK basemap-files graphics layers-settings-files municipal-files submarine-files)
add_dependencies(test-platform-fs bundled-data)
