#pragma once
// The container of a tabbed settings dialog: a modal dialog with a tab control and one
// SettingsPage per tab. A derived container names its template, tab control and pages, and
// moves its settings image in and out of the pages:
//   - LoadPage(tab) fills a page's members just before the page is created, on the first show
//     only (a later show rebuilds nothing); the pages are children of the container;
//   - CollectPage(tab) copies a page back into the image on OK (texts read from its edits);
//   - UpdateStatusLine() shows what belongs below the tab control for the current tab.
// A tab change hides the page left and shows the one chosen. Opened with the selection marker
// "-1" (settings just loaded from the settings file), Cancel acts as OK so that the caller gets
// them. A single-theme container draws only the theme of the current tab: on OK every other
// page's theme is switched off (SwitchThemeOff).
#include "layers/settings/SettingsPage.h"
#include "platform/ui/Controls.h"

#include <string>
#include <vector>

class TabbedSettingsDialog : public vd::Dialog {
public:
    TabbedSettingsDialog(int templateId, int tabControlId);

    // The tab shown when the dialog opens, then the current one (0 = the first).
    int m_nCurrentTab = 0;
    // "-1" when the entry point was called without stored settings, otherwise "1".
    std::string m_strSelectMarker = "1";

    bool OnInitDialog() override;
    void OnShowWindow(bool show) override;
    void OnOK() override;
    void OnCancel() override;
    void DoDataExchange(vd::DataExchange& dx) override;

    int pageCount() const { return static_cast<int>(pages_.size()); }
    SettingsPage& page(int tab) { return *pages_[tab].page; }
    vd::TabCtrl& tabControl() { return m_tab; }

protected:
    // The pages in tab order, each with its tab text (called by the derived constructor).
    void AddPage(SettingsPage& page, std::string tabText);
    // The order in which the pages are created (tab indexes); tab order unless set.
    void SetCreationOrder(std::vector<int> tabs) { creationOrder_ = std::move(tabs); }
    void SetSingleTheme(bool single) { singleTheme_ = single; }

    virtual void LoadPage(int tab) = 0;
    virtual void CollectPage(int tab) = 0;
    virtual void UpdateStatusLine() {}
    virtual void SwitchThemeOff(int) {}

private:
    void OnTabChanging(vd::Notify& notify);
    void OnTabChanged(vd::Notify& notify);
    bool IsTab(int tab) const { return tab >= 0 && tab < pageCount(); }

    struct Page {
        SettingsPage* page;
        std::string tabText;
    };
    int tabControlId_;
    vd::TabCtrl m_tab;
    std::vector<Page> pages_;
    std::vector<int> creationOrder_;
    bool singleTheme_ = false;
    bool pagesCreated_ = false;
};

// The container template of the surface and mesh settings: a popup 230 units wide and 137 high
// unless given, with the tab control at (2, 4), 4 units narrower than the popup and 113 high,
// OK at the bottom right and "ｷｬﾝｾﾙ" to its left; below the tab control go the extra controls
// (a status line, options).
vd::ui::DialogTemplate SettingsContainerTemplate(int id, std::string caption, int tabControlId,
                                                 std::vector<vd::ui::ControlTemplate> below, int height = 137,
                                                 int width = 230);
