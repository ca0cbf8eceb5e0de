#include "geology/settings/GeoSettingsDialog.h"

#include "geology/settings/GeoSettingsTemplates.h"
#include "layers/settings/files/DataFileChoice.h"
#include "platform/ui/DataExchange.h"

#include <array>

using namespace geoids;

namespace {

constexpr int kTabs = 4;
constexpr int kValleyTab = 3;
// A data set's code: the first eight bytes of the chosen file's name.
constexpr int kDataSetCodeBytes = 8;

const std::array<const char*, kTabs> kTabTexts = {"表層地質", " 土壌", "地形分類", " 谷密度"};
const std::array<const char*, kTabs> kModeCaptions = {"岩石の区分の表示方法", "土壌統計群の表示方法",
                                                      "主分類の表示方法", "谷密度の表示方法"};

bool IsTab(int tab) { return tab >= 0 && tab < kTabs; }

} // namespace

GeoSettingsDialog::GeoSettingsDialog(int templateId, GeoRockPage& rock, GeoClassPage& soil, GeoClassPage& terrain,
                                     GeoValleyPage& valley)
    : vd::Dialog(templateId), rock_(rock), soil_(soil), terrain_(terrain), valley_(valley)
{
    OnNotify(vd::TCN_SELCHANGING, kTabControl, [this](vd::Notify& n) { OnTabChanging(n); });
    OnNotify(vd::TCN_SELCHANGE, kTabControl, [this](vd::Notify& n) { OnTabChanged(n); });
    OnClicked(kLayerSwitch, [this] {
        ToggleLayerSwitch();
        ShowLayerSwitch();
    });
    OnClicked(kMeshMapRadio, [this] { m_nDisplayMode = 0; });
    OnClicked(kAttributeRadio, [this] { m_nDisplayMode = 1; });
    OnClicked(kFileButton, [this] { ChooseData(); });
}

void GeoSettingsDialog::DoDataExchange(vd::DataExchange& dx) { vd::DDX_Control(dx, kTabControl, m_tab); }

vd::Dialog& GeoSettingsDialog::page(int tab)
{
    switch (tab) {
    case 0:
        return rock_;
    case 1:
        return soil_;
    case 2:
        return terrain_;
    default:
        return valley_;
    }
}

bool GeoSettingsDialog::OnInitDialog()
{
    vd::Dialog::OnInitDialog();
    if (!IsTab(m_nCurrentTab))
        m_nCurrentTab = 0; // a remembered tab the dialog does not have opens the first
    for (int tab = 0; tab < kTabs; ++tab)
        m_tab.InsertItem(tab, kTabTexts[tab]);
    ShowCaptions(m_nCurrentTab);
    ShowLayerSwitch();
    CheckDlgButton(m_nDisplayMode == 0 ? kMeshMapRadio : kAttributeRadio, 1);
    // The pages hold the selections from the start, so that OK answers them even before the
    // pages were built.
    valley_.Load(m_strValley);
    terrain_.Load(m_strTerrain);
    soil_.Load(m_strSoil);
    rock_.Load(m_strRock, m_strEra);
    return true;
}

void GeoSettingsDialog::OnShowWindow(bool show)
{
    if (show && !pagesBuilt_) {
        pagesBuilt_ = true;
        for (const int tab : {3, 2, 1, 0}) {
            vd::Dialog& p = page(tab);
            p.Create(this);
            p.ShowWindow(tab == m_nCurrentTab ? vd::SW_SHOW : vd::SW_HIDE);
        }
    }
    m_tab.SetCurSel(m_nCurrentTab);
}

void GeoSettingsDialog::OnTabChanging(vd::Notify& notify)
{
    const int leaving = m_tab.GetCurSel();
    if (IsTab(leaving) && pagesBuilt_)
        page(leaving).ShowWindow(vd::SW_HIDE);
    notify.result = 0;
}

void GeoSettingsDialog::OnTabChanged(vd::Notify& notify)
{
    const int chosen = m_tab.GetCurSel();
    if (IsTab(chosen)) {
        m_nCurrentTab = chosen;
        if (pagesBuilt_)
            page(chosen).ShowWindow(vd::SW_SHOW);
        ShowCaptions(chosen);
    }
    notify.result = 0;
}

void GeoSettingsDialog::ShowCaptions(int tab) { SetDlgItemText(kModeCaption, kModeCaptions[tab]); }

void GeoSettingsDialog::ShowLayerSwitch() { CheckDlgButton(kLayerSwitch, m_nLayerSwitch == 1 ? 1 : 0); }

void GeoSettingsDialog::OnOK()
{
    m_strValley = valley_.Collected();
    m_strTerrain = terrain_.Collected();
    m_strSoil = soil_.Collected();
    m_strRock = rock_.CollectedRock();
    m_strEra = rock_.CollectedEra();
    vd::Dialog::OnOK();
}

// ---- Natural-terrain data set

CDlgGeoSet::CDlgGeoSet() : GeoSettingsDialog(kGeoSetDialog, m_pageRock, m_pageSoil, m_pageTerrain, m_pageValley) {}

bool CDlgGeoSet::OnInitDialog()
{
    GeoSettingsDialog::OnInitDialog();
    if (!m_strDataSet.empty())
        SetDlgItemText(kDataText, m_strDataSet);
    return true;
}

void CDlgGeoSet::ShowCaptions(int tab)
{
    static const std::array<const char*, kTabs> themes = {"表層地質", "  土壌", "地形分類", " 谷密度"};
    GeoSettingsDialog::ShowCaptions(tab);
    SetDlgItemText(kThemeCaption, themes[tab]);
}

void CDlgGeoSet::ToggleLayerSwitch() { m_nLayerSwitch = m_nLayerSwitch == 0 ? 1 : 0; }

void CDlgGeoSet::ChooseData()
{
    const auto choice = ChooseDataFolder();
    if (!choice)
        return;
    m_strDataSet = DataFolderText(*choice, kDataSetCodeBytes);
    SetDlgItemText(kDataText, m_strDataSet);
}

// ---- Land-classification and valley-density files

CDlgNtrSet::CDlgNtrSet() : GeoSettingsDialog(kNtrSetDialog, m_pageRock, m_pageSoil, m_pageTerrain, m_pageValley) {}

void CDlgNtrSet::ShowCaptions(int tab)
{
    static const std::array<const char*, kTabs> themes = {"表層地質", "　土壌", "地形分類", " 谷密度"};
    GeoSettingsDialog::ShowCaptions(tab);
    SetDlgItemText(kThemeCaption, themes[tab]);
    const bool valley = tab == kValleyTab;
    SetDlgItemText(kDataHeading, valley ? "谷密度ﾒｯｼｭ" : "土地分類ﾒｯｼｭ");
    SetDlgItemText(kDataText, valley ? m_strValleyFile : m_strClassFile);
}

void CDlgNtrSet::ToggleLayerSwitch() { m_nLayerSwitch = m_nLayerSwitch == 1 ? 0 : 1; }

void CDlgNtrSet::ChooseData()
{
    const auto path = ChooseDataFile();
    if (!path)
        return;
    (m_nCurrentTab == kValleyTab ? m_strValleyFile : m_strClassFile) = *path;
    SetDlgItemText(kDataText, *path);
}
