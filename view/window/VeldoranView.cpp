// The map view: construction, its tools, the off-screen copies, the window events and the end of
// its modeless dialogs.
#include "view/window/VeldoranView.h"

#include "app/document/MapDisplayMode.h"
#include "app/document/VeldoranDoc.h"
#include "app/libraries/LibraryLoading.h"
#include "graphics/BackgroundShade.h"
#include "platform/dc/ImageDc.h"
#include "platform/sys/ProfileStore.h"
#include "platform/ui/FrameWindow.h"
#include "view/findplace/FindPlaceDialog.h"
#include "view/layercommands/FormatFileCommand.h"
#include "view/layercommands/GeologyTableCommand.h"
#include "view/menubars/MenuBars.h"
#include "view/navigation/ViewNavigation.h"
#include "view/pages/ViewPages.h"
#include "view/pointer/PointerActions.h"
#include "view/registration/PointRegistration.h"
#include "view/routes/RouteAreaMaps.h"
#include "view/renderer/MapRenderer.h"
#include "view/sheetmap/SheetSelectDialog.h"
#include "view/sheetmap/ViewBaseMap.h"
#include "view/window/ViewActivation.h"
#include "view/window/ViewMessages.h"

namespace {

// The view's pens are the renderer's first 25 but for pen 18, which is dotted red here.
RendererPenSpec ViewPen(int index)
{
    if (index == 18)
        return {vd::PS_DOT, 1, vd::RGB(255, 0, 0)};
    return kRendererPens[index];
}

} // namespace

CVeldoranView::CVeldoranView(CVeldoranDoc& document) : m_pDoc(&document)
{
    m_pDlgSheetSelect = std::make_unique<CDlgSheetSelect>(CDlgSheetSelect::ModelessTag{}, this);
    m_pDlgFindPlace = std::make_unique<CDlgFindPlace>(this);
    m_pMemDC = std::make_unique<vd::ImageDc>();
    CreateTools();
    m_strJpgInSlide = vd::ProfileStore().getString("System", "JPGinSlide", "on");
    LoadDovanne();
    ConnectCommands();
    ConnectMapCommands();
    ConnectFormatFileCommand(*this);
    ConnectGeologyTableCommand(*this);
    ConnectMenuBarCommands(*this);
    m_pBaseMap = std::make_unique<ViewBaseMap>(*this);
    m_pNavigation = std::make_unique<ViewNavigation>(*this);
    m_pPages = std::make_unique<ViewPages>(*this);
    m_pPointer = std::make_unique<PointerActions>(*this);
    m_pRegistration = std::make_unique<PointRegistration>(*this);
    m_pRouteMaps = std::make_unique<RouteAreaMaps>(*this);
}

CVeldoranView::~CVeldoranView()
{
    if (m_pDlgSheetSelect && m_pDlgSheetSelect->IsWindow())
        m_pDlgSheetSelect->DestroyWindow();
    if (m_pDlgFindPlace && m_pDlgFindPlace->IsWindow())
        m_pDlgFindPlace->DestroyWindow();
}

void CVeldoranView::CreateTools()
{
    vd::LogFont label = vd::StockFont(vd::SYSTEM_FONT).GetLogFont();
    label.lfHeight = -16;
    label.lfWidth = 0;
    label.lfFaceName = "ＭＳ ゴシック";
    m_fontLabel.CreateFontIndirect(label);
    m_fontText.CreateFont(16, 0, 0, 0, vd::FW_NORMAL, false, false, false, vd::SHIFTJIS_CHARSET, vd::OUT_TT_PRECIS,
                          vd::CLIP_DEFAULT_PRECIS, vd::PROOF_QUALITY, vd::VARIABLE_PITCH | vd::FF_MODERN,
                          "ＭＳ ゴシック");
    m_logFontText = m_fontText.GetLogFont();
    for (int i = 0; i < kBrushCount; ++i)
        m_aBrush[i].CreateSolidBrush(kRendererBrushColours[i]);
    for (int i = 0; i < kPenCount; ++i) {
        const RendererPenSpec pen = ViewPen(i);
        m_aPen[i].CreatePen(pen.style, pen.width, pen.colour);
    }
    m_pBackgroundBrush = std::make_unique<vd::Brush>(vd::RGB(255, 255, 255));
    m_pBackgroundShadeBrush = std::make_unique<vd::Brush>(vd::RGB(255, 255, 255));
    m_pBackgroundShadePen = std::make_unique<vd::Pen>(vd::PS_SOLID, 1, vd::RGB(255, 255, 255));
}

void CVeldoranView::RebuildBackgroundTools()
{
    const vd::COLORREF shade = shade::ShadeColour(m_pDoc->colours.m_crBackground);
    m_pBackgroundBrush = std::make_unique<vd::Brush>(m_pDoc->colours.m_crBackground);
    m_pBackgroundShadeBrush = std::make_unique<vd::Brush>(shade);
    m_pBackgroundShadePen = std::make_unique<vd::Pen>(vd::PS_SOLID, 1, shade);
}

void CVeldoranView::OnInitialUpdate()
{
    vd::View::OnInitialUpdate();
    // Memory device contexts here need no device of their own: the back buffer is true colour.
    if (!m_pMemDC)
        m_pMemDC = std::make_unique<vd::ImageDc>();
}

void CVeldoranView::OnActivateWindow(bool active)
{
    OnViewWindowActivation(*this, active);
}

void CVeldoranView::InvalidateView(bool erase)
{
    m_bErasePending = m_bErasePending || erase;
    Invalidate(erase);
}

void CVeldoranView::OnEraseBkgnd(vd::Dc& window)
{
    CVeldoranDoc& doc = *m_pDoc;
    if (doc.repaint.m_bLayerDialogOpen == 1) {
        doc.repaint.m_bLayerDialogOpen = 0;
        doc.m_nMapDisplayMode = doc.repaint.m_nSavedMapDisplayMode;
        doc.repaint.m_bMapErasedByDialog = 1;
    }
    EraseWindow(window);
}

void CVeldoranView::EraseWindow(vd::Dc& window)
{
    const vd::ui::Rect client = GetClientRect();
    window.FillSolidRect(vd::Rect{0, 0, client.right, client.bottom}, vd::RGB(255, 255, 255));
}

void CVeldoranView::OnUpdate(vd::View*, std::intptr_t)
{
    CVeldoranDoc& doc = *m_pDoc;
    if (doc.m_nMapDisplayMode == map_display::kMainMapCleared) {
        doc.m_nMapDisplayMode = map_display::kMainMap;
        InvalidateView(true);
        return;
    }
    InvalidateView(!(doc.m_nMapDisplayMode == map_display::kPicture || doc.position.m_nMapFigure == 1));
}

void CVeldoranView::OnSize(int, int)
{
    m_pNavigation->RemoveViewButtons(1);
}

void CVeldoranView::OnMove()
{
    CVeldoranDoc& doc = *m_pDoc;
    doc.repaint.m_bMapOnScreen = 0;
    doc.pointer.m_nMouseTool = 0;
    doc.pointer.m_nMouseMode = 3;
    const vd::ui::Rect client = GetClientRect();
    m_nSavedWidth = client.right;
    m_nSavedHeight = client.bottom;
    // Only a mode that a drawing kept: a resize before the first map was drawn (a window manager
    // framing the window at start) keeps the drawing that is due.
    if (doc.repaint.m_nSavedMapDisplayMode != map_display::kIdle)
        doc.m_nMapDisplayMode = doc.repaint.m_nSavedMapDisplayMode;
    if (!m_strSavedEntryParam.empty())
        doc.m_strEntryParam = m_strSavedEntryParam;
    // Only a name that a drawing kept: a resize before any map was drawn keeps the current name.
    if (!m_strSavedMapName.empty())
        doc.m_strMapName = m_strSavedMapName;
    InvalidateView(false);
}

void CVeldoranView::OnActivateView(bool activate)
{
    CVeldoranDoc& doc = *m_pDoc;
    if (activate) {
        if (doc.m_nMapDisplayMode != map_display::kSuspended)
            doc.m_nMapDisplayMode = map_display::kMainMap;
        return;
    }
    const int mode = doc.m_nMapDisplayMode;
    const int tool = doc.pointer.m_nMouseTool;
    if (mode == 20 || mode == 13 || mode == 9 || tool == 1 || tool == 2 || tool == 4)
        return;
    doc.repaint.m_nReactivated = -999;
    m_nPictureState = 1;
    doc.m_nMapDisplayMode = map_display::kMapShown;
    doc.pointer.m_nMouseTool = 0;
}

void CVeldoranView::OnBeginPrinting()
{
    m_nPrintState = -1;
}

void CVeldoranView::OnEndPrinting()
{
    m_nPrintState = 1;
    m_pDoc->m_nMapDisplayMode = map_display::kTextPage;
    m_strSavedEntryParam.clear();
    InvalidateView(true);
}

std::intptr_t CVeldoranView::OnMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam)
{
    if (message == WM_VIEWDIALOGDONE)
        return OnViewDialogDone();
    if (message == WM_RELEASEVIEWCONTROLS) {
        if (m_pNavigation)
            m_pNavigation->ReleaseRetiredControls();
        return 0;
    }
    return vd::View::OnMessage(message, wParam, lParam);
}

std::intptr_t CVeldoranView::OnViewDialogDone()
{
    CVeldoranDoc& doc = *m_pDoc;
    switch (doc.pointer.m_nActiveViewDialog) {
    case 0:
        if (m_pDlgSheetSelect && !HandleSheetDialogDone(*m_pDlgSheetSelect))
            doc.pointer.m_nActiveViewDialog = -1;
        else
            m_pNavigation->ApplySheetChoice();
        break;
    case 1:
    case 2: {
        const bool places = doc.pointer.m_nActiveViewDialog == 1;
        const int state = m_pDlgFindPlace->m_nModelessState;
        if (state != 2) { // Cancel, Escape or the close box
            EndFindPlaceSearch();
            break;
        }
        if (places)
            m_pNavigation->ApplyPlaceChoice();
        else
            m_pNavigation->ApplyMunicipalityChoice();
        // A shown place ends the place search; a changed search setting has opened the dialog
        // anew (its state is 1 again). The municipality search stays open: the chosen
        // municipality is drawn only while its dialog is.
        const int after = m_pDlgFindPlace->m_nModelessState;
        if (places && after == 2 && doc.pointer.m_nActiveViewDialog == 1)
            EndFindPlaceSearch();
        break;
    }
    default:
        break;
    }
    return 0;
}

void CVeldoranView::EndFindPlaceSearch()
{
    CVeldoranDoc& doc = *m_pDoc;
    if (m_pDlgFindPlace->IsWindow())
        m_pDlgFindPlace->DestroyWindow();
    if (doc.pointer.m_nActiveViewDialog == 1) {
        if (doc.pointer.m_nFindPlaceKind == 2)
            doc.pointer.m_nFindPlaceKind = 1;
    } else {
        // The chosen municipality is outlined only while its dialog is open: the map is drawn
        // again without it.
        if (!doc.pointer.m_strFindMunicipality.empty() && doc.m_nMapDisplayMode == map_display::kMapShown) {
            doc.m_nMapDisplayMode = map_display::kMainMap;
            InvalidateView(true);
        }
        doc.pointer.m_strFindMunicipality.clear();
        if (doc.pointer.m_nFindPlaceKind == 3)
            doc.pointer.m_nFindPlaceKind = 1;
    }
    // The search text belonged to the closed window: the next one starts unfiltered.
    m_pDlgFindPlace->m_strSearch.clear();
    doc.pointer.m_nActiveViewDialog = -1;
}

void CVeldoranView::CopyOffScreen(vd::Bitmap& copy, int flag, int x, int y, int a, int b, int w, int h)
{
    auto transfer = [&](vd::Dc& window) {
        if (flag == 1) {
            if (copy.IsNull())
                return;
            const vd::Bitmap previous = m_pMemDC->SelectObject(copy);
            window.BitBlt(x, y, w, h, m_pMemDC.get(), a, b, vd::SRCCOPY);
            m_pMemDC->SelectObject(previous);
            return;
        }
        copy.DeleteObject();
        if (w <= 0 || h <= 0 || !copy.CreateCompatibleBitmap(&window, w, h))
            return;
        const vd::Bitmap previous = m_pMemDC->SelectObject(copy);
        m_pMemDC->PatBlt(0, 0, w, h, vd::PATCOPY);
        m_pMemDC->BitBlt(a, b, w, h, &window, x, y, vd::SRCCOPY);
        m_pMemDC->SelectObject(previous);
    };
    if (m_pWindowDc) {
        transfer(*m_pWindowDc);
        return;
    }
    vd::ClientDc window = GetDC();
    if (window)
        transfer(*window);
}

void CVeldoranView::SaveRestoreMap(int flag, int x, int y, int a, int b, int right, int bottom)
{
    if (m_pDoc->pointer.m_bMouseToolActive == 1) {
        right = m_nSavedWidth;
        bottom = m_nSavedHeight;
        m_nSavedX = m_nSavedY = 0;
        x = y = 0;
    }
    CopyOffScreen(m_pMapSaveBitmap, flag, x, y, a, b, right - a, bottom - b);
}

void CVeldoranView::SaveRestorePatch(int flag, int x, int y, int a, int b, int right, int bottom)
{
    CopyOffScreen(m_pPatchSaveBitmap, flag, x, y, a, b, right - a, bottom - b);
}

void CVeldoranView::SetFrameTitle(const std::string& title)
{
    if (vd::FrameWindow* frame = GetParentFrame())
        frame->SetWindowText(title);
}
