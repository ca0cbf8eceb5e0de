#pragma once
// The editor and viewer page of the environment settings (template 166 "Ｅ＆Ｖ"): the programs
// that open text files and pictures. The edits only show them; the "ﾌｧｲﾙ" buttons change them.
#include "platform/ui/Dialog.h"

#include <string>

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
