#pragma once
// The 地図の表示仕様 dialog (template 168 "地図の表示仕様"): a tab control over four
// pages, 地名, 登録地点, 地図 and 距離, created as children when the dialog is first shown, and the
// check box of the pointer coordinates. It works on a copy of the settings; OK collects every
// page's values into m_spec, Cancel leaves m_spec as it was given.
#include "app/settings/MapDisplaySpec.h"
#include "app/settings/SpecDistancePage.h"
#include "app/settings/SpecPlaceNamePage.h"
#include "app/settings/SpecPointPage.h"
#include "app/settings/SpecWhiteMapPage.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Dialog.h"

// The dialog's control ids (template 168).
namespace mapspecids {
inline constexpr int IDC_TAB = 1144;
inline constexpr int IDC_POINTER_COORDS = 1145;
} // namespace mapspecids

class CDlgMapDisplaySpec : public vd::Dialog {
public:
    enum { IDD = 168 };
    explicit CDlgMapDisplaySpec(vd::Window* parent);

    MapDisplaySpec m_spec;

    CDlgSpecPlaceName m_pagePlaceName;
    CDlgSpecPoint m_pagePoint;
    CDlgSpecWhiteMap m_pageWhiteMap;
    CDlgSpecDistance m_pageDistance;

    void DoDataExchange(vd::DataExchange& dx) override;
    bool OnInitDialog() override;
    void OnShowWindow(bool show) override;
    void OnOK() override;

private:
    vd::TabCtrl m_tab;
    bool m_bPagesCreated = false;
    vd::Dialog& Page(int index);
    void OnTabChanging();
    void OnTabChanged();
};
