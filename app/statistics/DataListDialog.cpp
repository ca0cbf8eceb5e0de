#include "app/statistics/DataListDialog.h"

#include "platform/text/Format.h"
#include "platform/text/Numbers.h"
#include "platform/ui/TemplateRegistry.h"

#include <algorithm>

namespace {

using namespace vd::ui;

using namespace datalistids;

DialogTemplate DataListTemplate()
{
    DialogTemplate t;
    t.id = CDlgDistanceList::IDD;
    t.caption = "都道府県別データ";
    t.controls = {
        listBox(IDC_LIST, {}, vd::LBS_NOTIFY | vd::WS_VSCROLL),
        // Laid out with its longest note, so that no note set later breaks over two lines.
        ltext(IDC_NOTE, "県別で表示｡[]内は計算値"),
        pushButton(IDC_SORT, ""),
        defPushButton(vd::IDOK, "OK"),
    };
    return t;
}

const TemplateRegistration registration(kProgramModule, {DataListTemplate()});

// The button's caption and the note of each sort state, without and with a display method.
struct SortTexts {
    const char* button;
    const char* note;
    const char* noteWithMethod;
};
const SortTexts kSortTexts[] = {
    {"降順", "都道府県別で表示", "県別で表示｡[]内は計算値"},
    {"昇順", "降順で表示", "降順で表示｡[]内は計算値"},
    {"県別", "昇順で表示", "昇順で表示｡[]内は計算値"},
};

// The number after the first blank of a prefecture line; none for a line without one.
std::optional<double> LineValue(const std::string& line)
{
    const auto blank = line.find(' ');
    if (line.empty() || blank == std::string::npos)
        return std::nullopt;
    return vd::parseDouble(std::string_view(line).substr(blank + 1));
}

} // namespace

CDlgDistanceList::CDlgDistanceList() : vd::Dialog(IDD)
{
    OnClicked(IDC_SORT, [this] { OnSortButton(); });
}

bool CDlgDistanceList::OnInitDialog()
{
    vd::Dialog::OnInitDialog();
    FillList();
    return true;
}

void CDlgDistanceList::ComputeBrackets()
{
    const PrefectureValues divisors = ReadPrefectureDivisors(m_strAppDir, m_nMethod);
    double largestDivisor = -99999;
    for (const auto& divisor : divisors)
        if (divisor && *divisor > largestDivisor)
            largestDivisor = *divisor;
    const BracketBasis basis{m_nMethod, m_fSum, m_fMax, m_fMean, largestDivisor};

    std::array<std::optional<double>, kRankedPrefectures> shown;
    for (int k = 0; k < kRankedPrefectures; ++k)
        if (const auto value = LineValue(m_astrText[2 + k]))
            shown[k] = BracketValue(basis, *value, divisors[k]);
    // The format follows the smallest value: the last rank that has one.
    const char* format = nullptr;
    for (int rank = kRankedPrefectures - 1; rank >= 0 && !format; --rank) {
        const int k = m_anByRank[rank];
        if (k >= 0 && k < kRankedPrefectures && shown[k])
            format = BracketFormat(*shown[k]);
    }
    if (!format)
        return;
    for (int k = 0; k < kRankedPrefectures; ++k)
        if (shown[k])
            m_astrText[2 + k] += vd::format(format, *shown[k]);
}

void CDlgDistanceList::FillList()
{
    auto* list = item<vd::ListBox>(IDC_LIST);
    if (!list)
        return;
    list->ResetContent();
    SetWindowText("都道府県別データ");
    if (m_bRanked && m_bBracketsPending) {
        ComputeBrackets();
        m_bBracketsPending = false;
    }
    if (m_nSortState == 0 || !m_bRanked) {
        for (const std::string& text : m_astrText)
            list->AddString(text);
    } else {
        list->AddString(m_astrText[0]);
        list->AddString(m_astrText[1]);
        for (int k = 1; k <= kRankedPrefectures; ++k) {
            const int rank = m_nSortState == 1 ? k - 1 : kRankedPrefectures - k;
            const int index = std::clamp(m_anByRank[rank], 0, kRankedPrefectures - 1);
            list->AddString(vd::format("%2d ", k) + m_astrText[2 + index]);
        }
    }
    if (m_bRanked) {
        const SortTexts& texts = kSortTexts[m_nSortState];
        SetDlgItemText(IDC_SORT, texts.button);
        SetDlgItemText(IDC_NOTE, m_nMethod != 0 ? texts.noteWithMethod : texts.note);
    } else {
        SetDlgItemText(IDC_SORT, "");
        SetDlgItemText(IDC_NOTE, "");
    }
}

void CDlgDistanceList::OnSortButton()
{
    if (!m_bRanked)
        return;
    m_nSortState = (m_nSortState + 1) % 3;
    FillList();
}
