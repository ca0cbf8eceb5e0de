// The commands of the on-screen buttons, the return button, the overview frame of the drag
// overview, the listed sheets and the choices of the view's modeless dialogs.
#include "app/document/MapDisplayMode.h"
#include "view/navigation/ViewNavigation.h"

#include "app/document/VeldoranDoc.h"
#include "platform/ui/Controls.h"
#include "view/findplace/FindPlaceDialog.h"
#include "view/pages/ViewPages.h"
#include "view/renderer/MapRenderer.h"
#include "view/sheetmap/SheetSelectDialog.h"
#include "view/window/VeldoranView.h"

#include <algorithm>

namespace {

// The find-place dialog's choice: its place text, region, two settings and the chosen entry's
// mesh code. A place is shown by its record, a municipality by its code.
struct PlaceChoice {
    std::string place;
    std::string district;
    int kind = 1;
    int option = 0;
    std::string meshCode;
};

PlaceChoice ChosenPlace(const CDlgFindPlace& dialog)
{
    const bool municipality = dialog.m_nPlaceMode == 3;
    return {municipality ? dialog.m_strPickedCode : dialog.m_strPickedRecord, dialog.m_strRegion, dialog.m_nPlaceMode,
            dialog.m_bShowRegistered, dialog.m_strMeshCode};
}

} // namespace

ViewNavigation::ViewNavigation(CVeldoranView& view) : m_view(view), m_doc(*view.GetDocument())
{
    for (auto& button : m_apNumberedButton)
        button = std::make_unique<vd::Button>();
    for (auto& button : m_apKindButton)
        button = std::make_unique<vd::Button>();
    m_pPageScrollBar = std::make_unique<vd::ScrollBar>();
    ConnectCommands();
}

ViewNavigation::~ViewNavigation() = default;

void ViewNavigation::ConnectCommands()
{
    m_view.OnCommandRange(311, 335, [this](int id) { RunButtonCommand(id); });
    m_view.OnCommand(346, [this] { RunButtonCommand(346); });
}

void ViewNavigation::RunButtonCommand(int id)
{
    CVeldoranDoc& doc = m_doc;
    const int mode = doc.m_nMapDisplayMode;
    if (id >= 311 && id <= 314) {
        const int n = id - 310;
        if (doc.position.m_nMapType != 2) {
            ShowListedSheet(10 + n);
        } else if (n <= 2 && doc.repaint.m_nSavedMapDisplayMode == map_display::kRouteAreaIndex) {
            doc.ShowRouteInformation(n - 1);
        } else {
            doc.position.m_nPrefectureSel = n - 1;
            doc.m_nMapDisplayMode = map_display::kMainMap;
            doc.repaint.m_bMapOnScreen = 0;
            m_view.InvalidateView(true);
        }
        return;
    }
    if (id == 315) {
        if (doc.repaint.m_bMapOnScreen == 0 || doc.position.m_nMapFrame != m_view.m_nViewFrameKind)
            ShowListedSheet(15);
        return;
    }
    if (id >= 316 && id <= 319) {
        ShowListedSheet(id - 300);
        return;
    }
    switch (id) {
    case 322:
        if (doc.position.m_nPrefectureSel == 4) {
            doc.SelectPrefectureMap();
            return;
        }
        m_view.m_nPictureState = 1;
        doc.statistics.m_nShow = -1;
        if (doc.position.m_nMapType == 2) {
            doc.position.m_nMapType = 1;
            doc.position.m_nMapFigure = doc.position.m_nMapFigureCopy;
        }
        if (doc.position.m_nMapFrame == 3)
            doc.position.m_nMapFrame = m_view.m_nViewFrameKind;
        if (doc.environment.m_strSheetSelect == "DIALOG") {
            doc.repaint.m_bMapOnScreen = 0;
            m_view.OpenSheetDialog();
            return;
        }
        if (doc.environment.m_strSheetSelect == "INDEX") {
            doc.repaint.m_bMapOnScreen = 0;
            doc.m_nMapDisplayMode = map_display::kSheetIndex;
        } else if (doc.environment.m_strSheetSelect == "MAP") {
            doc.m_nMapDisplayMode = map_display::kDragOverview;
        }
        m_view.InvalidateView(true);
        return;
    case 323:
        if (!doc.statistics.Chosen()) {
            doc.SelectText();
        } else {
            m_view.SetPrefectureDataDisplay();
            m_view.InvalidateView(true);
        }
        return;
    case 324:
        if (!doc.statistics.Chosen()) {
            doc.SelectPicture();
        } else {
            m_view.ShowDataListDialog(2);
        }
        return;
    case 325:
        m_view.OnRedisplayMap();
        return;
    case 326:
    case 328:
        if (mode == 5 || mode == 10) {
            if (id == 328)
                m_view.OnSlideShowSettings();
            else
                doc.EditMapDisplaySpec();
            return;
        }
        StepAlbumPage(id == 326 ? -1 : 1);
        return;
    case 327:
        OnButton327();
        return;
    case 329:
        m_view.m_strPlayMode = doc.entry.m_strSlidePlayMode;
        m_view.OnAlbumStart();
        return;
    case 330:
    case 331:
        doc.m_nMapDisplayMode = map_display::kTextPage;
        m_view.m_pPages->StepTextPage(id == 330 ? -1 : 1);
        m_view.InvalidateView(true);
        return;
    case 332: {
        doc.pointer.m_nOverviewStep = 1;
        doc.m_nMapDisplayMode = map_display::kDataSourceOverview;
        vd::ClientDc window = m_view.GetDC();
        if (window)
            DrawSheetFrame(*window, 0);
        doc.m_nMapDisplayMode = map_display::kDragWaiting;
        return;
    }
    case 333:
        if (doc.SelectMapType(0) != 1)
            return;
        if (doc.position.m_nMapType < 3)
            RemoveViewButtons(7);
        doc.m_nMapDisplayMode = map_display::kRedrawMap;
        doc.statistics.m_nShow = -1;
        m_view.InvalidateView(true);
        return;
    case 334:
    case 335:
        OnBlockSize(id);
        return;
    case 346:
        doc.RetrievePlaceNames();
        if (doc.search.m_nPlaceNameLayer != -1)
            m_view.InvalidateView(true);
        return;
    default:
        return;
    }
}

// 334 toggles 3 x 3 and 5 x 5 (a 7 x 7 block goes back to 3 x 3), 335 5 x 5 and 7 x 7.
void ViewNavigation::OnBlockSize(int id)
{
    int& sheets = m_doc.position.m_nMapMode;
    if (id == 334)
        sheets = sheets == 9 ? 25 : sheets == 25 ? 9 : sheets == 49 ? 9 : sheets;
    else
        sheets = sheets == 25 ? 49 : sheets == 49 ? 25 : sheets;
    m_doc.position.m_nMapFrame = 2;
    m_doc.position.m_nMapFrameCopy2 = 2;
    ShowListedSheet(15);
}

void ViewNavigation::StepAlbumPage(int step)
{
    m_view.m_nPageIndex = std::max(0, std::min(m_view.m_nPageIndex + step, m_doc.entry.m_nAlbumPageCount - 1));
    if (m_view.m_strPlayMode == "AUTO") {
        m_doc.m_nMapDisplayMode = map_display::kAlbum;
        m_view.m_nAlbumTicks = 0;
        m_view.m_nSlideTicks = 0;
        m_view.KillTimer(IDT_ALBUMPAGE);
        m_view.KillTimer(IDT_SLIDESHOW);
        m_view.m_bSlideTimerRunning = false;
    } else {
        m_doc.repaint.m_strViewState.clear();
    }
    m_view.InvalidateView(false);
}

// The return button: leaves a submarine picture, flips between one sheet and the block, goes
// back from a prefecture or guide map to the sheet map, or stops the album play.
void ViewNavigation::OnButton327()
{
    CVeldoranDoc& doc = m_doc;
    doc.entry.m_nPictureFit = 0; // album play ends: tall pictures scroll again
    if (doc.depth.m_nSubmarineLayer < 0) {
        if (doc.depth.m_nSubmarineLayer == -999)
            doc.depth.m_nSubmarineLayer = 0;
        else if (doc.depth.m_nSubmarineLayer == -888)
            doc.depth.m_nSubmarineLayer = 1;
        m_view.OnRedisplayMap();
        return;
    }
    if (doc.depth.m_nSubmarineView == -999) {
        doc.depth.m_nSubmarineView = 3;
        m_view.OnRedisplayMap();
        return;
    }
    doc.environment.m_nPicturePosition = doc.environment.m_nPicturePositionCopy;
    if (m_view.m_nPictureState == -8888)
        m_view.m_nPictureState = 1;
    const int mode = doc.m_nMapDisplayMode;
    if (mode != 13) {
        if (doc.position.m_nMapType == 2 || doc.position.m_nMapType == 3) {
            RemoveViewButtons(7);
            for (int kind : {13, 14, 27})
                SetViewButton(kind, "", 0, 0, 0, 0);
        }
        if (mode == 5 || mode == 10) {
            RemoveViewButtons(6);
            if (doc.position.m_nMapType == 4) {
                RemoveViewButtons(8);
                doc.menus.m_nGuideMapIndex = -1;
            }
            doc.statistics.m_nShow = -1;
            doc.position.m_nPrefectureSel = 0;
            const bool wasPrefectureMap = doc.position.m_nMapType == 2;
            if (doc.position.m_nMapType != 1) {
                doc.position.m_nMapType = 1;
                doc.position.m_nMapFigure = doc.position.m_nMapFigureCopy;
                doc.position.m_nMapFrame = doc.position.m_nMapFrame == 1 ? 2 : 1;
            }
            if (doc.position.m_nMapFrame == 1) {
                doc.position.m_nMapFrame = 2;
            } else if (doc.position.m_nMapFrame == 2) {
                doc.position.m_nMapFrame = 1;
            } else if (doc.position.m_nMapFrame == 3) {
                doc.position.m_nMapFrame = m_view.m_nViewFrameKind;
                doc.position.m_nMapFigure = doc.position.m_nMapFigureCopy;
            }
            if (wasPrefectureMap)
                doc.position.m_nMapFrame = doc.position.m_nMapFrameCopy2;
            else
                doc.position.m_nMapFrameCopy2 = doc.position.m_nMapFrame;
            if (doc.position.m_nMapFigure == 0)
                doc.pointer.m_nMouseDrag = doc.pointer.m_nMouseDragCopy;
            ShowListedSheet(15);
            return;
        }
        if (doc.position.m_nMapType != 1) {
            doc.position.m_nMapType = 1;
            doc.position.m_nMapFigure = doc.position.m_nMapFigureCopy;
            ShowListedSheet(15);
            return;
        }
    }
    // The album play stops.
    m_view.m_nPageIndex = -1;
    m_view.KillTimer(IDT_ALBUMPAGE);
    if (m_view.m_bSlideTimerRunning) {
        m_view.KillTimer(IDT_SLIDESHOW);
        m_view.m_bSlideTimerRunning = false;
    }
    if (m_view.m_bAfterProgramTimerRunning) {
        m_view.KillTimer(IDT_AFTERPROGRAM);
        m_view.m_bAfterProgramTimerRunning = false;
    }
    RemoveViewButtons(4);
    AddViewButtons(2);
    doc.m_nMapDisplayMode = map_display::kIdle;
    m_view.m_nAlbumTicks = 0;
    if (m_view.m_strPlayMode == "AUTO" && doc.repaint.m_strViewState == "JPG_SLIDE") {
        doc.repaint.m_strViewState.clear();
        m_view.InvalidateView(true);
    } else {
        m_strSlideCaption.clear();
    }
}

void ViewNavigation::DrawSheetFrame(vd::Dc& dc, int flag)
{
    {
        CMapRenderer renderer(&dc, &m_doc, m_view.m_nSavedWidth, m_view.m_nSavedHeight);
        renderer.DrawOverviewFrame(flag);
    }
    if (flag == 0 && m_doc.m_nMapDisplayMode == map_display::kDataSourceOverview) {
        const bool wide = m_view.m_nSavedWidth > 800;
        SetViewButton(32, "Next", wide ? 225 : 155, 219, wide ? 271 : 201, 243);
        SetViewButton(12, "他地域", m_view.m_nSavedWidth - 140, 8, 65, 1);
    }
}

// A listed sheet: 11..19 the 3 x 3 block around the current sheet, 15 the sheet itself.
void ViewNavigation::ShowListedSheet(int index)
{
    if (index != 15)
        m_nSheetButtonState = 1;
    if (m_doc.position.m_nMapFrame == 3)
        m_doc.position.m_nMapFrame = m_view.m_nEnlargeSavedFrame;
    m_doc.ShowSheetByIndex(index);
}

void ViewNavigation::ApplySheetChoice()
{
    CDlgSheetSelect* dialog = m_view.m_pDlgSheetSelect.get();
    if (!dialog)
        return;
    m_doc.position.m_strDistrict = dialog->m_strRegion;
    m_doc.m_strMapName = dialog->m_strChosenName;
    m_doc.spec.m_nPointPopup = dialog->m_nViewValue;
    m_doc.FindSheetByName(m_doc.m_strMapName, m_doc.folders.m_strSheetIndexFile);
    m_doc.m_nMapDisplayMode = map_display::kMainMap;
    m_view.InvalidateView(true);
}

// The find-place dialog's choice: a changed search setting opens the dialog anew in it; else
// the chosen place's sheet is shown.
void ViewNavigation::ApplyPlaceChoice()
{
    const PlaceChoice choice = ChosenPlace(*m_view.m_pDlgFindPlace);
    m_doc.m_strFindPlace = choice.place;
    m_doc.position.m_strDistrict = choice.district;
    const bool changed =
        choice.kind != m_doc.pointer.m_nFindPlaceKind || choice.option != m_doc.pointer.m_nFindPlaceOption;
    m_doc.pointer.m_nFindPlaceKind = choice.kind;
    m_doc.pointer.m_nFindPlaceOption = choice.option;
    if (changed) {
        if (m_view.m_pDlgFindPlace->IsWindow())
            m_view.m_pDlgFindPlace->DestroyWindow();
        m_doc.pointer.m_nActiveViewDialog = -1;
        m_view.OpenFindPlaceDialog();
        return;
    }
    ShowMeshCodeSheet(choice.meshCode);
}

void ViewNavigation::ApplyMunicipalityChoice()
{
    const PlaceChoice choice = ChosenPlace(*m_view.m_pDlgFindPlace);
    m_doc.pointer.m_strFindMunicipality = choice.place;
    m_doc.position.m_strDistrict = choice.district;
    ShowMeshCodeSheet(choice.meshCode);
}

void ViewNavigation::ShowMeshCodeSheet(const std::string& meshCode)
{
    const std::string sheet = m_doc.MeshCodeToSheetName(meshCode);
    if (sheet.empty())
        return; // an unknown place leaves the map where it is
    m_doc.m_strMapName = sheet;
    m_doc.m_astrMapEntry[0] = sheet;
    m_doc.ShowSheetByIndex(0);
}
