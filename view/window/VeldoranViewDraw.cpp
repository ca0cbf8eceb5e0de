// The repaint: OnDraw with its two stages, the main map, the municipality set-up of mode 30 and
// the steps after drawing (mouse mode, menu bar, off-screen copy).
#include "view/window/VeldoranView.h"

#include "app/document/VeldoranDoc.h"
#include "contracts/bindings/SurrickExports.h"
#include "contracts/surrick.h"
#include "platform/dc/Dc.h"
#include "platform/sys/ProfileStore.h"
#include "platform/ui/FrameWindow.h"
#include "platform/ui/Menu.h"
#include "platform/ui/Ui.h"
#include "platform/ui/WaitCursor.h"
#include "view/window/MouseMode.h"
#include "view/navigation/ViewNavigation.h"
#include "view/pages/ViewPages.h"
#include "view/renderer/MapRenderer.h"
#include "app/document/MapDisplayMode.h"

using namespace map_display;

void CVeldoranView::OnDraw(vd::Dc& dc)
{
    // While printing, dc is the printer's: the after-draw steps still work on the window.
    const bool printing = m_nPrintState == -1;
    ViewWindowDcScope scope(*this, printing ? nullptr : &dc);
    if (m_bErasePending && !printing) {
        m_bErasePending = false;
        OnEraseBkgnd(dc);
    }
    CVeldoranDoc& doc = *m_pDoc;
    if (doc.m_nMapDisplayMode == kSuspended)
        return;
    if (doc.repaint.m_strViewState == "GEOLEND") {
        doc.repaint.m_bMapOnScreen = 0;
        DrawGeologyTable(dc);
        doc.repaint.m_strViewState.clear();
        m_pNavigation->SetViewButton(16, std::string("地図"), m_nSavedWidth - 59, 3, m_nSavedWidth - 9, 27);
        return;
    }
    if (doc.repaint.m_nCdRomPrompt == -1) {
        vd::ui::AfxMessageBox("CDROM 「" + doc.registered.m_strDataFileTitle + "」を準備してください！", vd::MB_OK);
        doc.repaint.m_nCdRomPrompt = 0;
    }

    const int prepared = PrepareRepaint();
    if (prepared == 0)
        return;
    int result = 1; // non-zero: the drawing stage did not run
    if (prepared != 1) {
        bool timerStep = false;
        if (doc.repaint.m_strViewState == "JPG_SLIDE" && m_strPlayMode == "AUTO") {
            m_nSlideTicks = 0;
            SetTimer(IDT_SLIDESHOW, 1000);
            m_bSlideTimerRunning = true;
            timerStep = true;
        } else if (doc.repaint.m_strViewState == "9999" && m_strPlayMode == "AUTO") {
            EndSlideProgram();
            SetTimer(IDT_AFTERPROGRAM, 1000);
            m_bAfterProgramTimerRunning = true;
            timerStep = true;
        }
        if (!timerStep) {
            const vd::ui::Rect window = GetWindowRect();
            m_nScreenX = window.left + 2;
            m_nScreenY = window.top + 2;
            const vd::ui::Rect client = GetClientRect();
            if (m_nPrintState == -1) {
                doc.m_nMapDisplayMode = kTextPage;
                DrawTextPage(dc);
                doc.m_nMapDisplayMode = kTextPage;
            } else if (m_nFirstPaint == -999) {
                doc.BuildTintRamp();
                m_nSavedWidth = client.right;
                m_nSavedHeight = client.bottom;
                m_nFirstPaint = 10;
                OnRedisplayMap();
            } else if (client.right != m_nSavedWidth || client.bottom != m_nSavedHeight) {
                OnMove();
                return;
            } else {
                const bool wide = m_nSavedWidth > 800;
                doc.pointer.m_nOverviewOriginX = wide ? 560 : 420;
                m_strBlankLine.assign(wide ? 69 : 59, ' ');
                result = DrawByMapMode(dc, 0);
            }
        }
    }
    AfterDraw(result);
}

int CVeldoranView::PrepareRepaint()
{
    CVeldoranDoc& doc = *m_pDoc;
    int& mode = doc.m_nMapDisplayMode;
    if (m_nFirstPaint == -999 || mode == kPaletteChanged || mode == kRedrawMap)
        RebuildBackgroundTools();
    switch (mode) {
    case kSheetDialog:
        OpenSheetDialog();
        return 0;
    case kRouteAreaSheets: {
        const int flag = doc.m_nPointDisplayFlag;
        ShowRouteAreaSheets();
        doc.m_nPointDisplayFlag = flag;
        return 1;
    }
    case kSkipOnce:
        mode = kMapShown;
        return 0;
    case kPaletteChanged:
    case kRedrawMap:
        mode = kIdle;
        doc.BuildTintRamp();
        OnRedisplayMap();
        return 1;
    case kPicturePageEntry:
        if (m_nTextPageState < 0)
            m_pNavigation->ResetPageScrollBar();
        mode = kPicturePage;
        return -1;
    case kPictureViewerBack:
        if (m_nPictureState != -8888)
            return -1;
        SaveRestoreMap(1, m_nSavedX, m_nSavedY, m_nSavedX, m_nSavedY, m_nSavedWidth, m_nSavedHeight);
        m_nPictureState = 1;
        m_nLastMapState = 0;
        mode = kMapShown;
        if (doc.m_strEntryState == "NOTMOUSE") {
            doc.repaint.m_bMapOnScreen = 0;
            doc.m_strEntryState.clear();
        } else {
            doc.repaint.m_bMapOnScreen = 1;
        }
        return 1;
    case kTextPageEntry:
        doc.repaint.m_bMapOnScreen = 0;
        doc.pointer.m_nMouseTool = 0;
        if (doc.m_strEntryParam.empty())
            doc.m_strEntryParam = doc.entry.m_strEntryDefaultParam;
        if (m_nTextPageState < 0) {
            m_pNavigation->ResetPageScrollBar();
            m_nTextPageState = 0;
        }
        mode = kTextPage;
        return -1;
    default:
        return -1;
    }
}

int CVeldoranView::DrawByMapMode(vd::Dc& dc, int result)
{
    CVeldoranDoc& doc = *m_pDoc;
    const int w = m_nSavedWidth;
    const int h = m_nSavedHeight;
    // A page or picture drawn in place of the map stays on screen: the after-draw steps would
    // otherwise copy the saved map back over it, and the user would never see it.
    if (result == 0 && DrawsAPage(doc.m_nMapDisplayMode, doc.repaint.m_bMapOnScreen, doc.m_strEntryParam))
        result = kPageDrawn;
    // Another screen replaces the text page: opening the same text again enters it anew.
    if (doc.m_nMapDisplayMode != kTextPage && doc.m_nMapDisplayMode != kMapShown && doc.m_nMapDisplayMode != kIdle &&
        m_pPages)
        m_pPages->m_strShownText.clear();
    // The invalidation may not have erased (the tint map's and the page buttons' do not): the
    // screen before would show around such a screen.
    if (DrawnOnErasedWindow(doc.m_nMapDisplayMode, doc.m_strEntryParam))
        EraseWindow(dc);
    switch (doc.m_nMapDisplayMode) {
    case kRouteAreaIndex:
        DrawRouteAreaMaster(dc);
        break;
    case kSheetIndex:
        doc.menus.m_nGuideMapIndex = -1;
        m_nLastMapState = 1;
        if (doc.repaint.m_bMapOnScreen == 0) {
            m_pNavigation->RemoveViewButtons(1);
            DrawSheetIndexMap(dc);
        }
        doc.repaint.m_bMapOnScreen = 1;
        break;
    case kMainMap:
        DrawMainMap(dc);
        return 1;
    case kOverview:
    case kDataSourceOverview:
    case kDragOverview:
        // Drawn: the after-draw steps keep the overview instead of copying the saved map over it.
        DrawDragOverview(dc);
        return 1;
    case kAlbum:
        // A page drawn is what the window shows now: the after-draw steps keep it instead of
        // copying the saved map over it.
        DrawAlbum(dc);
        return 1;
    case kPicturePage:
    case kJpegPicturePage:
        DrawMemo(dc, doc.m_nMapDisplayMode == kPicturePage ? 0 : 1);
        return 1;
    case kPicture:
        DrawPicture();
        break;
    case kTextPage:
        if (doc.m_strEntryParam.empty())
            return 1;
        ShowTextPage(dc);
        break;
    case kSubmarineMeshMap:
        m_pNavigation->RemoveViewButtons(1);
        m_pNavigation->SetViewButton(27, std::string("元の地図"), w - 100, h - 60, w - 20, h - 36);
        DrawSubmarineMeshMap(dc);
        doc.m_nMapDisplayMode = kIdle;
        SetFrameTitle("水深ﾃﾞｰﾀ中間ファイルの作成状況");
        break;
    case kSubmarineMeshFile:
        m_pNavigation->RemoveViewButtons(1);
        m_pNavigation->SetViewButton(27, std::string("元の地図"), w - 100, h - 60, w - 20, h - 36);
        SetFrameTitle("水深ﾃﾞｰﾀ中間ファイルの作成");
        MakeSubmarineMeshFile(dc);
        doc.m_nMapDisplayMode = kIdle;
        break;
    case kSheetPicture:
        DrawSheetPicture(dc);
        doc.repaint.m_bMapOnScreen = 1;
        SetFrameTitle(doc.entry.m_strSheetPictureTitle);
        break;
    case kCityBoundarySetup:
        SetUpCityBoundaries(dc);
        break;
    default:
        break;
    }
    return result;
}

void CVeldoranView::DrawMainMap(vd::Dc& dc)
{
    CVeldoranDoc& doc = *m_pDoc;
    doc.menus.m_nGuideMapIndex = -1;
    // Buttons of the pages and of the registered-data overview belong to those screens alone.
    if (m_pNavigation)
        for (int kind : {15, 16, 26, 30, 31, 32})
            m_pNavigation->SetViewButton(kind, "", 0, 0, 0, 0);
    std::string trackWord;
    {
        vd::WaitCursor wait;
        const int pointFlag = doc.m_nPointDisplayFlag;
        if (doc.position.m_nMapType == 1) {
            trackWord = DrawLayeredMap(dc);
            if (doc.search.m_nPlaceNameLayer >= 0)
                DrawPlaceNameLayer(dc, doc.m_strPlaceNameState == "GNPF" ? 0 : 1);
        } else if (!doc.statistics.Chosen()) {
            trackWord = DrawJapanMap(dc);
        } else {
            DrawPrefectureMap(dc);
        }
        doc.m_nPointDisplayFlag = pointFlag;
    }
    if (trackWord == "TRACK" && doc.position.m_nMapType == 1 && doc.position.m_nMapFrame < 3 &&
        doc.repaint.m_strLayerWord == "TRACKTRAIL") {
        if (doc.tracks.m_nTrackDisplay == 1 && !doc.tracks.m_strTrackFile.empty()) {
            CMapRenderer renderer(&dc, &doc, m_nSavedWidth, m_nSavedHeight);
            vd::WaitCursor wait;
            DrawTracks(renderer);
        }
        doc.repaint.m_strLayerWord.clear();
    }
    if (doc.position.m_nMapType == 1) {
        if (!doc.repaint.m_bHideSheetButtons)
            m_pNavigation->AddViewButtons(0);
        m_pNavigation->AddViewButtons(3);
    }
}

void CVeldoranView::SetUpCityBoundaries(vd::Dc& dc)
{
    CVeldoranDoc& doc = *m_pDoc;
    auto* boundarySet = Surrick().OnCityBoundarySet.fn;
    auto* coastlineSet = Surrick().OnCoastlineSet.fn;
    m_pNavigation->RemoveViewButtons(1);
    // Repaints caused by Surrick's dialogs draw nothing meanwhile.
    doc.m_nMapDisplayMode = kSuspended;
    doc.repaint.m_bMapOnScreen = 0;
    const std::string answer =
        boundarySet ? boundarySet(&dc, doc.folders.m_strCityBorderDir, doc.folders.m_strCoastlineDir, 0) : "";
    if (!answer.empty()) {
        const std::size_t hash = answer.find('#');
        const std::string boundaryDir = answer.substr(0, hash);
        vd::ProfileStore profile;
        if (boundaryDir != doc.folders.m_strCityBorderDir) {
            doc.folders.m_strCityBorderDir = boundaryDir;
            profile.writeString("System", "CityBorderDir", boundaryDir);
        }
        if (hash != std::string::npos) {
            const std::string coastlineDir = answer.substr(hash + 1);
            if (coastlineDir != doc.folders.m_strCoastlineDir) {
                doc.folders.m_strCoastlineDir = coastlineDir;
                profile.writeString("System", "CoastlineDir", coastlineDir);
            }
        }
        if (!doc.folders.m_strCoastlineDir.empty() && coastlineSet)
            coastlineSet(&dc, doc.folders.m_strCoastlineDir);
    }
    doc.m_nMapDisplayMode = kMainMap;
    m_pNavigation->RunButtonCommand(327);
}

bool CVeldoranView::DrawsAPage(int mode, int mapOnScreen, const std::string& entryParam)
{
    switch (mode) {
    case kRouteAreaIndex:
    case kPicture:
    case kSubmarineMeshMap:
    case kSubmarineMeshFile:
    case kSheetPicture:
        return true;
    case kSheetIndex: // drawn unless it is on screen already
        return mapOnScreen == 0;
    case kTextPage:
        return !entryParam.empty();
    default:
        return false;
    }
}

bool CVeldoranView::DrawnOnErasedWindow(int mode, const std::string& entryParam)
{
    switch (mode) {
    case kOverview: // the overview's frame starts 4 pixels inside the window
    case kDataSourceOverview:
    case kDragOverview:
    case kSubmarineMeshMap: // so do the depth-file pages'
    case kSubmarineMeshFile:
        return true;
    case kTextPage: // boxes and lines of text
        return !entryParam.empty();
    default:
        return false;
    }
}

void CVeldoranView::AfterDraw(int result)
{
    CVeldoranDoc& doc = *m_pDoc;
    MouseModeInputs inputs;
    inputs.viewLocked = doc.repaint.m_bHideSheetButtons;
    inputs.mapDisplayMode = doc.m_nMapDisplayMode;
    inputs.mouseButtonState = m_strMouseButtonState;
    inputs.clickMode = doc.pointer.m_nMouseTool;
    doc.pointer.m_nMouseMode = GetMouseMode(inputs);
    if (doc.repaint.m_nReactivated == -999)
        doc.repaint.m_nReactivated = 1;

    SwapMenuBar();

    const int tool = doc.pointer.m_nMouseTool;
    const bool regionTool = tool == 1 || tool == 2 || tool == 4;
    if (doc.m_nMapDisplayMode == kMapShown && regionTool && doc.pointer.m_nMouseMode == 3)
        doc.pointer.m_nMouseMode = tool == 2 ? map_display::kDataSourceOverview : map_display::kSheetIndex;
    m_nSavedX = 0;
    m_nSavedY = 0;
    // The map on screen is put back when nothing was drawn, kept when a map was drawn; a page
    // leaves the kept map as it was.
    if (result != kPageDrawn)
        SaveRestoreMap(result == 0 ? 1 : 0, 0, 0, 0, 0, m_nSavedWidth, m_nSavedHeight);
    doc.pointer.m_bMouseToolActive = regionTool ? 1 : 0;

    if (doc.entry.m_strEntryTarget == "ApplecationExec") {
        m_nSavedX = 0;
        m_nSavedY = 0;
        SaveRestoreMap(1, 0, 0, 0, 0, m_nSavedWidth, m_nSavedHeight);
        doc.entry.m_strEntryTarget.clear();
    }
    m_nSelectedSymbolScheme = -1;
}

void CVeldoranView::SwapMenuBar()
{
    CVeldoranDoc& doc = *m_pDoc;
    if (doc.menus.m_nMenuBarState < -2) {
        const bool mainBar = doc.menus.m_nMenuBarState == -3;
        doc.menus.m_nMenuBarState = mainBar ? -1 : -2;
        if (vd::FrameWindow* frame = GetParentFrame()) {
            vd::Menu menu;
            if (menu.LoadMenu(mainBar ? 128 : 133))
                frame->SetMenu(menu);
            frame->DrawMenuBar();
        }
    }
    if (doc.menus.m_nMenuBarState == -1) {
        AppendMapFileMenu();
        AppendGuideMapMenu();
    } else if (doc.menus.m_nMenuBarState == -2) {
        AppendItemMenus();
    }
}
