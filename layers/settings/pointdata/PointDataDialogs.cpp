#include "layers/settings/pointdata/PointDataDialogs.h"

#include "layers/settings/pointdata/PointTemplates.h"

namespace {

constexpr const char* kTabTexts[7] = {"施設", "水文", "沿岸域", "土地A", "土地B", "点Ａ", "点Ｂ"};

} // namespace

PointDataContainer::PointDataContainer(int templateId) : TabbedSettingsDialog(templateId, kPointTabControl)
{
    // 点Ｂ, 点Ａ, 沿岸域, 水文, 施設, 土地B, 土地A.
    SetCreationOrder({6, 5, 2, 1, 0, 4, 3});
}

void PointDataContainer::SetPages(std::array<PointPage*, 7> pages)
{
    pages_ = pages;
    for (int tab = 0; tab < 7; ++tab)
        AddPage(*pages_[tab], kTabTexts[tab]);
}

void PointDataContainer::LoadPage(int tab)
{
    pages_[tab]->LoadSlots(m_slots);
}

void PointDataContainer::CollectPage(int tab)
{
    pages_[tab]->CollectSlots(m_slots);
}

void PointDataContainer::OnOK()
{
    TabbedSettingsDialog::OnOK();
    ApplyPointOkRules(m_slots);
}

void PointDataContainer::UpdateRangeNote()
{
    std::string note;
    if (m_nCurrentTab == 5)
        note = "データの範囲:都道府県別";
    else if (m_nCurrentTab == 6)
        note = "データの範囲:全国";
    else if (m_bCallerMark == 0)
        note = "項目の名称は地図拡大時に表示！";
    SetDlgItemText(kPointNoteLine, note);
}

CDlgPointDataSet::CDlgPointDataSet() : PointDataContainer(IDD)
{
    SetPages({&m_facility, &m_hydrology, &m_coast, &m_landPriceA, &m_landPriceB, &m_byPrefecture, &m_nationwide});
}

CDlgWhitePointDataSet::CDlgWhitePointDataSet() : PointDataContainer(IDD)
{
    SetPages({&m_facility, &m_hydrology, &m_coast, &m_landPriceA, &m_landPriceB, &m_byPrefecture, &m_nationwide});
}
