#include "app/settings/EnvSettingsDialog.h"

#include "app/settings/PointNameFileList.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/TemplateRegistry.h"

namespace {

using namespace vd::ui;

using namespace envsettingsids;

constexpr const char* kTabTitles[CDlgEnvSettings::kPageCount] = {"地図", "ﾃｷｽﾄ･画像", "Ｅ＆Ｖ", "検索",
                                                                  "地名･公共施設"};

DialogTemplate EnvSettingsTemplate()
{
    DialogTemplate t;
    t.id = CDlgEnvSettings::IDD;
    t.caption = "環境設定";
    t.controls = {
        // Large enough for the pages, which fill its display area.
        tabControl(IDC_TABS, DialogUnits{0, 0, 280, 150}),
        checkBox(IDC_START_AS_LEFT, "前回終了時の状態で起動する"),
        ltext(vd::IDC_STATIC, "設定は次回起動時に有効になります!"),
        defPushButton(vd::IDOK, "OK"),
        pushButton(vd::IDCANCEL, "ｷｬﾝｾﾙ"),
    };
    return t;
}

const TemplateRegistration registration(kProgramModule, {EnvSettingsTemplate()});

} // namespace

CDlgEnvSettings::CDlgEnvSettings(vd::Window* parent) : vd::Dialog(IDD, parent)
{
    OnClicked(IDC_START_AS_LEFT, [this] { m_strStartWhiteMap = m_strStartWhiteMap == "off" ? "on" : "off"; });
    OnNotify(vd::TCN_SELCHANGING, IDC_TABS, [this](vd::Notify&) {
        if (m_bPagesCreated)
            Page(m_tab.GetCurSel()).ShowWindow(vd::SW_HIDE);
    });
    OnNotify(vd::TCN_SELCHANGE, IDC_TABS, [this](vd::Notify&) {
        m_nEnvDialogTab = m_tab.GetCurSel();
        if (m_bPagesCreated)
            Page(m_nEnvDialogTab).ShowWindow(vd::SW_SHOW);
    });
}

vd::Dialog& CDlgEnvSettings::Page(int index)
{
    switch (index) {
    case 1: return m_pageTextPicture;
    case 2: return m_pageEditorViewer;
    case 3: return m_pageAreaSearch;
    case 4: return m_pageSearch;
    default: return m_pageMap;
    }
}

void CDlgEnvSettings::DoDataExchange(vd::DataExchange& dx)
{
    vd::DDX_Control(dx, IDC_TABS, m_tab);
}

bool CDlgEnvSettings::OnInitDialog()
{
    vd::Dialog::OnInitDialog();
    for (int i = 0; i < kPageCount; ++i)
        m_tab.InsertItem(i, kTabTitles[i]);
    CheckDlgButton(IDC_START_AS_LEFT, m_strStartWhiteMap == "on" ? vd::BST_CHECKED : vd::BST_UNCHECKED);
    EnsurePointNameList(m_strAppDir);
    // The tab is remembered for the run only; anything else opens the first.
    if (m_nEnvDialogTab < 0 || m_nEnvDialogTab >= kPageCount)
        m_nEnvDialogTab = 0;
    m_tab.SetCurSel(m_nEnvDialogTab);
    return true;
}

void CDlgEnvSettings::OnShowWindow(bool show)
{
    if (show && !m_bPagesCreated)
        CreatePages();
}

void CDlgEnvSettings::CreatePages()
{
    m_pageMap.m_nMapFrame = m_nMapFrame;
    m_pageMap.m_nMapMode = m_nMapMode;
    m_pageMap.m_strSheetSelect = m_strSheetSelect;
    m_pageMap.m_strSiteNameFile = m_strSiteNameFile;
    m_pageMap.m_nScreen = m_nScreen;
    m_pageMap.m_nPrfMpData = m_nPrfMpData;
    m_pageMap.m_strAppDir = m_strAppDir;
    m_pageMap.m_strEditor = m_strEditor;

    m_pageTextPicture.m_strTextAppear = m_strTextAppear;
    m_pageTextPicture.m_strTextWithPicture = m_strTextWithPicture;
    m_pageTextPicture.m_nBackGrandColor = m_nBackGrandColor;
    m_pageTextPicture.m_keywords = m_keywords;
    m_pageTextPicture.m_strBmpBackground = m_strBmpBackground;
    m_pageTextPicture.m_nJpegProcess = m_nJpegProcess;
    m_pageTextPicture.m_nPicturePosition = m_nPicturePosition;

    m_pageEditorViewer.m_strEditor = m_strEditor;
    m_pageEditorViewer.m_strViewer = m_strViewer;

    m_pageAreaSearch.m_nAreaSearch = m_nAreaSearch;
    m_pageAreaSearch.m_nAreaShape = m_nAreaShape;
    m_pageAreaSearch.m_nAreaSizeKm = m_nAreaSizeKm;

    m_pageSearch.m_strAnnotationTable = m_strAnnotationTable;
    m_pageSearch.m_strPublicFacilityTable = m_strPublicFacilityTable;
    m_pageSearch.m_nOutputElevation = m_nOutputElevation;
    m_pageSearch.m_nHideFoundPlaces = m_nHideFoundPlaces;

    const int pageIds[kPageCount] = {CDlgEnvMap::IDD, CDlgEnvTextPicture::IDD, CDlgEnvEditorViewer::IDD,
                                     CDlgEnvAreaSearch::IDD, CDlgEnvSearch::IDD};
    for (int i = 0; i < kPageCount; ++i) {
        Page(i).Create(pageIds[i], this);
        Page(i).ShowWindow(i == m_nEnvDialogTab ? vd::SW_SHOW : vd::SW_HIDE);
    }
    m_bPagesCreated = true;
}

void CDlgEnvSettings::OnOK()
{
    if (m_bPagesCreated) {
        m_nMapFrame = m_pageMap.m_nMapFrame;
        m_nMapMode = m_pageMap.m_nMapMode;
        m_strSheetSelect = m_pageMap.m_strSheetSelect;
        m_strSiteNameFile = m_pageMap.m_strSiteNameFile;
        m_nScreen = m_pageMap.m_nScreen;
        m_nPrfMpData = m_pageMap.m_nPrfMpData;

        m_strTextAppear = m_pageTextPicture.m_strTextAppear;
        m_strTextWithPicture = m_pageTextPicture.m_strTextWithPicture;
        m_nBackGrandColor = m_pageTextPicture.m_nBackGrandColor;
        m_keywords = m_pageTextPicture.m_keywords;
        m_strBmpBackground = m_pageTextPicture.m_strBmpBackground;
        m_nJpegProcess = m_pageTextPicture.m_nJpegProcess;
        m_nPicturePosition = m_pageTextPicture.m_nPicturePosition;

        m_strEditor = m_pageEditorViewer.m_strEditor;
        m_strViewer = m_pageEditorViewer.m_strViewer;

        m_nAreaSearch = m_pageAreaSearch.m_nAreaSearch;
        m_nAreaShape = m_pageAreaSearch.m_nAreaShape;
        m_nAreaSizeKm = m_pageAreaSearch.m_nAreaSizeKm;

        m_strAnnotationTable = m_pageSearch.m_strAnnotationTable;
        m_strPublicFacilityTable = m_pageSearch.m_strPublicFacilityTable;
        m_nOutputElevation = m_pageSearch.m_nOutputElevation;
        m_nHideFoundPlaces = m_pageSearch.m_nHideFoundPlaces;
    }
    EndDialog(vd::IDOK);
}
