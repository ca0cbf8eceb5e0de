#include "dialogs/AlbumSlideShowDialog.h"

#include "contracts/tovendlg.h"
#include "dialogs/DialogLibraryApp.h"
#include "platform/text/Format.h"

#include <algorithm>

namespace {

using namespace vd::ui;

using namespace albumslideshowids;

// The "▽" button never takes the interval below this.
constexpr int kShortestInterval = 1;

constexpr std::uint32_t kFirstRadio = vd::BS_AUTORADIOBUTTON | vd::WS_GROUP | vd::WS_TABSTOP;
constexpr std::uint32_t kGroupCheckBox = vd::BS_AUTOCHECKBOX | vd::WS_GROUP | vd::WS_TABSTOP;

DialogTemplate AlbumSlideShowTemplate()
{
    DialogTemplate t;
    t.id = CDlgAlbumSlideShow::IDD;
    t.caption = " スライドショー";
    // In the automatic layout a group box holds the controls up to the next one.
    t.controls = {
        ltext(vd::IDC_STATIC, "表示間隔   (秒)"),
        edit(IDC_INTERVAL, {}, vd::ES_READONLY),
        pushButton(IDC_INTERVAL_UP, "△"),
        pushButton(IDC_INTERVAL_DOWN, "▽"),
        ltext(vd::IDC_STATIC, "大きさ"),
        radioButton(IDC_LARGE, "大", {}, kFirstRadio),
        radioButton(IDC_SMALL, "小"),
        checkBox(IDC_MEMO, "画像と共にメモを表示する", {}, kGroupCheckBox),
        checkBox(IDC_COUNTDOWN, "残り秒数を表示"),
        checkBox(IDC_NO_JPEG, "JPGの画像を除く"),
        groupBox(vd::IDC_STATIC, "表示する種類"),
        radioButton(IDC_TEXTS, "ﾃｷｽﾄ", {}, kFirstRadio),
        radioButton(IDC_PICTURES, "画像"),
        radioButton(IDC_BOTH, "両方"),
        groupBox(vd::IDC_STATIC, "方法"),
        radioButton(IDC_AUTO, "自動", {}, kFirstRadio),
        radioButton(IDC_MANUAL, "手動"),
        groupBox(vd::IDC_STATIC, "登録地点位置図"),
        checkBox(IDC_LOCATOR, "表示する", {}, kGroupCheckBox),
        defPushButton(vd::IDOK, "OK"),
        pushButton(vd::IDCANCEL, "ｷｬﾝｾﾙ"),
    };
    return t;
}

const TemplateRegistration registration(CDialogLibraryApp::kModule, {AlbumSlideShowTemplate()});

// The word after a click on an option's box. The box shows `checkedWord` ticked, so a word
// that is neither (an unset option) turns into the ticked one, as the box does.
std::string toggledWord(const std::string& word, const char* checkedWord, const char* otherWord)
{
    return word == checkedWord ? otherWord : checkedWord;
}

} // namespace

CDlgAlbumSlideShow::CDlgAlbumSlideShow() : vd::Dialog(IDD)
{
    OnClicked(IDC_TEXTS, [this] { m_nShowKind = 1; });
    OnClicked(IDC_PICTURES, [this] { m_nShowKind = 2; });
    OnClicked(IDC_BOTH, [this] { m_nShowKind = 3; });
    OnClicked(IDC_LARGE, [this] { m_nSize = 1; });
    OnClicked(IDC_SMALL, [this] { m_nSize = 2; });
    OnClicked(IDC_AUTO, [this] { m_strPlayMode = "AUTO"; });
    OnClicked(IDC_MANUAL, [this] { m_strPlayMode = "MANUAL"; });
    OnClicked(IDC_MEMO, [this] { m_strMemo = toggledWord(m_strMemo, "ON", "OFF"); });
    OnClicked(IDC_COUNTDOWN, [this] { m_strCountdown = toggledWord(m_strCountdown, "on", "off"); });
    OnClicked(IDC_LOCATOR, [this] { m_strLocator = toggledWord(m_strLocator, "on", "off"); });
    // Ticked means JPEG pictures are left out.
    OnClicked(IDC_NO_JPEG, [this] { m_strJpeg = toggledWord(m_strJpeg, "off", "on"); });
    OnClicked(IDC_INTERVAL_UP, [this] { OnIntervalUp(); });
    OnClicked(IDC_INTERVAL_DOWN, [this] { OnIntervalDown(); });
}

bool CDlgAlbumSlideShow::OnInitDialog()
{
    vd::Dialog::OnInitDialog();
    ShowInterval();
    if (m_nShowKind >= 1 && m_nShowKind <= 3)
        CheckRadioButton(IDC_TEXTS, IDC_BOTH, IDC_TEXTS + m_nShowKind - 1);
    CheckRadioButton(IDC_AUTO, IDC_MANUAL, m_strPlayMode == "AUTO" ? IDC_AUTO : IDC_MANUAL);
    CheckDlgButton(IDC_MEMO, m_strMemo == "ON" ? 1 : 0);
    CheckDlgButton(IDC_COUNTDOWN, m_strCountdown == "on" ? 1 : 0);
    CheckDlgButton(IDC_LOCATOR, m_strLocator == "on" ? 1 : 0);
    CheckDlgButton(IDC_NO_JPEG, m_strJpeg == "off" ? 1 : 0);
    CheckRadioButton(IDC_LARGE, IDC_SMALL, m_nSize == 1 ? IDC_LARGE : IDC_SMALL);
    return true;
}

void CDlgAlbumSlideShow::OnIntervalUp()
{
    ++m_nInterval;
    ShowInterval();
}

void CDlgAlbumSlideShow::OnIntervalDown()
{
    m_nInterval = std::max(m_nInterval - 1, kShortestInterval);
    ShowInterval();
}

void CDlgAlbumSlideShow::ShowInterval()
{
    SetDlgItemText(IDC_INTERVAL, vd::format("%d", m_nInterval));
}

std::string CDlgAlbumSlideShow::Answer() const
{
    return vd::format("%d|%d|%d|", m_nShowKind, m_nInterval, m_nSize) + m_strMemo + "|" + m_strPlayMode + "|" +
           m_strCountdown + "|" + m_strLocator + "|" + m_strJpeg;
}

extern "C" std::string OnSlideSet(int showKind, int interval, int size, std::string memo, std::string playMode,
                                  std::string countdown, std::string locator, std::string jpeg)
{
    return RunEntryPoint(std::string(), [&] {
        CDlgAlbumSlideShow dialog;
        dialog.m_nShowKind = showKind;
        dialog.m_nInterval = interval;
        dialog.m_nSize = size;
        dialog.m_strMemo = std::move(memo);
        dialog.m_strPlayMode = std::move(playMode);
        dialog.m_strCountdown = std::move(countdown);
        dialog.m_strLocator = std::move(locator);
        dialog.m_strJpeg = std::move(jpeg);
        return dialog.DoModal() == vd::IDOK ? dialog.Answer() : std::string();
    });
}
