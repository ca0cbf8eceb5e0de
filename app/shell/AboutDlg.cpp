#include "app/AboutDlg.h"

#include "app/ShellCommands.h"

CAboutDlg::CAboutDlg() : vd::Dialog(shell::IDD_ABOUTBOX) {}
