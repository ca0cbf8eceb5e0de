#pragma once
// The environment settings dialog (template 169 "環境設定"): a tab control over five pages (map,
// texts and pictures, editor and viewer, search, place names and public facilities) and the
// start-up check box. The environment command fills its members from the document, runs it and,
// on OK, takes them back; the pages work on copies that OK gathers.
#include "app/settings/EnvAreaSearchPage.h"
#include "app/settings/EnvEditorViewerPage.h"
#include "app/settings/EnvMapPage.h"
#include "app/settings/EnvSearchPage.h"
#include "app/settings/EnvTextPicturePage.h"
#include "app/settings/KeywordDialog.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Dialog.h"

#include <string>

// The dialog's control ids (template 169).
namespace envsettingsids {
inline constexpr int IDC_START_AS_LEFT = 1042;
inline constexpr int IDC_TABS = 1144;
} // namespace envsettingsids

class CDlgEnvSettings : public vd::Dialog {
public:
    enum { IDD = 169 };
    static constexpr int kPageCount = 5;
    explicit CDlgEnvSettings(vd::Window* parent = nullptr);

    // Start-up.
    std::string m_strStartWhiteMap = "off"; // "on": start with the map of the last exit
    // Map page.
    int m_nMapFrame = 2;
    int m_nMapMode = 9;
    std::string m_strSheetSelect;
    std::string m_strSiteNameFile;
    int m_nScreen = 0;
    int m_nPrfMpData = 0;
    // Text and picture page.
    std::string m_strTextAppear;
    std::string m_strTextWithPicture;
    int m_nBackGrandColor = 1;
    KeywordSettings m_keywords;
    std::string m_strBmpBackground;
    int m_nJpegProcess = 1;
    int m_nPicturePosition = 1;
    // Editor and viewer page.
    std::string m_strEditor;
    std::string m_strViewer;
    // Search page.
    int m_nAreaSearch = 1;
    int m_nAreaShape = 0;
    int m_nAreaSizeKm = 50;
    // Place-name and public-facility page.
    std::string m_strAnnotationTable;
    std::string m_strPublicFacilityTable;
    int m_nOutputElevation = -999;
    int m_nHideFoundPlaces = 1;
    // The tab shown (0..4), and the folders the pages need.
    int m_nEnvDialogTab = 0;
    std::string m_strAppDir;
    std::string m_strSheetIndexFile;

    // The pages, created when the dialog is first shown.
    CDlgEnvMap m_pageMap;
    CDlgEnvTextPicture m_pageTextPicture;
    CDlgEnvEditorViewer m_pageEditorViewer;
    CDlgEnvAreaSearch m_pageAreaSearch;
    CDlgEnvSearch m_pageSearch;

    void DoDataExchange(vd::DataExchange& dx) override;
    bool OnInitDialog() override;
    void OnShowWindow(bool show) override;
    void OnOK() override;

private:
    vd::Dialog& Page(int index);
    void CreatePages();
    vd::TabCtrl m_tab;
    bool m_bPagesCreated = false;
};
