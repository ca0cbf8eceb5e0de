#pragma once
// The 1/10 subdivided mesh settings dialog (template 145): four theme pages under tab control
// 1437 and the status line 1438 below it. Only the theme of the current tab is drawn: on OK
// every other page is switched off, and the land-use flags go back to "すべて" when the land-use
// theme ends off.
#include "layers/settings/TabbedSettingsDialog.h"
#include "layers/settings/finemesh/FineMeshPages.h"
#include "layers/settings/finemesh/FineMeshSettings.h"

#include <vector>

class CDlgFmeshSet : public TabbedSettingsDialog {
public:
    enum { IDD = 145 };
    static constexpr int kTabControl = 1437;
    static constexpr int kStatusLine = 1438;

    CDlgFmeshSet();

    // The settings the dialog opened with; on OK, what it answers (the current tab is
    // m_nCurrentTab).
    FineMeshSettings m_settings;

    void OnOK() override;

protected:
    void LoadPage(int tab) override;
    void CollectPage(int tab) override;
    void UpdateStatusLine() override;
    void SwitchThemeOff(int tab) override { m_settings.on[tab] = 0; }

private:
    FineMeshPage& themePage(int tab);

    CDlgFmLandUse m_pageLandUse;
    CDlgFmArea m_pageArea;
    CDlgFmBasin m_pageBasin;
    CDlgFmLake m_pageLake;
};

// The container and its four pages.
std::vector<vd::ui::DialogTemplate> FineMeshTemplates();
