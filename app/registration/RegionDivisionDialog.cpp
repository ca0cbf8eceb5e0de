#include "app/registration/RegionDivisionDialog.h"

#include "platform/text/Format.h"
#include "platform/ui/TemplateRegistry.h"

namespace {

using namespace vd::ui;
using namespace regiondivisionids;

DialogTemplate RegionDivisionTemplate()
{
    DialogTemplate t;
    t.id = CDlgRegionDivision::IDD;
    t.caption = "                 地域区分の登録";
    t.controls = {
        ltext(vd::IDC_STATIC, "最初に地域名を指定して、次にその地域の緯度・経度を指定してください。"),
    };
    for (int k = 0; k < 6; ++k) {
        t.controls.push_back(ltext(vd::IDC_STATIC, vd::format("(%d)", k + 1)));
        t.controls.push_back(edit(kNameEdits[k]));
    }
    const std::vector<ControlTemplate> rest = {
        ltext(vd::IDC_STATIC, "今フォーカスがある地域"),
        ltext(IDC_FOCUS_CAPTION, ""),
        ltext(IDC_FOCUS_NAME, ""),
        ltext(vd::IDC_STATIC, "南西隅"),
        ltext(vd::IDC_STATIC, "緯度"),
        edit(IDC_SW_LATITUDE),
        ltext(vd::IDC_STATIC, "経度"),
        edit(IDC_SW_LONGITUDE),
        ltext(vd::IDC_STATIC, "北東隅"),
        ltext(vd::IDC_STATIC, "緯度"),
        edit(IDC_NE_LATITUDE),
        ltext(vd::IDC_STATIC, "経度"),
        edit(IDC_NE_LONGITUDE),
        defPushButton(vd::IDOK, "登録"),
        pushButton(vd::IDCANCEL, "ｷｬﾝｾﾙ"),
    };
    t.controls.insert(t.controls.end(), rest.begin(), rest.end());
    return t;
}

const TemplateRegistration registration(kProgramModule, {RegionDivisionTemplate()});

} // namespace

CDlgRegionDivision::CDlgRegionDivision(vd::Window* parent) : vd::Dialog(IDD, parent)
{
    for (int k = 0; k < 6; ++k) {
        OnControl(vd::EN_SETFOCUS, kNameEdits[k], [this, k] { OnNameFocus(k); });
        OnControl(vd::EN_KILLFOCUS, kNameEdits[k], [this, k] { OnNameLeft(k); });
    }
    for (int id : {IDC_SW_LATITUDE, IDC_SW_LONGITUDE, IDC_NE_LATITUDE, IDC_NE_LONGITUDE})
        OnControl(vd::EN_KILLFOCUS, id, [this, id] { OnCornerLeft(id); });
}

bool CDlgRegionDivision::OnInitDialog()
{
    vd::Dialog::OnInitDialog();
    for (int k = 0; k < 6; ++k)
        SetDlgItemText(kNameEdits[k], m_divisions.name[std::size_t(k)]);
    return true;
}

void CDlgRegionDivision::OnNameFocus(int region)
{
    const std::size_t k = std::size_t(region);
    m_nFocusRegion = region;
    m_strFocusCaption = vd::format("地域(%d)", region + 1);
    SetDlgItemText(IDC_FOCUS_CAPTION, m_strFocusCaption);
    SetDlgItemText(kNameEdits[region], m_divisions.name[k]);
    SetDlgItemText(IDC_SW_LATITUDE, m_divisions.swLatitude[k]);
    SetDlgItemText(IDC_SW_LONGITUDE, m_divisions.swLongitude[k]);
    SetDlgItemText(IDC_NE_LATITUDE, m_divisions.neLatitude[k]);
    SetDlgItemText(IDC_NE_LONGITUDE, m_divisions.neLongitude[k]);
    SetDlgItemText(IDC_FOCUS_NAME, m_divisions.name[k]);
}

void CDlgRegionDivision::OnNameLeft(int region)
{
    m_nFocusRegion = region;
    m_divisions.name[std::size_t(region)] = GetDlgItemText(kNameEdits[region]);
}

void CDlgRegionDivision::OnCornerLeft(int id)
{
    const std::size_t k = std::size_t(m_nFocusRegion);
    const std::string text = GetDlgItemText(id);
    switch (id) {
    case IDC_SW_LATITUDE:
        m_divisions.swLatitude[k] = text;
        break;
    case IDC_SW_LONGITUDE:
        m_divisions.swLongitude[k] = text;
        break;
    case IDC_NE_LATITUDE:
        m_divisions.neLatitude[k] = text;
        break;
    default:
        m_divisions.neLongitude[k] = text;
        break;
    }
}

bool EditRegionDivisions(RegionDivisions& divisions)
{
    CDlgRegionDivision dialog;
    dialog.m_divisions = divisions;
    if (dialog.DoModal() != vd::IDOK)
        return false;
    divisions = dialog.m_divisions;
    return true;
}
