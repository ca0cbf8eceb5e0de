#include "submarine/SubmarineSettingsDialog.h"

#include "platform/fs/FileSystem.h"
#include "platform/text/Format.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/Ui.h"

namespace {

using namespace vd::ui;

constexpr int kMethods = 4;
// The sub-folder of the intermediate depth files, made as soon as a folder is picked.
constexpr const char* kSeaFloorSubFolder = "SeaFloor\\";

int Toggled(int value) { return value == 0 ? 1 : 0; }

} // namespace

DialogTemplate SubmarineSettingsTemplate(const SubmarineSettingsLayout& layout)
{
    DialogTemplate t;
    t.id = layout.templateId;
    t.caption = "海底地形（500mメッシュ水深データ）";
    t.controls = {
        checkBox(layout.show, "表示する"),
        radioButton(layout.firstMethod, "段彩図", {}, vd::BS_AUTORADIOBUTTON | vd::WS_GROUP),
        radioButton(layout.firstMethod + 1, "等深線分布図"),
        radioButton(layout.firstMethod + 2, "種別（計測水深／補間点）"),
        radioButton(layout.firstMethod + 3, " 種別（計測水深のみ）"),
    };
    if (layout.relief != 0) {
        t.controls.push_back(checkBox(layout.relief, "ﾚﾘｰﾌ", {}, vd::BS_AUTOCHECKBOX | vd::WS_GROUP));
        t.controls.push_back(checkBox(layout.contour, "等深線"));
    }
    t.controls.push_back(groupBox(vd::IDC_STATIC, "500mﾒｯｼｭ水深ﾃﾞｰﾀのﾌｫﾙﾀﾞ"));
    t.controls.push_back(edit(layout.folder));
    t.controls.push_back(pushButton(layout.pick, "登録"));
    t.controls.push_back(defPushButton(vd::IDOK, "OK"));
    t.controls.push_back(pushButton(vd::IDCANCEL, "ｷｬﾝｾﾙ"));
    return t;
}

CDlgSubmarineSettings::CDlgSubmarineSettings(const SubmarineSettingsLayout& layout)
    : vd::Dialog(layout.templateId), layout_(layout)
{
    OnClicked(layout.show, [this] { m_nShow = Toggled(m_nShow); });
    for (int i = 0; i < kMethods; ++i)
        OnClicked(layout.firstMethod + i, [this, i] { m_nMethod = i; });
    if (layout.relief != 0) {
        OnClicked(layout.relief, [this] { m_nRelief = Toggled(m_nRelief); });
        OnClicked(layout.contour, [this] { m_nContour = Toggled(m_nContour); });
    }
    OnClicked(layout.pick, [this] { OnPickFolder(); });
}

bool CDlgSubmarineSettings::OnInitDialog()
{
    vd::Dialog::OnInitDialog();
    CheckDlgButton(layout_.show, m_nShow == 1 ? 1 : 0);
    if (layout_.relief != 0) {
        CheckDlgButton(layout_.relief, m_nRelief == 1 ? 1 : 0);
        CheckDlgButton(layout_.contour, m_nContour == 1 ? 1 : 0);
    }
    // A method outside 0-3 checks no radio and stays as it is until one is clicked.
    if (m_nMethod >= 0 && m_nMethod < kMethods)
        CheckRadioButton(layout_.firstMethod, layout_.firstMethod + kMethods - 1, layout_.firstMethod + m_nMethod);
    return true;
}

void CDlgSubmarineSettings::DoDataExchange(vd::DataExchange& dx) { vd::DDX_Text(dx, layout_.folder, m_strFolder); }

void CDlgSubmarineSettings::OnPickFolder()
{
    vd::ui::MessageBeep();
    vd::FileDialog dialog(true, "txt", "*.txt", vd::OFN_FILEMUSTEXIST, "txt files (*.txt)|*.txt|All files (*.*)|*.*||",
                          this);
    // It opens in the folder the dialog shows, not where the run's last file dialog ended.
    dialog.SetInitialFolder(GetDlgItemText(layout_.folder));
    if (dialog.DoModal() != vd::IDOK)
        return;
    const std::string path = dialog.GetPathName();
    const std::size_t slash = path.rfind('\\');
    if (slash == std::string::npos)
        return;
    const std::string folder = path.substr(0, slash + 1);
    SetDlgItemText(layout_.folder, folder);
    m_strFolder = folder;
    // An existing sub-folder stays; one that cannot be made is not reported (the builder then
    // writes nothing).
    (void)vd::makeFolder(folder + kSeaFloorSubFolder);
}

std::string FormatSubmarineSettings(int show, int method, int relief, int contour, const std::string& folder)
{
    return vd::format("%d|%d|%d|%d|%d|", show, method, relief, contour, 0) + folder;
}
