#include "dialogs/MemoDialog.h"

#include "contracts/tovendlg.h"
#include "dialogs/DialogLibraryApp.h"
#include "dialogs/files/TextPageText.h"

namespace {

using namespace vd::ui;

using namespace memoids;

DialogTemplate MemoTemplate()
{
    DialogTemplate t;
    t.id = CDlgMemo::IDD;
    t.caption = "    メモ（連絡先／画像説明）";
    t.controls = {
        edit(IDC_MEMO_TEXT, DialogUnits{7, 7, 260, 110},
             vd::ES_MULTILINE | vd::ES_AUTOVSCROLL | vd::WS_VSCROLL | vd::WS_TABSTOP),
        ltext(IDC_MEMO_PATH, "", DialogUnits{7, 123, 200, 10}),
        defPushButton(vd::IDOK, "OK", DialogUnits{217, 121, 50, 14}),
    };
    t.place = DialogUnits{0, 0, 274, 142};
    return t;
}

const TemplateRegistration registration(CDialogLibraryApp::kModule, {MemoTemplate()});

} // namespace

CDlgMemo::CDlgMemo() : vd::Dialog(IDD) {}

int CDlgMemo::OnCreate()
{
    // A window manager may still place the window elsewhere.
    if (m_nPosition >= 1)
        SetWindowPos(m_nPosition, kMemoWindowTop);
    return vd::Dialog::OnCreate();
}

bool CDlgMemo::OnInitDialog()
{
    vd::Dialog::OnInitDialog();
    SetDlgItemText(IDC_MEMO_PATH, m_strFile);
    m_strText = MemoText(m_nMode, m_strFile, m_strText);
    SetDlgItemText(IDC_MEMO_TEXT, m_strText);
    return true;
}

extern "C" void OnMemoDisplay(int mode, int position, std::string file, std::string text)
{
    RunEntryPoint([&] {
        CDlgMemo dialog;
        dialog.m_nMode = mode;
        dialog.m_nPosition = position;
        dialog.m_strFile = std::move(file);
        dialog.m_strText = std::move(text);
        dialog.DoModal();
    });
}

void ShowTextFileHead(const std::string& file)
{
    if (file.empty())
        return;
    CDlgMemo memo;
    memo.m_nMode = 2;
    memo.m_strFile = file;
    memo.DoModal();
}
