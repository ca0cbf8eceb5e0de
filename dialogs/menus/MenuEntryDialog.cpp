#include "dialogs/menus/MenuEntryDialog.h"

#include "contracts/bindings/SurrickExports.h"
#include "dialogs/DialogLibraryApp.h"
#include "dialogs/albums/BrowseForFile.h"
#include "platform/ui/DataExchange.h"

namespace {

using namespace vd::ui;

using namespace menuentryids;

DialogTemplate MenuEntryTemplate()
{
    DialogTemplate t;
    t.id = CDlgMenuEntry::IDD;
    t.caption = "メニューに追加";
    t.place = DialogUnits{0, 0, 250, 96};
    t.controls = {
        ltext(vd::IDC_STATIC, "ﾀｲﾄﾙ", DialogUnits{8, 10, 40, 10}),
        edit(IDC_TITLE, DialogUnits{50, 8, 120, 12}),
        ltext(IDC_TARGET_LABEL, "ﾃｷｽﾄ ﾌｧｲﾙ", DialogUnits{8, 28, 40, 10}),
        edit(IDC_TARGET, DialogUnits{50, 26, 150, 12}),
        pushButton(IDC_BROWSE, "ﾌｧｲﾙ", DialogUnits{204, 26, 38, 12}),
        ltext(vd::IDC_STATIC, "仕切り線は、ﾀｲﾄﾙ欄に半角\"－\"記号で６文字以上繰り返してください。",
              DialogUnits{8, 48, 234, 20}),
        defPushButton(vd::IDOK, "追加", DialogUnits{136, 74, 50, 14}),
        pushButton(vd::IDCANCEL, "ｷｬﾝｾﾙ", DialogUnits{192, 74, 50, 14}),
    };
    return t;
}

const TemplateRegistration registration(CDialogLibraryApp::kModule, {MenuEntryTemplate()});

} // namespace

CDlgMenuEntry::CDlgMenuEntry() : vd::Dialog(IDD)
{
    OnClicked(IDC_BROWSE, [this] { OnBrowse(); });
}

void CDlgMenuEntry::DoDataExchange(vd::DataExchange& dx)
{
    vd::DDX_Text(dx, IDC_TITLE, m_strTitle);
    vd::DDX_Text(dx, IDC_TARGET, m_strTarget);
}

bool CDlgMenuEntry::OnInitDialog()
{
    vd::Dialog::OnInitDialog();
    if (m_nUpdate == 1) {
        SetWindowText("メニューの更新");
        SetDlgItemText(vd::IDOK, "更新");
    }
    if (m_nKind >= 1)
        SetDlgItemText(IDC_TARGET_LABEL, "画像 ﾌｧｲﾙ");
    return true;
}

void CDlgMenuEntry::OnBrowse()
{
    std::string chosen;
    if (m_nKind == 0) {
        chosen = BrowseForFile("txt", "*.txt", "ﾃｷｽﾄ files (*.txt)|*.txt");
    } else if (auto* pictureDialog = Surrick().OnPictureFileDialog.fn) {
        chosen = pictureDialog();
    }
    if (chosen.empty())
        return;
    m_strTarget = chosen;
    SetDlgItemText(IDC_TARGET, m_strTarget);
}
