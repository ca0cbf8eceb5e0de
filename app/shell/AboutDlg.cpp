#include "app/shell/AboutDlg.h"

#include "app/shell/ShellCommands.h"

CAboutDlg::CAboutDlg() : vd::Dialog(shell::IDD_ABOUTBOX) {}
