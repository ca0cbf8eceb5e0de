#pragma once
// The text display (template 152): a whole text file shown read-only in a large box, the file's
// path under it, and a caption of the caller's name and title.
#include "platform/ui/Dialog.h"

#include <string>

// The dialog's control ids (template 152).
namespace textdisplayids {
inline constexpr int IDC_TEXT = 1050;
inline constexpr int IDC_PATH = 1051;
} // namespace textdisplayids

class CDlgTextDisplay : public vd::Dialog {
public:
    enum { IDD = 152 };
    CDlgTextDisplay();

    std::string m_strFile;
    std::string m_strName;
    std::string m_strTitle;

    bool OnInitDialog() override;
};
