#include "dialogs/MenuBarSlideShowDialog.h"

#include "contracts/tovendlg.h"
#include "dialogs/DialogLibraryApp.h"
#include "dialogs/files/MenuFileCounts.h"
#include "platform/text/Format.h"

#include <algorithm>

namespace {

using namespace vd::ui;

using namespace menuslideshowids;

// The "－" button never takes the interval below this.
constexpr int kShortestInterval = 2;

DialogTemplate MenuBarSlideShowTemplate()
{
    DialogTemplate t;
    t.id = CDlgMenuBarSlideShow::IDD;
    t.caption = " スライドショー";
    t.place = DialogUnits{0, 0, 204, 160};
    const char* const menus[] = {"〆テキスト1", "〆テキスト2", "〆テキスト3", "〆テキスト4",
                                 "〆テキスト5", "ζ画像1",     "ζ画像2",     "ζ画像3"};
    t.controls.push_back(ltext(vd::IDC_STATIC, "(登録ﾌｧｲﾙ)", DialogUnits{80, 6, 50, 10}));
    for (int k = 0; k < 8; ++k) {
        const int y = 18 + 16 * k;
        t.controls.push_back(checkBox(IDC_FIRST_MENU + k, menus[k], DialogUnits{10, y, 66, 12},
                                      vd::BS_AUTOCHECKBOX | vd::WS_TABSTOP));
        t.controls.push_back(ltext(IDC_FIRST_COUNT + k, "", DialogUnits{84, y + 2, 36, 10}));
    }
    t.controls.insert(t.controls.end(), {
        pushButton(IDC_ALL, "すべて", DialogUnits{134, 18, 60, 14}),
        groupBox(vd::IDC_STATIC, "表示方法", DialogUnits{130, 40, 68, 40}),
        radioButton(IDC_AUTO, "自動", DialogUnits{138, 52, 50, 10},
                    vd::BS_AUTORADIOBUTTON | vd::WS_GROUP | vd::WS_TABSTOP),
        radioButton(IDC_MANUAL, "手動", DialogUnits{138, 64, 50, 10}),
        ltext(vd::IDC_STATIC, "間隔(秒)", DialogUnits{134, 88, 60, 10}, vd::WS_GROUP),
        edit(IDC_INTERVAL, DialogUnits{134, 100, 28, 12}, vd::ES_READONLY),
        pushButton(IDC_INTERVAL_UP, "＋", DialogUnits{164, 100, 14, 12}),
        pushButton(IDC_INTERVAL_DOWN, "－", DialogUnits{180, 100, 14, 12}),
        defPushButton(vd::IDOK, "OK", DialogUnits{134, 124, 60, 14}),
        pushButton(vd::IDCANCEL, "ｷｬﾝｾﾙ", DialogUnits{134, 142, 60, 14}),
    });
    return t;
}

const TemplateRegistration registration(CDialogLibraryApp::kModule, {MenuBarSlideShowTemplate()});

} // namespace

CDlgMenuBarSlideShow::CDlgMenuBarSlideShow() : vd::Dialog(IDD)
{
    OnControlRange(vd::BN_CLICKED, IDC_FIRST_MENU, IDC_LAST_MENU, [this](int id) { OnMenuBox(id); });
    OnClicked(IDC_ALL, [this] { OnAll(); });
    OnClicked(IDC_AUTO, [this] { m_strPlayMode = "AUTO"; });
    OnClicked(IDC_MANUAL, [this] { m_strPlayMode = "MANUAL"; });
    OnClicked(IDC_INTERVAL_UP, [this] { OnIntervalUp(); });
    OnClicked(IDC_INTERVAL_DOWN, [this] { OnIntervalDown(); });
}

bool CDlgMenuBarSlideShow::OnInitDialog()
{
    vd::Dialog::OnInitDialog();
    for (int k = 0; k < 8; ++k)
        CheckDlgButton(IDC_FIRST_MENU + k, m_nAll != 1 && m_anMenuOn[k] == 1 ? 1 : 0);
    ShowEntryCounts();
    CheckRadioButton(IDC_AUTO, IDC_MANUAL, m_strPlayMode == "AUTO" ? IDC_AUTO : IDC_MANUAL);
    ShowInterval();
    return true;
}

void CDlgMenuBarSlideShow::ShowEntryCounts()
{
    const auto counts = CountMenuFileEntries(m_strFolder + "SOURCE\\MENUFILE.DAT");
    // A missing file, or one without a section, shows 0 for the last menu only.
    if (!counts || counts->empty()) {
        SetDlgItemText(IDC_FIRST_COUNT + 7, "0");
        return;
    }
    for (std::size_t k = 0; k < counts->size(); ++k)
        SetDlgItemText(IDC_FIRST_COUNT + int(k), vd::format("%d", (*counts)[k]));
}

void CDlgMenuBarSlideShow::OnMenuBox(int id)
{
    int& flag = m_anMenuOn[id - IDC_FIRST_MENU];
    flag = flag == 1 ? 0 : 1;
}

void CDlgMenuBarSlideShow::OnAll()
{
    // The flags stay as they are, so turning "すべて" off shows them again.
    m_nAll = m_nAll == 0 ? 1 : 0;
    for (int k = 0; k < 8; ++k)
        CheckDlgButton(IDC_FIRST_MENU + k, m_nAll == 1 || m_anMenuOn[k] == 1 ? 1 : 0);
}

void CDlgMenuBarSlideShow::OnIntervalUp()
{
    ++m_nInterval;
    ShowInterval();
}

void CDlgMenuBarSlideShow::OnIntervalDown()
{
    m_nInterval = std::max(m_nInterval - 1, kShortestInterval);
    ShowInterval();
}

void CDlgMenuBarSlideShow::ShowInterval()
{
    SetDlgItemText(IDC_INTERVAL, vd::format("%d", m_nInterval));
}

std::string CDlgMenuBarSlideShow::Answer() const
{
    std::string answer;
    bool anyOn = false;
    for (int flag : m_anMenuOn) {
        const int on = m_nAll == 1 ? 1 : flag;
        anyOn = anyOn || on > 0;
        answer += vd::format("%d|", on);
    }
    return answer + vd::format("%d|%d|%d|", m_nAll, anyOn ? 1 : -1, m_nInterval) + m_strPlayMode;
}

extern "C" std::string OnDlgMenuBarSlideSet(std::string appFolder, std::string playMode, int interval)
{
    return RunEntryPoint(std::string(), [&] {
        CDlgMenuBarSlideShow dialog;
        dialog.m_strFolder = std::move(appFolder);
        dialog.m_strPlayMode = std::move(playMode);
        dialog.m_nInterval = interval;
        return dialog.DoModal() == vd::IDOK ? dialog.Answer() : std::string();
    });
}
