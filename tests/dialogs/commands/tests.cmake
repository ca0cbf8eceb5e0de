# The program's commands that open the dialog library's dialogs, chosen from the real menus of
# the running program with the built libraries.
vd_test_folder(test-dialogs-commands dialogs/commands LINK veldoran-core)
add_dependencies(test-dialogs-commands pelmora dovanne tovendlg)
