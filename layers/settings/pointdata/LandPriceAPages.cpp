#include "layers/settings/pointdata/LandPriceAPages.h"

#include "layers/settings/pointdata/LandPriceYears.h"
#include "layers/settings/pointdata/PointPageSpecs.h"
#include "platform/ui/Controls.h"

#include <algorithm>

CDlgPointLandPriceA::CDlgPointLandPriceA() : PointPage(LandPriceASpec(false))
{
    OnControl(vd::CBN_SELCHANGE, kLandPriceYearList, [this] { OnYearChange(); });
}

void CDlgPointLandPriceA::LoadSlots(const PointLayerSlots& slots)
{
    PointPage::LoadSlots(slots);
    m_nYear = slots.colour[kLandPriceYearSlot];
}

void CDlgPointLandPriceA::CollectSlots(PointLayerSlots& slots) const
{
    PointPage::CollectSlots(slots);
    slots.colour[kLandPriceYearSlot] = m_nYear;
}

bool CDlgPointLandPriceA::OnInitDialog()
{
    for (int r = 0; r < rowCount(); ++r)
        if (row(r).on != 1)
            row(r).on = 0;
    PointPage::OnInitDialog();
    // The rows checked already hold the year down from the start.
    m_nYearLimit = SmallestCheckedYear();
    ShowYear();
    return true;
}

// The latest year of each row is read from the folder the page holds (opened with, or chosen),
// so a folder chosen on the page counts as well.
int CDlgPointLandPriceA::SmallestCheckedYear() const
{
    int smallest = -1;
    for (int r = 0; r < rowCount(); ++r) {
        if (row(r).on != 1)
            continue;
        const int latest = LatestLandPriceYearIndex(row(r).text, true);
        if (latest >= 0 && (smallest < 0 || latest < smallest))
            smallest = latest;
    }
    return std::max(smallest, 0);
}

void CDlgPointLandPriceA::ShowYear()
{
    if (auto* list = item<vd::ComboBox>(kLandPriceYearList))
        list->SetCurSel(m_nYear);
}

void CDlgPointLandPriceA::OnRowOnBox(int r)
{
    RowValues& v = row(r);
    if (v.text.empty()) {
        v.on = 0;
    } else if (v.on == 1) {
        v.on = 0;
        m_nYearLimit = SmallestCheckedYear();
    } else {
        v.on = 1;
        UpdateYearLimit(r);
    }
    ShowRowOn(r);
}

void CDlgPointLandPriceA::UpdateYearLimit(int r)
{
    if (LatestLandPriceYearIndex(row(r).text, true) < 0)
        return;
    // The year follows the data: the latest year that every checked row holds.
    m_nYearLimit = SmallestCheckedYear();
    m_nYear = m_nYearLimit;
    ShowYear();
}

void CDlgPointLandPriceA::OnYearChange()
{
    if (auto* list = item<vd::ComboBox>(kLandPriceYearList))
        m_nYear = list->GetCurSel();
    if (m_nYear > m_nYearLimit) {
        m_nYear = m_nYearLimit;
        ShowYear();
    }
}

CDlgWhitePointLandPriceA::CDlgWhitePointLandPriceA() : PointPage(LandPriceASpec(true)) {}

void CDlgWhitePointLandPriceA::LoadSlots(const PointLayerSlots& slots)
{
    PointPage::LoadSlots(slots);
    m_nYear = slots.colour[kLandPriceYearSlot];
}

void CDlgWhitePointLandPriceA::CollectSlots(PointLayerSlots& slots) const
{
    PointPage::CollectSlots(slots);
    slots.colour[kLandPriceYearSlot] = m_nYear;
}

void CDlgWhitePointLandPriceA::OnRowOnBox(int r)
{
    RowValues& v = row(r);
    if (v.text.empty()) {
        v.on = 0;
    } else if (v.on == 1) {
        v.on = 0;
    } else {
        v.on = 1;
        UpdateYearIndex(r);
    }
    ShowRowOn(r);
}

void CDlgWhitePointLandPriceA::UpdateYearIndex(int r)
{
    int year = LatestLandPriceYearIndex(row(r).text, false);
    if (year < 0)
        return;
    // The smallest latest year of the checked rows; a row naming no land-price data set has none.
    for (int other = 0; other < rowCount(); ++other) {
        if (row(other).on == 0)
            continue;
        const int latest = LatestLandPriceYearIndex(row(other).text, false);
        if (latest >= 0)
            year = std::min(year, latest);
    }
    m_nYear = year;
}
