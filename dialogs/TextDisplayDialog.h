#pragma once
// The text display (template 152): a whole text file shown read-only in a large box, the file's
// path under it, and a caption of the caller's name and title.
#include "platform/ui/Dialog.h"

#include <string>

class CDlgTextDisplay : public vd::Dialog {
public:
    enum { IDD = 152 };
    CDlgTextDisplay();

    std::string m_strFile;
    std::string m_strName;
    std::string m_strTitle;

    bool OnInitDialog() override;
};
