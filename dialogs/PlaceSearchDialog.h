#pragma once
// The place-name and public-facility search conditions (template 170): a tab control with the
// place-name, public-facility and display pages, "表示のみ" / "表示･保存" with the choice of the
// result file, and OK reading "検索" on the two search tabs and "OK" on the display tab.
#include "dialogs/SearchDisplayPage.h"
#include "dialogs/SearchFacilityPage.h"
#include "dialogs/SearchPlaceNamePage.h"
#include "platform/ui/Controls.h"

#include <string>

// The dialog's control ids (template 170).
namespace placesearchids {
inline constexpr int IDC_TAB = 1149;
inline constexpr int IDC_DISPLAY_ONLY = 1152;
inline constexpr int IDC_DISPLAY_AND_SAVE = 1153;
} // namespace placesearchids

class CDlgPlaceSearch : public vd::Dialog {
public:
    enum { IDD = 170 };
    CDlgPlaceSearch();

    // 0 place names, 1 public facilities, -1 none yet.
    int m_nSearchKind = -1;
    int m_nShownTab = 0;
    int m_nSaveFlag = 0;
    int m_nFileMode = 1;
    int m_nFileFormat = 0;
    int m_nProvisionalElevation = -9999;
    std::string m_strOutputPath;

    // The conditions of both search pages and the display settings, moved into the pages when
    // they are created and back on OK.
    CDlgSearchPlaceName m_placeNames;
    CDlgSearchFacility m_facilities;
    CDlgSearchDisplay m_display;

    bool OnInitDialog() override;
    void OnShowWindow(bool show) override;
    void OnOK() override;
    void DoDataExchange(vd::DataExchange& dx) override;

private:
    vd::Dialog& Page(int tab);
    void ShowOkCaption();
    void OnTabChanging(vd::Notify& notify);
    void OnTabChanged(vd::Notify& notify);
    void OnDisplayOnly();
    void OnDisplayAndSave();

    vd::TabCtrl m_tab;
    bool pagesCreated_ = false;
};
