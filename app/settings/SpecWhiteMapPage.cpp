#include "app/settings/SpecWhiteMapPage.h"

#include "platform/ui/TemplateRegistry.h"

namespace {

using namespace vd::ui;

using namespace specwhitemapids;

constexpr const char* kSubprefCaption = "北海道 支庁界";
constexpr const char* kCityNameZoomCaption = "市町村名を地図拡大時に表示";
constexpr const char* kCityNameEnclaveCaption = "飛び地の市区町村名も表示";

constexpr int kBlack = 10;
constexpr int kGrey = 11;

// The border colours in radio order.
constexpr const char* kBorderColours[] = {"ORNG", "BLUE", "RED"};

DialogTemplate SpecWhiteMapTemplate()
{
    const std::uint32_t box = vd::BS_CHECKBOX;
    DialogTemplate t;
    t.id = CDlgSpecWhiteMap::IDD;
    t.style = vd::WS_CHILD;
    t.controls = {
        checkBox(IDC_MAP_BOUNDARY, "地勢図の図郭", {}, box),
        checkBox(IDC_SCALE_BAR, "スケール", {}, box),
        checkBox(IDC_PREF_BORDER, "県界", {}, box | vd::WS_GROUP),
        checkBox(IDC_SUBPREF_BORDER, kSubprefCaption, {}, box),
        radioButton(IDC_ORANGE, "橙", {}, vd::BS_AUTORADIOBUTTON | vd::WS_GROUP),
        radioButton(IDC_BLUE, "青"),
        radioButton(IDC_RED, "赤"),
        checkBox(IDC_LAKE, "湖沼", {}, box | vd::WS_GROUP),
        checkBox(IDC_RESERVOIR, "貯水池", {}, box),
        checkBox(IDC_CITY_BORDER, "市区町村界", {}, box | vd::WS_GROUP),
        radioButton(IDC_BLACK, "黒", {}, vd::BS_AUTORADIOBUTTON | vd::WS_GROUP),
        radioButton(IDC_GREY, "灰"),
        checkBox(IDC_CITY_NAME_ZOOM, kCityNameZoomCaption, {}, box | vd::WS_GROUP),
        checkBox(IDC_CITY_NAME_ENCLAVE, kCityNameEnclaveCaption, {}, box | vd::WS_GROUP),
    };
    return t;
}

const TemplateRegistration registration(kProgramModule, {SpecWhiteMapTemplate()});

} // namespace

CDlgSpecWhiteMap::CDlgSpecWhiteMap() : vd::Dialog(IDD)
{
    auto toggle = [this](int id, int WhiteMapSpec::*member) {
        OnClicked(id, [this, id, member] {
            m_values.*member = ToggledFlag(m_values.*member);
            ShowCheck(id, m_values.*member);
        });
    };
    toggle(IDC_MAP_BOUNDARY, &WhiteMapSpec::m_nMapBoundary);
    toggle(IDC_SCALE_BAR, &WhiteMapSpec::m_nScaleBar);
    toggle(IDC_SUBPREF_BORDER, &WhiteMapSpec::m_nSubprefBorder);
    toggle(IDC_LAKE, &WhiteMapSpec::m_nLake);
    toggle(IDC_RESERVOIR, &WhiteMapSpec::m_nReservoir);
    toggle(IDC_CITY_NAME_ENCLAVE, &WhiteMapSpec::m_nCityNameEnclave);
    OnClicked(IDC_PREF_BORDER, [this] { OnPrefBorderClicked(); });
    OnControlRange(vd::BN_CLICKED, IDC_ORANGE, IDC_RED,
                   [this](int id) { m_values.m_strPrefBorderColour = kBorderColours[id - IDC_ORANGE]; });
    OnClicked(IDC_CITY_BORDER, [this] { OnCityBorderClicked(); });
    OnClicked(IDC_BLACK, [this] { m_values.m_nCityBorderColour = kBlack; });
    OnClicked(IDC_GREY, [this] { m_values.m_nCityBorderColour = kGrey; });
    OnClicked(IDC_CITY_NAME_ZOOM, [this] { OnCityNameZoomClicked(); });
}

bool CDlgSpecWhiteMap::OnInitDialog()
{
    vd::Dialog::OnInitDialog();
    if (m_values.m_nMapType == 2)
        SetDlgItemText(IDC_MAP_BOUNDARY, "緯線・経線");
    if (m_values.m_nMapFigure == 1)
        SetDlgItemText(IDC_RED, "白");
    if (m_values.m_strCityBorderDir.empty())
        m_values.m_nCityBorder = 0;

    ShowCheck(IDC_MAP_BOUNDARY, m_values.m_nMapBoundary);
    ShowCheck(IDC_SCALE_BAR, m_values.m_nScaleBar);
    ShowCheck(IDC_PREF_BORDER, m_values.m_nPrefBorder);
    ShowCheck(IDC_SUBPREF_BORDER, m_values.m_nSubprefBorder);
    EnableItem(IDC_SUBPREF_BORDER, m_values.m_nPrefBorder != 0);
    for (int i = 0; i < 3; ++i)
        if (m_values.m_strPrefBorderColour == kBorderColours[i])
            CheckRadioButton(IDC_ORANGE, IDC_RED, IDC_ORANGE + i);
    ShowCheck(IDC_LAKE, m_values.m_nLake);
    ShowCheck(IDC_RESERVOIR, m_values.m_nReservoir);
    ShowCheck(IDC_CITY_BORDER, m_values.m_nCityBorder);
    CheckRadioButton(IDC_BLACK, IDC_GREY, m_values.m_nCityBorderColour == kBlack ? IDC_BLACK : IDC_GREY);
    ShowCityNameBoxes();
    return true;
}

void CDlgSpecWhiteMap::ShowCheck(int id, int value)
{
    CheckDlgButton(id, value != 0 ? 1 : 0);
}

void CDlgSpecWhiteMap::OnPrefBorderClicked()
{
    m_values.m_nPrefBorder = ToggledFlag(m_values.m_nPrefBorder);
    ShowCheck(IDC_PREF_BORDER, m_values.m_nPrefBorder);
    if (m_values.m_nPrefBorder != 0)
        ShowCheck(IDC_SUBPREF_BORDER, m_values.m_nSubprefBorder == 1 ? 1 : 0);
    EnableItem(IDC_SUBPREF_BORDER, m_values.m_nPrefBorder != 0);
}

// A box that does not apply stays labelled and greys out (an empty caption left an unnamed box).
void CDlgSpecWhiteMap::EnableItem(int id, bool enabled)
{
    if (vd::Window* box = GetDlgItem(id))
        box->EnableWindow(enabled);
}

void CDlgSpecWhiteMap::OnCityBorderClicked()
{
    m_values.m_nCityBorder = m_values.m_strCityBorderDir.empty() ? 0 : ToggledFlag(m_values.m_nCityBorder);
    ShowCheck(IDC_CITY_BORDER, m_values.m_nCityBorder);
    ShowCityNameBoxes();
}

void CDlgSpecWhiteMap::OnCityNameZoomClicked()
{
    if (m_values.m_nCityBorder == 1)
        m_values.m_nCityNameZoom = ToggledFlag(m_values.m_nCityNameZoom);
    ShowCityNameBoxes();
}

void CDlgSpecWhiteMap::ShowCityNameBoxes()
{
    const bool on = m_values.m_nCityBorder == 1;
    EnableItem(IDC_CITY_NAME_ZOOM, on);
    EnableItem(IDC_CITY_NAME_ENCLAVE, on);
    ShowCheck(IDC_CITY_NAME_ZOOM, on ? m_values.m_nCityNameZoom : 0);
    ShowCheck(IDC_CITY_NAME_ENCLAVE, on ? m_values.m_nCityNameEnclave : 0);
}
