#pragma once
// The point-data settings dialogs: CDlgPointDataSet (template 234, detailed map) and
// CDlgWhitePointDataSet (254, white map). Both hold the point settings (PointLayerSlots), show
// them on seven tabs and gather them on OK; they differ only in four of their pages.
#include "layers/settings/TabbedSettingsDialog.h"
#include "layers/settings/pointdata/LandPriceAPages.h"
#include "layers/settings/pointdata/PointPages.h"

#include <array>

class PointDataContainer : public TabbedSettingsDialog {
public:
    PointLayerSlots m_slots;
    int m_bCallerMark = 0; // the settings came with a "/" mark: no hint in the note line

    void OnOK() override;

protected:
    explicit PointDataContainer(int templateId);
    // The pages in tab order: 施設, 水文, 沿岸域, 土地A, 土地B, 点Ａ, 点Ｂ.
    void SetPages(std::array<PointPage*, 7> pages);

    void LoadPage(int tab) override;
    void CollectPage(int tab) override;
    void UpdateStatusLine() override { UpdateRangeNote(); }

private:
    void UpdateRangeNote();

    std::array<PointPage*, 7> pages_{};
};

class CDlgPointDataSet : public PointDataContainer {
public:
    enum { IDD = 234 };
    CDlgPointDataSet();

private:
    CDlgPointFacility m_facility;
    CDlgPointHydrology m_hydrology;
    CDlgPointCoast m_coast;
    CDlgPointLandPriceA m_landPriceA;
    CDlgPointLandPriceB m_landPriceB;
    CDlgPointByPrefecture m_byPrefecture;
    CDlgPointNationwide m_nationwide;
};

class CDlgWhitePointDataSet : public PointDataContainer {
public:
    enum { IDD = 254 };
    CDlgWhitePointDataSet();

private:
    CDlgWhitePointFacility m_facility;
    CDlgWhitePointHydrology m_hydrology;
    CDlgPointCoast m_coast;
    CDlgWhitePointLandPriceA m_landPriceA;
    CDlgWhitePointLandPriceB m_landPriceB;
    CDlgPointByPrefecture m_byPrefecture;
    CDlgPointNationwide m_nationwide;
};
