#include "app/routes/SelectTextPictureDialog.h"

#include "basemap/projection/RegionBounds.h"
#include "platform/text/Format.h"
#include "platform/text/StringOps.h"
#include "platform/ui/Controls.h"
#include "platform/ui/TemplateRegistry.h"

#include <string_view>

namespace {

using namespace vd::ui;
using namespace selecttextpictureids;

constexpr const char* kShownMap = "表示地図";

DialogTemplate SelectTextPictureTemplate()
{
    DialogTemplate t;
    t.id = CDlgSelectTextPicture::IDD;
    t.caption = "  　　　　　    テキストの選択";
    t.controls = {
        ltext(vd::IDC_STATIC, "緯度"),
        edit(IDC_LATITUDE, {}, vd::ES_READONLY),
        ltext(vd::IDC_STATIC, "経度"),
        edit(IDC_LONGITUDE, {}, vd::ES_READONLY),
        comboBox(IDC_LIST, {}, vd::CBS_SIMPLE | vd::WS_VSCROLL | vd::WS_TABSTOP),
        ltext(IDC_COUNT, ""),
        groupBox(vd::IDC_STATIC, "地域"),
        edit(IDC_REGION, {}, vd::ES_READONLY),
    };
    const auto table = RegionBoundsTable();
    for (std::size_t i = 0; i < table.size(); ++i)
        t.controls.push_back(pushButton(kRegionButtons[i], table[i].name));
    t.controls.push_back(pushButton(IDC_SHOWN_MAP, kShownMap));
    t.controls.push_back(groupBox(vd::IDC_STATIC, "区域"));
    for (int id : kDivisionButtons)
        t.controls.push_back(pushButton(id, ""));
    t.controls.push_back(pushButton(IDC_DIVISION_SETTINGS, "区分設定"));
    t.controls.push_back(ltext(vd::IDC_STATIC, "ﾃｷｽﾄ"));
    t.controls.push_back(edit(IDC_TEXT_FILE, {}, vd::ES_READONLY));
    t.controls.push_back(ltext(vd::IDC_STATIC, "画像"));
    t.controls.push_back(edit(IDC_PICTURE_FILE, {}, vd::ES_READONLY));
    t.controls.push_back(defPushButton(vd::IDOK, "OK"));
    t.controls.push_back(pushButton(vd::IDCANCEL, "ｷｬﾝｾﾙ"));
    return t;
}

const TemplateRegistration registration(kProgramModule, {SelectTextPictureTemplate()});

bool IsPicture(std::string_view file)
{
    const std::string lower = vd::toLowerAscii(file);
    for (const char* extension : {".bmp", ".jpg", ".gif", ".pcd", ".pic"})
        if (lower.find(extension) != std::string::npos)
            return true;
    return false;
}

// The text up to the next "$" (all of it without one), and the rest after it.
std::string_view NextPart(std::string_view& rest)
{
    const std::size_t dollar = rest.find('$');
    const std::string_view part = rest.substr(0, dollar);
    rest = dollar == std::string_view::npos ? std::string_view() : rest.substr(dollar + 1);
    return part;
}

} // namespace

CDlgSelectTextPicture::CDlgSelectTextPicture() : vd::Dialog(IDD)
{
    OnControl(vd::CBN_SELCHANGE, IDC_LIST, [this] { OnSelchange(); });
    OnControl(vd::CBN_DBLCLK, IDC_LIST, [this] { OnDoubleClick(); });
    const auto table = RegionBoundsTable();
    for (std::size_t i = 0; i < table.size(); ++i)
        OnClicked(kRegionButtons[i], [this, name = std::string(table[i].name)] { SetRegion(name); });
    OnClicked(IDC_SHOWN_MAP, [this] { SetRegion(kShownMap); });
    for (int k = 0; k < 6; ++k)
        OnClicked(kDivisionButtons[k], [this, k] { SetRegion(m_divisions.name[std::size_t(k)]); });
    OnClicked(IDC_DIVISION_SETTINGS, [this] { OnDivisionSettings(); });
}

bool CDlgSelectTextPicture::OnInitDialog()
{
    vd::Dialog::OnInitDialog();
    FillList();
    return true;
}

void CDlgSelectTextPicture::SetRegion(const std::string& region)
{
    m_strRegion = region;
    FillList();
}

void CDlgSelectTextPicture::ShowDivisionNames()
{
    for (int k = 0; k < 6; ++k)
        SetDlgItemText(kDivisionButtons[k], m_divisions.name[std::size_t(k)]);
}

// Also run again after every region button.
void CDlgSelectTextPicture::FillList()
{
    if (m_strMode == "TEXT")
        SetWindowText("  　　　　　    テキストの選択");
    else if (m_strMode == "BMP")
        SetWindowText("  　　　　　    画像の選択");
    ShowDivisionNames();

    RegionBounds bounds{m_strNorth, m_strSouth, m_strWest, m_strEast};
    if (ApplyRegionBounds(m_strRegion, bounds) && m_strRegion == "九州沖縄")
        bounds.east = "131.5900"; // this dialog's Kyushu reaches a little further east
    for (int k = 0; k < 6; ++k)
        if (!m_divisions.name[std::size_t(k)].empty() && m_strRegion == m_divisions.name[std::size_t(k)])
            bounds = {m_divisions.neLatitude[std::size_t(k)], m_divisions.swLatitude[std::size_t(k)],
                      m_divisions.swLongitude[std::size_t(k)], m_divisions.neLongitude[std::size_t(k)]};
    if (m_strRegion == kShownMap)
        bounds = {m_strFrameNorth, m_strFrameSouth, m_strFrameWest, m_strFrameEast};
    m_strNorth = bounds.north;
    m_strSouth = bounds.south;
    m_strWest = bounds.west;
    m_strEast = bounds.east;

    SetDlgItemText(IDC_REGION, m_strRegion);
    auto* combo = item<vd::ComboBox>(IDC_LIST);
    combo->ResetContent();
    int count = 0;
    for (int i = 0; i < kRecords; ++i) {
        const std::string& record = m_astrRecord[std::size_t(i)];
        if (record.empty() || !WithinRegionBounds(bounds, m_astrLatitude[std::size_t(i)], m_astrLongitude[std::size_t(i)]))
            continue;
        combo->AddString(record.substr(0, record.find('@')));
        m_anListIndex[std::size_t(count++)] = std::int16_t(i);
    }
    SetDlgItemText(IDC_COUNT, vd::format("登録数=%d", count));
    if (m_strSelected.empty())
        return;
    const int found = combo->FindString(-1, m_strSelected);
    if (found < 0)
        return;
    combo->SetCurSel(found);
    ParseEntry(found, true);
}

void CDlgSelectTextPicture::ParseEntry(int listPosition, bool show)
{
    if (listPosition < 0 || listPosition >= item<vd::ComboBox>(IDC_LIST)->GetCount())
        return;
    m_nSelectedRecord = m_anListIndex[std::size_t(listPosition)];
    const std::string& record = m_astrRecord[std::size_t(m_nSelectedRecord)];
    const std::size_t at = record.find('@');
    const std::string_view head = std::string_view(record).substr(0, at);
    const std::size_t slash = head.find('/');
    m_strName = std::string(head.substr(0, slash));
    m_strItem = slash == std::string_view::npos ? std::string() : std::string(head.substr(slash + 1));
    std::string_view rest = at == std::string::npos ? std::string_view() : std::string_view(record).substr(at + 1);
    m_strFile1 = std::string(NextPart(rest));
    const std::string latitude(NextPart(rest));
    const std::string longitude(NextPart(rest));
    m_strFile2 = std::string(rest);
    if (!show)
        return;
    SetDlgItemText(IDC_LATITUDE, latitude);
    SetDlgItemText(IDC_LONGITUDE, longitude);
    const bool picture = IsPicture(m_strFile1);
    SetDlgItemText(IDC_TEXT_FILE, picture ? m_strFile2 : m_strFile1);
    SetDlgItemText(IDC_PICTURE_FILE, picture ? m_strFile1 : m_strFile2);
}

void CDlgSelectTextPicture::OnSelchange()
{
    auto* combo = item<vd::ComboBox>(IDC_LIST);
    const int position = combo->GetCurSel();
    ParseEntry(position, true);
    if (position >= 0)
        m_strSelected = combo->GetLBText(position);
}

void CDlgSelectTextPicture::OnDoubleClick()
{
    auto* combo = item<vd::ComboBox>(IDC_LIST);
    const int position = combo->GetCurSel();
    if (position < 0)
        return;
    ParseEntry(position, false);
    m_strSelected = combo->GetLBText(position);
    EndDialog(vd::IDOK);
}

void CDlgSelectTextPicture::OnDivisionSettings()
{
    if (!EditRegionDivisions(m_divisions))
        return;
    ShowDivisionNames();
    m_bDivisionsChanged = 1;
}
