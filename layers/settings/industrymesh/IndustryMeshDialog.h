#pragma once
// CDlgDmcSet (template 247): the industry-statistics mesh settings on three tabs, 商業統計,
// 工業統計 and 農業ｾﾝｻｽ, one theme drawn at a time, and below the tabs the display method
// (ﾒｯｼｭﾏｯﾌﾟ or 属性値; mesh map only keeps it at ﾒｯｼｭﾏｯﾌﾟ). Page k edits theme row k and
// column k of the item definitions; rows 4 and 5 pass through.
#include "layers/settings/TabbedSettingsDialog.h"
#include "layers/settings/industrymesh/IndustryMeshPage.h"

#include <array>

class CDlgDmcSet : public TabbedSettingsDialog {
public:
    enum { IDD = 247 };
    CDlgDmcSet();

    IndustryMeshSettings m_settings;
    int m_nDisplayMethod = kIndustryMeshMap;
    bool m_bMeshMapOnly = false;

    bool OnInitDialog() override;

protected:
    void LoadPage(int tab) override;
    void CollectPage(int tab) override;
    void SwitchThemeOff(int tab) override;

private:
    void OnAttributeValue();

    CDlgDmcCommerce m_commerce;
    CDlgDmcIndustry m_industry;
    CDlgDmcAgriculture m_agriculture;
    std::array<IndustryMeshPage*, kIndustryColumnCount> pages_{&m_commerce, &m_industry, &m_agriculture};
};
