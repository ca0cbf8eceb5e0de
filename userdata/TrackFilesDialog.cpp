#include "userdata/TrackFilesDialog.h"

#include "platform/text/Format.h"
#include "platform/ui/Controls.h"
#include "platform/ui/TemplateRegistry.h"
#include "userdata/InfoFileListDialog.h"
#include "userdata/NumberedProfileList.h"
#include "userdata/TrackDescription.h"

#include <algorithm>

namespace {

using namespace vd::ui;

using namespace trackfilesids;

DialogTemplate TrackFilesTemplate()
{
    DialogTemplate t;
    t.id = CDlgTrackFiles::IDD;
    t.caption = "   トラックファイル の登録・選択";
    t.controls = {
        checkBox(IDC_SHOW_TRACKS, "トラックを表示"),
        groupBox(vd::IDC_STATIC, "白地図"),
        radioButton(IDC_START_MAP, "ﾄﾗｯｸ起点の地図", {}, vd::BS_AUTORADIOBUTTON | vd::WS_GROUP),
        radioButton(IDC_MAP_SHOWN, "表示中の地図"),
        groupBox(vd::IDC_STATIC, "目盛の区間距離"),
        checkBox(IDC_SCALE_SHOWN, "表示"),
        edit(IDC_INTERVAL),
        pushButton(IDC_INTERVAL_UP, "△"),
        pushButton(IDC_INTERVAL_DOWN, "▽"),
        listBox(IDC_CHOSEN_LIST),
        ltext(IDC_CHOSEN_COUNT, ""),
        ltext(IDC_CHOSEN_NUMBER, ""),
        pushButton(IDC_CLEAR_ALL, "すべて取消"),
        ltext(vd::IDC_STATIC, "選択中のﾄﾗｯｸ：ﾀﾞﾌﾞﾙｸﾘｯｸで断面図を表示"),
        groupBox(vd::IDC_STATIC, "トラックファイルの選択"),
        ltext(vd::IDC_STATIC, "ルート:"),
        ltext(IDC_TITLE, ""),
        ltext(vd::IDC_STATIC, "期日:"),
        ltext(IDC_DATE, ""),
        ltext(vd::IDC_STATIC, "起点:"),
        ltext(IDC_START_POINT, ""),
        ltext(vd::IDC_STATIC, "測地系:"),
        ltext(IDC_DATUM, ""),
        ltext(vd::IDC_STATIC, "形式:"),
        ltext(IDC_FORMAT, ""),
        // Room for the widest count it shows, "  No=100/100".
        ltext(IDC_FILE_COUNT, "登録数=", DialogUnits{0, 0, 52, 8}),
        comboBox(IDC_FILE_COMBO, {}, vd::CBS_DROPDOWN | vd::WS_VSCROLL | vd::WS_TABSTOP),
        pushButton(IDC_REGISTER, "登録"),
        defPushButton(vd::IDOK, "OK"),
        pushButton(IDC_CANCEL, "ｷｬﾝｾﾙ"),
    };
    return t;
}

const TemplateRegistration registration(kProgramModule, {TrackFilesTemplate()});

NumberedProfileList TrackList() { return {"TrackList", "Track"}; }

std::string IntervalText(int km) { return vd::format("%2dkm", km); }

} // namespace

CDlgTrackFiles::CDlgTrackFiles(vd::Window* parent) : vd::Dialog(IDD, parent)
{
    m_anSelected.fill(-1);
    OnControl(vd::CBN_SELCHANGE, IDC_FILE_COMBO, [this] { OnComboChange(); });
    OnClicked(IDC_REGISTER, [this] { OnRegister(); });
    OnClicked(IDC_SHOW_TRACKS, [this] { OnShowTracks(); });
    OnControl(vd::LBN_SELCHANGE, IDC_CHOSEN_LIST, [this] { OnChosenChange(); });
    OnControl(vd::LBN_DBLCLK, IDC_CHOSEN_LIST, [this] { OnChosenDoubleClick(); });
    OnClicked(IDC_CLEAR_ALL, [this] { OnClearAll(); });
    OnClicked(IDC_CANCEL, [this] { OnCancel(); });
    OnClicked(IDC_START_MAP, [this] { m_strStartMap = "START"; });
    OnClicked(IDC_MAP_SHOWN, [this] { m_strStartMap = "NOW"; });
    OnClicked(IDC_SCALE_SHOWN, [this] { OnScaleShown(); });
    OnClicked(IDC_INTERVAL_UP, [this] { OnIntervalUp(); });
    OnClicked(IDC_INTERVAL_DOWN, [this] { OnIntervalDown(); });
}

bool CDlgTrackFiles::OnInitDialog()
{
    vd::Dialog::OnInitDialog();
    Initialise();
    return true;
}

void CDlgTrackFiles::OnOK() { EndDialog(vd::IDOK); }

void CDlgTrackFiles::OnCancel()
{
    m_nTrack = -1;
    EndDialog(-1);
}

std::string CDlgTrackFiles::RegisteredFile(int number) const { return TrackList().value(number + 1); }

void CDlgTrackFiles::Initialise()
{
    const std::vector<std::string> files = TrackList().values();
    int currentPosition = -1;
    if (auto* combo = item<vd::ComboBox>(IDC_FILE_COMBO)) {
        combo->ResetContent();
        for (const std::string& file : files) {
            if (file == m_strTrackFile && currentPosition < 0)
                currentPosition = combo->GetCount();
            combo->AddString(file);
        }
        if (currentPosition >= 0)
            combo->SetCurSel(currentPosition);
    }
    m_nRegistered = int(files.size());
    if (m_nRegistered >= 1)
        SetDlgItemText(IDC_FILE_COUNT, vd::format("登録数=%d", m_nRegistered));

    if (m_bShowTracks == 0)
        m_bShowTracks = 1;
    CheckDlgButton(IDC_SHOW_TRACKS, 1);
    if (m_strTrackFile.empty()) {
        m_nTrack = 0;
        m_strTrackFile = RegisteredFile(0);
        Describe(0);
    }
    if (m_strStartMap == "START")
        CheckRadioButton(IDC_START_MAP, IDC_MAP_SHOWN, IDC_START_MAP);
    else if (m_strStartMap == "NOW")
        CheckRadioButton(IDC_START_MAP, IDC_MAP_SHOWN, IDC_MAP_SHOWN);

    auto* list = item<vd::ListBox>(IDC_CHOSEN_LIST);
    if (list)
        list->ResetContent();
    int walked = 0;
    for (; walked < kChosenTracks && m_anSelected[std::size_t(walked)] != -1; ++walked) {
        const int number = m_anSelected[std::size_t(walked)];
        if (number == kRemovedEntry)
            continue;
        m_strTrackFile = RegisteredFile(number);
        Describe(number);
        if (list)
            list->AddString(m_strTitle.empty() ? "トラック" + std::to_string(walked + 1) : m_strTitle);
    }
    m_nSelectedLast = walked - 1;
    if (m_nSelectedPos > 0 && list)
        list->SetCurSel(m_nSelectedPos - 1);
    SetDlgItemText(IDC_CHOSEN_COUNT, vd::format("    %d", walked));
    // The current file is not always registered; its track number numbers it then.
    if (!m_strTrackFile.empty())
        Describe(currentPosition >= 0 ? currentPosition : m_nTrack);

    if (m_bScaleShown == 1) {
        CheckDlgButton(IDC_SCALE_SHOWN, 1);
        SetDlgItemText(IDC_INTERVAL, IntervalText(m_nScaleKm));
    }
}

void CDlgTrackFiles::Describe(int number)
{
    m_strFormat.clear();
    m_strKind.clear();
    m_strTitle.clear();
    m_strDatum.clear();
    const auto description = DescribeTrack(m_strTrackFile, number);
    if (!description)
        return; // a file that is gone keeps the texts shown
    m_strKind = description->kind;
    m_strFormat = description->format;
    m_strTitle = description->title;
    m_strDatum = description->datum;
    m_strStartPoint = description->startPoint;
    SetDlgItemText(IDC_TITLE, m_strTitle);
    SetDlgItemText(IDC_DATUM, m_strDatum);
    SetDlgItemText(IDC_DATE, description->date);
    SetDlgItemText(IDC_START_POINT, m_strStartPoint);
    SetDlgItemText(IDC_FORMAT, m_strFormat);
    SetDlgItemText(IDC_FILE_COUNT, vd::format("  No=%d/%d", number + 1, m_nRegistered));
}

void CDlgTrackFiles::ShowFileInCombo()
{
    if (auto* combo = item<vd::ComboBox>(IDC_FILE_COMBO))
        combo->SetWindowText(m_strTrackFile);
}

void CDlgTrackFiles::OnComboChange()
{
    auto* combo = item<vd::ComboBox>(IDC_FILE_COMBO);
    if (!combo || combo->GetCurSel() < 0)
        return;
    const int number = combo->GetCurSel();
    m_strTrackFile = RegisteredFile(number);
    m_nTrack = number;
    Describe(number);
}

void CDlgTrackFiles::OnRegister()
{
    CDlgInfoFileList files(this);
    files.m_strMode = "GPS";
    files.m_strFile = m_strTrackFile;
    const int answer = files.DoModal();
    if (files.m_nRemovedKey > 0) {
        // The later keys moved down: the chosen numbers follow them, the removed one goes.
        DropRemovedTrack(files.m_nRemovedKey - 1);
        Initialise();
        ShowFileInCombo();
    }
    if (answer != vd::IDOK)
        return;
    m_strTrackFile = files.m_strFile;
    ShowFileInCombo();
    Initialise();
    ShowFileInCombo();
    for (int number = 1; number <= kNumberedListSize; ++number) {
        const std::string file = TrackList().value(number);
        if (file.empty())
            return;
        if (file == m_strTrackFile) {
            m_nTrack = number - 1;
            Describe(m_nTrack);
            return;
        }
    }
}

void CDlgTrackFiles::DropRemovedTrack(int removed)
{
    m_anRemovedTracks.push_back(removed);
    std::array<int, kChosenTracks> kept;
    kept.fill(-1);
    std::size_t count = 0;
    for (std::size_t position = 0; position < m_anSelected.size() && m_anSelected[position] != -1; ++position) {
        const int number = m_anSelected[position];
        if (number == removed) {
            m_anDroppedPositions.push_back(int(position - (m_anDroppedPositions.size())));
            continue;
        }
        kept[count++] = number != kRemovedEntry && number > removed ? number - 1 : number;
    }
    m_anSelected = kept;
    if (m_nSelectedPos > int(count))
        m_nSelectedPos = 0;
    if (m_nTrack == removed) {
        m_nTrack = -1;
        m_strTrackFile.clear();
    } else if (m_nTrack > removed) {
        --m_nTrack;
    }
}

void CDlgTrackFiles::OnShowTracks()
{
    m_bShowTracks = m_bShowTracks == 1 ? 0 : 1;
    if (m_bShowTracks == 1 && m_strTrackFile.empty()) {
        m_strTrackFile = RegisteredFile(0);
        m_nTrack = 0;
        Describe(0);
    }
    ShowFileInCombo();
}

void CDlgTrackFiles::OnChosenChange()
{
    auto* list = item<vd::ListBox>(IDC_CHOSEN_LIST);
    if (!list || list->GetCurSel() < 0 || list->GetCurSel() >= kChosenTracks)
        return;
    const int position = list->GetCurSel();
    const int number = m_anSelected[std::size_t(position)];
    m_strTrackFile = RegisteredFile(number);
    ShowFileInCombo();
    m_nSelectedPos = position + 1;
    Describe(number);
    SetDlgItemText(IDC_CHOSEN_COUNT, vd::format(" %d/%d", position + 1, m_nSelectedLast + 1));
    SetDlgItemText(IDC_CHOSEN_NUMBER, vd::format("(No.%d)", number + 1));
}

void CDlgTrackFiles::OnChosenDoubleClick()
{
    auto* list = item<vd::ListBox>(IDC_CHOSEN_LIST);
    if (!list || list->GetCurSel() < 0 || list->GetCurSel() >= kChosenTracks)
        return;
    const int position = list->GetCurSel();
    m_nSelectedPos = position + 1;
    m_nTrack = m_anSelected[std::size_t(position)];
    m_strRequest = "PROFILE";
    EndDialog(vd::IDOK);
}

void CDlgTrackFiles::OnClearAll()
{
    m_anSelected.fill(-1);
    m_nTrack = -1;
    if (auto* list = item<vd::ListBox>(IDC_CHOSEN_LIST))
        list->ResetContent();
    EndDialog(vd::IDOK);
}

void CDlgTrackFiles::OnScaleShown()
{
    m_bScaleShown = m_bScaleShown == 1 ? 0 : 1;
    if (m_bScaleShown == 1)
        SetDlgItemText(IDC_INTERVAL, IntervalText(m_nScaleKm));
}

void CDlgTrackFiles::OnIntervalUp()
{
    m_nScaleKm += m_nScaleKm < 10 ? 1 : 5;
    SetDlgItemText(IDC_INTERVAL, " " + IntervalText(m_nScaleKm));
}

void CDlgTrackFiles::OnIntervalDown()
{
    m_nScaleKm = m_nScaleKm > 10 ? std::max(m_nScaleKm - 5, 10) : std::max(m_nScaleKm - 1, 1);
    SetDlgItemText(IDC_INTERVAL, IntervalText(m_nScaleKm));
}
