#pragma once
// 土地A: four rows of land-price data folders (slots 25 to 28) whose data sets end in a latest
// year; the year drawn (the colour field of slot 29) may not pass the latest year of a checked
// row. The detailed map chooses it in a list held below that limit; the white map takes the
// smallest latest year of the checked rows when a row is checked.
#include "layers/settings/pointdata/PointPage.h"

class CDlgPointLandPriceA : public PointPage {
public:
    enum { IDD = 160 };
    CDlgPointLandPriceA();

    void LoadSlots(const PointLayerSlots& slots) override;
    void CollectSlots(PointLayerSlots& slots) const override;
    bool OnInitDialog() override;

    int yearLimit() const { return m_nYearLimit; }

protected:
    void OnRowOnBox(int row) override;

private:
    void UpdateYearLimit(int row);
    void OnYearChange();
    int SmallestCheckedYear() const;
    void ShowYear();

    int m_nYear = 0;
    int m_nYearLimit = 0;
};

class CDlgWhitePointLandPriceA : public PointPage {
public:
    enum { IDD = 255 };
    CDlgWhitePointLandPriceA();

    void LoadSlots(const PointLayerSlots& slots) override;
    void CollectSlots(PointLayerSlots& slots) const override;

protected:
    void OnRowOnBox(int row) override;

private:
    void UpdateYearIndex(int row);

    int m_nYear = 0;
};
