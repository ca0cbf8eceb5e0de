#pragma once
// The two geology settings dialogs: CDlgGeoSet (one natural-terrain data set, template 200) and
// CDlgNtrSet (a land-classification file and a valley-density file, template 210). Both show
// four theme pages under one tab control, the layer switch and the data text above it and the
// display mode below; they differ in their data texts, their "ﾌｧｲﾙ" button and their captions.
// The entry point sets the members, runs the dialog and reads the members after OK.
#include "geology/settings/GeoSettingsPages.h"
#include "platform/ui/Controls.h"

#include <string>

class GeoSettingsDialog : public vd::Dialog {
public:
    int m_nCurrentTab = 0;  // 0 表層地質, 1 土壌, 2 地形分類, 3 谷密度
    int m_nLayerSwitch = 1; // the check box beside the theme caption
    int m_nDisplayMode = 0; // 0 ﾒｯｼｭﾏｯﾌﾟ, 1 属性値
    std::string m_strRock;
    std::string m_strEra;
    std::string m_strTerrain;
    std::string m_strSoil;
    std::string m_strValley;

    bool OnInitDialog() override;
    void OnShowWindow(bool show) override;
    void OnOK() override;
    void DoDataExchange(vd::DataExchange& dx) override;

protected:
    GeoSettingsDialog(int templateId, GeoRockPage& rock, GeoClassPage& soil, GeoClassPage& terrain,
                      GeoValleyPage& valley);

    // The captions of a tab (the derived dialog adds its data heading and edit).
    virtual void ShowCaptions(int tab);
    virtual void ToggleLayerSwitch() = 0;
    virtual void ChooseData() = 0;

    void ShowLayerSwitch();

private:
    vd::Dialog& page(int tab);
    void OnTabChanging(vd::Notify& notify);
    void OnTabChanged(vd::Notify& notify);

    GeoRockPage& rock_;
    GeoClassPage& soil_;
    GeoClassPage& terrain_;
    GeoValleyPage& valley_;
    vd::TabCtrl m_tab;
    bool pagesBuilt_ = false;
};

class CDlgGeoSet : public GeoSettingsDialog {
public:
    CDlgGeoSet();

    std::string m_strDataSet; // folder + "(" + the data set's code + ")"

    bool OnInitDialog() override;

protected:
    void ShowCaptions(int tab) override;
    void ToggleLayerSwitch() override;
    void ChooseData() override;

private:
    CDlgGeoRock m_pageRock;
    CDlgGeoSoil m_pageSoil;
    CDlgGeoTerrain m_pageTerrain;
    CDlgGeoValley m_pageValley;
};

class CDlgNtrSet : public GeoSettingsDialog {
public:
    CDlgNtrSet();

    std::string m_strClassFile;  // full path, lower case
    std::string m_strValleyFile; // full path, lower case

protected:
    void ShowCaptions(int tab) override;
    void ToggleLayerSwitch() override;
    void ChooseData() override;

private:
    CDlgNtrRock m_pageRock;
    CDlgNtrSoil m_pageSoil;
    CDlgNtrTerrain m_pageTerrain;
    CDlgNtrValley m_pageValley;
};
