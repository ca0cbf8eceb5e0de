#include "dialogs/PlaceSearchDialog.h"

#include "dialogs/DialogLibraryApp.h"
#include "dialogs/SearchOutputFileDialog.h"
#include "platform/text/StringOps.h"
#include "platform/ui/DataExchange.h"

namespace {

using namespace vd::ui;

using namespace placesearchids;
constexpr int kDisplayTab = 2;

DialogTemplate PlaceSearchTemplate()
{
    DialogTemplate t;
    t.id = CDlgPlaceSearch::IDD;
    t.caption = " 数値地図25000(地名・公共施設)";
    t.place = DialogUnits{0, 0, 262, 170};
    t.controls = {
        tabControl(IDC_TAB, DialogUnits{2, 4, 258, 138}),
        radioButton(IDC_DISPLAY_ONLY, "表示のみ", DialogUnits{8, 151, 50, 10}, vd::BS_AUTORADIOBUTTON | vd::WS_GROUP),
        radioButton(IDC_DISPLAY_AND_SAVE, "表示･保存", DialogUnits{62, 151, 56, 10}),
        defPushButton(vd::IDOK, "検索", DialogUnits{170, 149, 40, 14}),
        pushButton(vd::IDCANCEL, "ｷｬﾝｾﾙ", DialogUnits{216, 149, 40, 14}),
    };
    return t;
}

const TemplateRegistration registration(CDialogLibraryApp::kModule, {PlaceSearchTemplate()});

bool IsTab(int tab)
{
    return tab >= 0 && tab <= kDisplayTab;
}

} // namespace

CDlgPlaceSearch::CDlgPlaceSearch() : vd::Dialog(IDD)
{
    OnNotify(vd::TCN_SELCHANGING, IDC_TAB, [this](vd::Notify& n) { OnTabChanging(n); });
    OnNotify(vd::TCN_SELCHANGE, IDC_TAB, [this](vd::Notify& n) { OnTabChanged(n); });
    OnClicked(IDC_DISPLAY_ONLY, [this] { OnDisplayOnly(); });
    OnClicked(IDC_DISPLAY_AND_SAVE, [this] { OnDisplayAndSave(); });
}

void CDlgPlaceSearch::DoDataExchange(vd::DataExchange& dx)
{
    vd::DDX_Control(dx, IDC_TAB, m_tab);
}

vd::Dialog& CDlgPlaceSearch::Page(int tab)
{
    if (tab == 0)
        return m_placeNames;
    if (tab == 1)
        return m_facilities;
    return m_display;
}

bool CDlgPlaceSearch::OnInitDialog()
{
    vd::Dialog::OnInitDialog();
    if (!IsTab(m_nShownTab))
        m_nShownTab = 0;
    m_tab.InsertItem(0, "地名");
    m_tab.InsertItem(1, "公共施設");
    m_tab.InsertItem(2, "表示方法");
    m_tab.SetCurSel(m_nShownTab);
    CheckDlgButton(IDC_DISPLAY_ONLY, m_nSaveFlag == 0 ? 1 : 0);
    CheckDlgButton(IDC_DISPLAY_AND_SAVE, m_nSaveFlag == 0 ? 0 : 1);
    ShowOkCaption();
    return true;
}

void CDlgPlaceSearch::OnShowWindow(bool show)
{
    if (!show || pagesCreated_)
        return;
    pagesCreated_ = true;
    for (int tab = 0; tab <= kDisplayTab; ++tab) {
        Page(tab).Create(this);
        Page(tab).ShowWindow(tab == m_nShownTab ? vd::SW_SHOW : vd::SW_HIDE);
    }
}

void CDlgPlaceSearch::ShowOkCaption()
{
    SetDlgItemText(vd::IDOK, m_nShownTab == kDisplayTab ? "OK" : "検索");
}

void CDlgPlaceSearch::OnTabChanging(vd::Notify& notify)
{
    const int leaving = m_tab.GetCurSel();
    if (pagesCreated_ && IsTab(leaving))
        Page(leaving).ShowWindow(vd::SW_HIDE);
    notify.result = 0;
}

void CDlgPlaceSearch::OnTabChanged(vd::Notify& notify)
{
    const int chosen = m_tab.GetCurSel();
    if (IsTab(chosen)) {
        if (pagesCreated_)
            Page(chosen).ShowWindow(vd::SW_SHOW);
        m_nShownTab = chosen;
        if (chosen != kDisplayTab)
            m_nSearchKind = chosen;
        ShowOkCaption();
    }
    notify.result = 0;
}

void CDlgPlaceSearch::OnDisplayOnly()
{
    m_nSaveFlag = 0;
    m_strOutputPath.clear();
}

void CDlgPlaceSearch::OnDisplayAndSave()
{
    m_nSaveFlag = 1;
    CDlgFlOut files;
    files.m_nFileMode = m_nFileMode;
    files.m_nFileFormat = m_nFileFormat;
    files.m_nProvisionalElevation = m_nProvisionalElevation;
    files.m_nCsvKind = m_nSearchKind == 1 ? 1 : 0;
    if (files.DoModal() == vd::IDOK) {
        m_strOutputPath = files.m_strChosenPath.empty() ? vd::toLowerAscii(files.GetPathName()) : files.m_strChosenPath;
        m_nFileMode = files.m_nFileMode;
        m_nFileFormat = files.m_nFileFormat;
    }
    if (m_strOutputPath.empty())
        return;
    for (const char* extension : {".dat", ".ymd", ".csv"})
        if (m_strOutputPath.find(extension) != std::string::npos)
            return;
    m_strOutputPath += SearchResultExtension(m_nFileFormat);
}

void CDlgPlaceSearch::OnOK()
{
    // The pages keep their members up to date as the user goes.
    if (pagesCreated_) {
        m_placeNames.TakeTypedTexts();
        m_facilities.TakeTypedTexts();
    }
    if (m_nShownTab != kDisplayTab)
        m_nSearchKind = m_nShownTab;
    vd::Dialog::OnOK();
}
