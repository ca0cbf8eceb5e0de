// The view's two modeless dialogs filled and shown: the find-place dialog with municipalities,
// places or search results, and the sheet selection dialog with the sheets of the index.
#include "app/document/VeldoranDoc.h"
#include "platform/ui/Ui.h"
#include "view/findplace/FindPlaceDialog.h"
#include "view/findplace/FindPlaceLists.h"
#include "view/sheetmap/SheetSelectDialog.h"
#include "view/window/VeldoranView.h"

namespace {

constexpr int kPlaceLineLimit = 4999;

} // namespace

void CVeldoranView::OnFindPlace()
{
    // Place mode: place names, or the registered points alone when those were chosen.
    CVeldoranDoc& doc = *m_pDoc;
    if (doc.pointer.m_nFindPlaceKind != 0 || doc.pointer.m_nFindPlaceOption != 1)
        doc.pointer.m_nFindPlaceKind = 1;
    OpenFindPlaceDialog();
}

void CVeldoranView::OnFindSearchResult()
{
    m_pDoc->pointer.m_nFindPlaceKind = 2;
    OpenFindPlaceDialog();
}

void CVeldoranView::OnFindMunicipality()
{
    CVeldoranDoc& doc = *m_pDoc;
    const int kindBefore = doc.pointer.m_nFindPlaceKind;
    doc.pointer.m_nFindPlaceKind = 3;
    if (doc.pointer.m_nActiveViewDialog >= 0 && doc.pointer.m_nActiveViewDialog <= 2)
        return; // the open dialog keeps its list
    std::vector<std::string> list = ReadMunicipalityList(doc.folders.m_strCityBorderDir);
    if (list.size() <= 1) {
        // Only the end mark: an empty dialog would say nothing of what is missing.
        doc.pointer.m_nFindPlaceKind = kindBefore;
        vd::ui::AfxMessageBox(NoMunicipalityListMessage(doc.folders.m_strCityBorderDir),
                              vd::MB_OK | vd::MB_ICONINFORMATION);
        return;
    }
    doc.pointer.m_nActiveViewDialog = 2;
    m_pDlgFindPlace->m_astrRecord = std::move(list);
    ShowFindPlaceDialog();
}

void CVeldoranView::OpenFindPlaceDialog()
{
    CVeldoranDoc& doc = *m_pDoc;
    if (doc.pointer.m_nActiveViewDialog == 0 || doc.pointer.m_nActiveViewDialog == 2)
        return;
    if (doc.pointer.m_nFindPlaceKind == 0 && doc.pointer.m_nFindPlaceOption == 0)
        return;
    doc.pointer.m_nActiveViewDialog = 1;
    std::vector<std::string>& list = m_pDlgFindPlace->m_astrRecord;
    if (doc.pointer.m_nFindPlaceKind == 2) {
        doc.position.m_strDistrict = "全国";
        list = SearchResultList(doc.m_astrPlaceRecord.all(), doc.m_nResultCount);
    } else {
        list.clear();
        if (doc.pointer.m_nFindPlaceKind == 1)
            AppendPlaceLines(doc.environment.m_strSiteNameFile, kPlaceLineLimit, list);
        if (doc.pointer.m_nFindPlaceOption == 1)
            AppendPlaceLines(doc.registered.m_strDataFile, kPlaceLineLimit, list);
        list.push_back("999");
    }
    ShowFindPlaceDialog();
}

void CVeldoranView::ShowFindPlaceDialog()
{
    const CVeldoranDoc& doc = *m_pDoc;
    CDlgFindPlace& dialog = *m_pDlgFindPlace;
    dialog.m_bListFilled = true;
    dialog.m_strRegion = doc.position.m_strDistrict;
    dialog.m_nPlaceMode = doc.pointer.m_nFindPlaceKind;
    dialog.m_bShowRegistered = doc.pointer.m_nFindPlaceOption;
    dialog.m_strFrameNorth = doc.m_strFrameNorth;
    dialog.m_strFrameEast = doc.m_strFrameEast;
    dialog.m_strFrameSouth = doc.m_strFrameSouth;
    dialog.m_strFrameWest = doc.m_strFrameWest;
    dialog.m_nModelessState = 1;
    // An open window is made anew, so that it shows the list just filled.
    if (dialog.IsWindow())
        dialog.DestroyWindow();
    if (dialog.Create())
        dialog.ShowWindow(vd::SW_SHOW);
}

void CVeldoranView::OpenSheetDialog()
{
    CVeldoranDoc& doc = *m_pDoc;
    if (doc.pointer.m_nActiveViewDialog == 1)
        return;
    const bool seaSheets = doc.depth.m_nSubmarineLayer == 1 && doc.position.m_nMapFrame == 2 &&
                           (doc.position.m_nMapMode == 25 || doc.position.m_nMapMode == 49);
    doc.pointer.m_nActiveViewDialog = 0;
    CDlgSheetSelect& dialog = *m_pDlgSheetSelect;
    dialog.m_nModeless = 1;
    dialog.m_astrIndexLine = ReadSheetSelectLines(doc.folders.m_strSheetIndexFile, seaSheets);
    dialog.m_strRegion = doc.position.m_strDistrict;
    dialog.m_strChosenName = doc.m_strMapName;
    dialog.m_nViewValue = doc.spec.m_nPointPopup;
    if (dialog.IsWindow())
        dialog.DestroyWindow();
    if (dialog.Create()) // the modeless window, without a parent
        dialog.ShowWindow(vd::SW_SHOW);
}
