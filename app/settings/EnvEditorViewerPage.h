#pragma once
// The editor and viewer page of the environment settings (template 166 "Ｅ＆Ｖ"): the programs
// that open text files and pictures. The edits only show them; the "ﾌｧｲﾙ" buttons change them.
#include "platform/ui/Dialog.h"

#include <string>

// The dialog's control ids (template 166).
namespace enveditorviewerids {
inline constexpr int IDC_VIEWER = 1151;
inline constexpr int IDC_PICK_VIEWER = 1152;
inline constexpr int IDC_EDITOR = 1154;
inline constexpr int IDC_PICK_EDITOR = 1155;
} // namespace enveditorviewerids

class CDlgEnvEditorViewer : public vd::Dialog {
public:
    enum { IDD = 166 };
    CDlgEnvEditorViewer();

    std::string m_strEditor;
    std::string m_strViewer;

    bool OnInitDialog() override;

private:
    void Pick(std::string& program, int editId, const std::string& filter);
};
