#include "dialogs/TextDisplayDialog.h"

#include "contracts/tovendlg.h"
#include "dialogs/DialogLibraryApp.h"
#include "dialogs/files/TextPageText.h"

namespace {

using namespace vd::ui;

using namespace textdisplayids;

DialogTemplate TextDisplayTemplate()
{
    DialogTemplate t;
    t.id = CDlgTextDisplay::IDD;
    t.caption = "ﾀﾞｲｱﾛｸﾞ";
    t.controls = {
        edit(IDC_TEXT, DialogUnits{7, 7, 400, 240},
             vd::ES_MULTILINE | vd::ES_AUTOVSCROLL | vd::WS_VSCROLL | vd::WS_TABSTOP),
        ltext(IDC_PATH, "", DialogUnits{7, 253, 340, 10}),
        defPushButton(vd::IDOK, "OK", DialogUnits{357, 251, 50, 14}),
    };
    t.place = DialogUnits{0, 0, 414, 272};
    return t;
}

const TemplateRegistration registration(CDialogLibraryApp::kModule, {TextDisplayTemplate()});

} // namespace

CDlgTextDisplay::CDlgTextDisplay() : vd::Dialog(IDD) {}

bool CDlgTextDisplay::OnInitDialog()
{
    vd::Dialog::OnInitDialog();
    SetWindowText(m_strName + " " + m_strTitle);
    SetDlgItemText(IDC_PATH, m_strFile);
    // What the user types into the box is not kept.
    SetDlgItemText(IDC_TEXT, TextDisplayText(m_strFile));
    return true;
}

extern "C" void OnTextDisplayDaialog(std::string file, std::string name, std::string title)
{
    RunEntryPoint([&] {
        CDlgTextDisplay dialog;
        dialog.m_strFile = std::move(file);
        dialog.m_strName = std::move(name);
        dialog.m_strTitle = std::move(title);
        dialog.DoModal();
    });
}
