#pragma once
// The about box (template 100): the program's icon, name and version, and OK.
#include "platform/ui/Dialog.h"

class CAboutDlg : public vd::Dialog {
public:
    CAboutDlg();
};
