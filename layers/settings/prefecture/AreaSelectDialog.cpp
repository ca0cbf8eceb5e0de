#include "layers/settings/prefecture/AreaSelectDialog.h"

#include "platform/ui/Controls.h"

#include <iterator>

namespace {

using vd::ui::DialogUnits;

using namespace areaselectids;

struct PrefectureButton {
    const char* label;
    int x;
    int y;
    int cx = 23;
    int cy = 12;
};

// Prefecture n (national code order) at index n - 1.
constexpr PrefectureButton kPrefectureButtons[] = {
    {"北海道", 243, 2, 30}, {"青森", 243, 18},  {"岩手", 255, 32},  {"宮城", 255, 46},
    {"秋田", 229, 32},      {"山形", 229, 46},  {"福島", 255, 60},  {"茨城", 268, 74},
    {"栃木", 243, 74},      {"群馬", 218, 74},  {"埼玉", 243, 88},  {"千葉", 268, 88},
    {"東京", 262, 102},     {"神奈川", 232, 102, 28}, {"新潟", 229, 60}, {"富山", 183, 74},
    {"石川", 158, 74},      {"福井", 143, 88},  {"山梨", 218, 88},  {"長野", 193, 88},
    {"岐阜", 168, 88},      {"静岡", 207, 102}, {"愛知", 182, 102}, {"三重", 182, 116},
    {"滋賀", 157, 102},     {"京都", 132, 102}, {"大阪", 132, 116}, {"兵庫", 107, 107},
    {"奈良", 157, 116},     {"和歌山", 155, 130, 28}, {"鳥取", 82, 98}, {"島根", 57, 98},
    {"岡山", 82, 112},      {"広島", 57, 112},  {"山口", 32, 112},  {"徳島", 102, 144},
    {"香川", 102, 130},     {"愛媛", 77, 130},  {"高知", 77, 144},  {"福岡", 35, 133},
    {"佐賀", 10, 133},      {"長崎", 3, 119},   {"熊本", 19, 147},  {"大分", 44, 147},
    {"宮崎", 44, 161},      {"鹿児島", 14, 161, 28}, {"沖縄", 3, 175},
};
static_assert(std::size(kPrefectureButtons) == kPrefectureFlagCount - 1);

// Push-like radio buttons, each a group of its own: only UpdateAreaButtons sets their states.
constexpr std::uint32_t kAreaButtonStyle = vd::BS_AUTORADIOBUTTON | vd::BS_PUSHLIKE | vd::WS_GROUP;

} // namespace

vd::ui::DialogTemplate AreaSelectTemplate()
{
    vd::ui::DialogTemplate t;
    t.id = CDlgAreaSelect::IDD;
    t.caption = "  地域選択（国土数値情報データを表示する都道府県）";
    t.fontPoints = 11;
    t.place = DialogUnits{0, 0, 294, 189};
    t.style |= vd::DS_CENTERMOUSE;
    t.controls = {
        vd::ui::defPushButton(vd::IDOK, "OK", DialogUnits{261, 171, 30, 16}),
        vd::ui::pushButton(vd::IDCANCEL, "ｷｬﾝｾﾙ", DialogUnits{262, 155, 28, 14}),
        vd::ui::radioButton(IDC_WHOLE_COUNTRY, "すべての都道府県", DialogUnits{8, 6, 82, 15}, kAreaButtonStyle),
    };
    int id = IDC_WHOLE_COUNTRY + 1;
    for (const PrefectureButton& b : kPrefectureButtons)
        t.controls.push_back(vd::ui::radioButton(id++, b.label, DialogUnits{b.x, b.y, b.cx, b.cy}, kAreaButtonStyle));
    t.controls.push_back(vd::ui::ltext(IDC_NOTICE, "国土数値情報のうち全国版でダウンロードしたデータの一部は地域選択できません！",
                                       DialogUnits{84, 168, 160, 18}, vd::SS_SUNKEN));
    t.controls.push_back(vd::ui::ltext(IDC_HINT, "(複数選択可)", DialogUnits{192, 153, 47, 8}));
    return t;
}

CDlgAreaSelect::CDlgAreaSelect(int templateId) : vd::Dialog(templateId)
{
    OnControlRange(vd::BN_CLICKED, IDC_WHOLE_COUNTRY, IDC_LAST_PREFECTURE,
                   [this](int id) { OnAreaButton(id - IDC_WHOLE_COUNTRY); });
}

bool CDlgAreaSelect::OnInitDialog()
{
    vd::Dialog::OnInitDialog();
    if (m_nSelectMode == 1) {
        SetDlgItemText(IDC_HINT, "");
        SetDlgItemText(IDC_NOTICE, "いずれかの都道府県か日本列島を\n選んでください！");
        SetDlgItemText(IDC_WHOLE_COUNTRY, "日本列島");
        SetWindowText(" 都道府県別地図");
    }
    UpdateAreaButtons();
    return true;
}

void CDlgAreaSelect::OnAreaButton(int k)
{
    if (k < 0 || k >= kPrefectureFlagCount)
        return;
    m_nAreaFlag[0] = 0;
    if (m_nSelectMode == 1)
        for (int n = 1; n < kPrefectureFlagCount; ++n)
            m_nAreaFlag[n] = 0;
    m_nAreaFlag[k] = m_nAreaFlag[k] == 0 ? 1 : 0;
    // Summed wide: a caller's extreme field values must not overflow.
    long long selected = 0;
    for (int n = 1; n < kPrefectureFlagCount; ++n)
        selected += m_nAreaFlag[n];
    if (selected == 0)
        m_nAreaFlag[0] = 1;
    UpdateAreaButtons();
}

void CDlgAreaSelect::UpdateAreaButtons()
{
    auto* whole = item<vd::Button>(IDC_WHOLE_COUNTRY);
    if (m_nAreaFlag[0] == 1) {
        ClearPrefectureButtons();
        if (whole)
            whole->SetCheck(1);
        for (int n = 1; n < kPrefectureFlagCount; ++n)
            m_nAreaFlag[n] = 0;
        return;
    }
    if (whole)
        whole->SetCheck(0);
    for (int n = 1; n < kPrefectureFlagCount; ++n)
        if (auto* button = item<vd::Button>(IDC_WHOLE_COUNTRY + n))
            button->SetCheck(m_nAreaFlag[n] == 1 ? 1 : 0);
}

void CDlgAreaSelect::ClearPrefectureButtons()
{
    for (int id = IDC_WHOLE_COUNTRY + 1; id <= IDC_LAST_PREFECTURE; ++id)
        if (auto* button = item<vd::Button>(id))
            button->SetCheck(0);
}
