// The view's window events (update, activation, the erase after a library dialog) and its own
// commands.
#include "MapViewFixture.h"

#include "platform/ui/Clipboard.h"
#include "platform/ui/WindowImpl.h"
#include "view/renderer/MapRenderer.h"
#include "view/window/ViewActivation.h"
#include "view/navigation/ViewNavigation.h"

#include <QCoreApplication>
#include <QEvent>

namespace {

using namespace viewtest;

TEST_F(MapView, AnUpdateTurnsMode500IntoTheMainMapAndErasesButForPictures)
{
    PastFirstPaint();
    doc->m_nMapDisplayMode = 500;
    doc->UpdateAllViews();
    EXPECT_EQ(doc->m_nMapDisplayMode, 5);

    // An update that erases shows white before the repaint draws; a picture keeps the window.
    for (const auto& [mode, erased] : {std::pair{10, true}, std::pair{17, false}}) {
        picture->FillSolidRect(vd::Rect{0, 0, kWidth, kHeight}, vd::RGB(0, 0, 255));
        doc->m_nMapDisplayMode = mode;
        view->standIns.drawPicture = [] {};
        doc->UpdateAllViews();
        view->m_pMapSaveBitmap.DeleteObject(); // nothing saved to copy back
        Repaint();
        EXPECT_EQ(picture->GetPixel(5, 5), erased ? vd::RGB(255, 255, 255) : vd::RGB(0, 0, 255)) << mode;
    }
}

TEST_F(MapView, ActivationShowsTheMainMapAndDeactivationKeepsTheMapOnScreen)
{
    struct Case {
        int mode;
        int tool;
        bool active;
        int modeAfter;
        int toolAfter;
    };
    for (const Case& c : {Case{10, 0, true, 5, 0}, Case{-30, 0, true, -30, 0}, Case{5, 3, false, 10, 0},
                          Case{20, 0, false, 20, 0}, Case{13, 0, false, 13, 0}, Case{9, 0, false, 9, 0},
                          Case{5, 1, false, 5, 1}, Case{5, 2, false, 5, 2}, Case{5, 4, false, 5, 4}}) {
        doc->m_nMapDisplayMode = c.mode;
        doc->pointer.m_nMouseTool = c.tool;
        doc->repaint.m_nReactivated = 1;
        view->m_nPictureState = -8888;
        view->OnActivateView(c.active);
        EXPECT_EQ(doc->m_nMapDisplayMode, c.modeAfter) << c.mode << " " << c.tool << " " << c.active;
        EXPECT_EQ(doc->pointer.m_nMouseTool, c.toolAfter) << c.mode << " " << c.tool;
        const bool deactivated = !c.active && c.modeAfter == 10;
        EXPECT_EQ(doc->repaint.m_nReactivated, deactivated ? -999 : 1) << c.mode << " " << c.tool;
        EXPECT_EQ(view->m_nPictureState, deactivated ? 1 : -8888);
    }
}

TEST_F(MapView, QtsActivationEventsReachTheViewAndALibraryDialogPutsTheSavedModeBack)
{
    view->OnInitialUpdate();
    QWidget* widget = vd::widgetOf(view);
    ASSERT_NE(widget, nullptr);
    view->impl()->needsDraw = false; // the picture on screen is drawn
    doc->m_nMapDisplayMode = 5;
    QEvent deactivate(QEvent::WindowDeactivate);
    QCoreApplication::sendEvent(widget, &deactivate);
    EXPECT_EQ(doc->m_nMapDisplayMode, 10);

    // A repaint asked for (a colour set just chosen) and not yet drawn still draws what it was
    // asked to: a deactivation in between does not turn it into a copy of the old picture.
    doc->m_nMapDisplayMode = 12;
    view->InvalidateView(false);
    ASSERT_TRUE(view->IsRepaintPending());
    QCoreApplication::sendEvent(widget, &deactivate);
    EXPECT_EQ(doc->m_nMapDisplayMode, 12);

    // A library dialog of a document command closes over the view.
    doc->repaint.m_bLayerDialogOpen = 1;
    doc->repaint.m_nSavedMapDisplayMode = 24;
    doc->m_nMapDisplayMode = -30;
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(widget, &activate);
    EXPECT_EQ(doc->repaint.m_bLayerDialogOpen, 0);
    EXPECT_EQ(doc->repaint.m_bMapErasedByDialog, 1);
    EXPECT_EQ(doc->m_nMapDisplayMode, 5) << "the saved mode, then the activation's";
}

TEST_F(MapView, TheEraseAfterALibraryDialogPutsTheSavedModeBack)
{
    PastFirstPaint();
    RecordRoutines();
    ShowButtons({27, 40});
    doc->m_nMapDisplayMode = 10;
    doc->repaint.m_nSavedMapDisplayMode = 4;
    doc->repaint.m_bLayerDialogOpen = 1;
    view->InvalidateView(true);
    Repaint();
    EXPECT_EQ(doc->repaint.m_bLayerDialogOpen, 0);
    EXPECT_EQ(doc->repaint.m_bMapErasedByDialog, 1);
    EXPECT_EQ(DrawingCalls(), (std::vector<std::string>{"drawSheetIndexMap"}));
    EXPECT_EQ(ShownButtons(), (std::vector<std::string>{"40 k40"})) << "the sheet index map takes the map's buttons";
}

TEST_F(MapView, TheEnlargeToolTogglesAndClearsItsPrompt)
{
    PastFirstPaint();
    doc->repaint.m_bMapOnScreen = 1;
    doc->position.m_nMapFrame = 2;
    view->OnEnlargeSheet();
    EXPECT_EQ(doc->pointer.m_nMouseTool, 3);
    EXPECT_EQ(doc->pointer.m_nMouseMode, 8);
    EXPECT_EQ(view->m_nEnlargeSavedFrame, 2);
    view->OnEnlargeSheet();
    EXPECT_EQ(doc->pointer.m_nMouseTool, 0);
    EXPECT_EQ(doc->pointer.m_nMouseMode, 3);
    EXPECT_EQ(view->m_nDragState, 9999);

    // Not without a map on screen, nor over another tool.
    doc->repaint.m_bMapOnScreen = 0;
    view->OnEnlargeSheet();
    EXPECT_EQ(doc->pointer.m_nMouseTool, 0);
    doc->repaint.m_bMapOnScreen = 1;
    doc->pointer.m_nMouseTool = 1;
    view->OnEnlargeSheet();
    EXPECT_EQ(doc->pointer.m_nMouseTool, 1);
}

TEST_F(MapView, TheEnlargeCommandsMenuStateFollowsTheMapAndTheTool)
{
    struct Case {
        int onScreen, mapType, frame, tool;
        bool enabled;
        int checked;
    };
    doc->repaint.m_bMapOnScreen = 1;
    doc->position.m_nMapType = 1;
    doc->position.m_nMapFrame = 2;
    doc->pointer.m_nMouseTool = 0;
    // The white map only: with the map figure shown the tool is not offered.
    doc->position.m_nMapFigure = 1;
    vd::CmdUI figure(ID_ENLARGE_SHEET);
    ASSERT_TRUE(view->routeUpdate(figure));
    EXPECT_FALSE(figure.enabled.value_or(true));
    doc->position.m_nMapFigure = 0;
    for (const Case& c : {Case{1, 1, 2, 0, true, 0}, Case{1, 1, 2, 3, true, 1}, Case{0, 1, 2, 0, false, 0},
                          Case{1, 2, 2, 0, false, 0}, Case{1, 1, 3, 0, false, 1}}) {
        doc->repaint.m_bMapOnScreen = c.onScreen;
        doc->position.m_nMapType = c.mapType;
        doc->position.m_nMapFrame = c.frame;
        doc->pointer.m_nMouseTool = c.tool;
        vd::CmdUI ui(ID_ENLARGE_SHEET);
        ASSERT_TRUE(view->routeUpdate(ui));
        EXPECT_EQ(ui.enabled.value_or(true), c.enabled);
        EXPECT_EQ(ui.checked.value_or(0), c.checked);
    }
}

TEST_F(MapView, TheRouteToolToggles)
{
    PastFirstPaint();
    view->m_nRoutePointCount = 4;
    view->OnCreateRouteMap();
    EXPECT_EQ(doc->pointer.m_nMouseTool, 5);
    EXPECT_EQ(doc->pointer.m_nMouseMode, 9);
    EXPECT_EQ(view->m_nRoutePointCount, 0);
    view->OnCreateRouteMap();
    EXPECT_EQ(doc->pointer.m_nMouseTool, 0);
    EXPECT_EQ(doc->pointer.m_nMouseMode, 3);
}

TEST_F(MapView, AFontTallerThan24PixelsIsCreated25High)
{
    ShowButtons({30, 31, 15});
    vd::LogFont chosen = view->m_fontText.GetLogFont();
    chosen.lfHeight = 30;
    script->answerFont(chosen);
    doc->repaint.m_bMapOnScreen = 1;
    view->OnTextFont();
    EXPECT_EQ(view->m_fontText.GetLogFont().lfHeight, 25);
    EXPECT_EQ(script->fontsAsked().at(0).lfHeight, 16) << "starts from the view's text font";
    EXPECT_EQ(ShownButtons(), (std::vector<std::string>{"15 k15"})) << "the page buttons go";
    EXPECT_EQ(doc->repaint.m_bMapOnScreen, 0);

    ShowButtons({30, 31});
    script->answerFont(std::nullopt);
    view->OnTextFont();
    EXPECT_EQ(view->m_fontText.GetLogFont().lfHeight, 25) << "cancel keeps the font";
    EXPECT_EQ(ShownButtons(), (std::vector<std::string>{"15 k15", "30 k30", "31 k31"}));
}

TEST_F(MapView, TheArrowKeysMoveOnlyASheetMapOnScreen)
{
    // The arrows press the block's sheet buttons 2, 4, 6 and 8: the sheet above, left, right, below;
    // elsewhere they are greyed, also over a table that took the map off the screen.
    for (const auto& [mode, mapType, onScreen, moves] :
         {std::tuple{10, 1, 1, true}, std::tuple{5, 1, 1, false}, std::tuple{10, 2, 1, false}, std::tuple{10, 1, 0, false}}) {
        std::vector<std::string> shown;
        for (int id = ID_ARROW_UP; id <= ID_ARROW_DOWN; ++id) {
            doc->m_astrMapEntry[12] = "北";
            doc->m_astrMapEntry[14] = "西";
            doc->m_astrMapEntry[16] = "東";
            doc->m_astrMapEntry[18] = "南";
            doc->m_strMapName = "中";
            doc->m_nMapDisplayMode = mode;
            doc->position.m_nMapType = mapType;
            doc->repaint.m_bMapOnScreen = onScreen;
            vd::CmdUI ui(id);
            view->routeUpdate(ui);
            EXPECT_EQ(ui.enabled.value_or(true), moves) << "the key is greyed where it does not move: " << mode << " " << mapType;
            view->routeCommand(id);
            shown.push_back(doc->m_strMapName);
        }
        const std::vector<std::string> expected =
            moves ? std::vector<std::string>{"北", "西", "東", "南"} : std::vector<std::string>{"中", "中", "中", "中"};
        EXPECT_EQ(shown, expected) << mode << " " << mapType;
    }
}

TEST_F(MapView, TheCopyPutsTheMapOnTheClipboard)
{
    PastFirstPaint();
    doc->position.m_nMapType = 2;
    view->standIns.drawJapanMap = [](vd::Dc& dc) {
        dc.FillSolidRect(vd::Rect{0, 0, 50, 50}, vd::RGB(0, 0, 255));
        return std::string();
    };
    frame->MoveWindow(0, 0, 640, 480);
    frame->ShowWindow(vd::SW_SHOW);
    vd::ui::processPendingEvents();
    view->m_nSavedWidth = view->GetClientRect().right;
    view->m_nSavedHeight = view->GetClientRect().bottom;
    doc->m_nMapDisplayMode = 5;
    view->InvalidateView(false);
    vd::ui::processPendingEvents(); // the drawing runs from the event queue, outside the paint
    vd::captureWindow(*view);
    view->OnCopyMap();
    const vd::Bitmap copied = vd::clipboardBitmap();
    ASSERT_FALSE(copied.IsNull());
    EXPECT_EQ(copied.GetSize().cx, view->GetClientRect().right - 1);
    vd::ImageDc dc(copied);
    EXPECT_EQ(dc.GetPixel(10, 10), vd::RGB(0, 0, 255));
    EXPECT_EQ(dc.GetPixel(49, 10), vd::RGB(255, 255, 255)) << "one pixel in from the left";
    frame->ShowWindow(vd::SW_HIDE);
}

TEST_F(MapView, PrintPreviewIsOfferedOnlyOnATextPage)
{
    for (const auto& [mode, enabled] : {std::pair{20, true}, std::pair{10, false}}) {
        doc->m_nMapDisplayMode = mode;
        for (int id : {ID_FILE_PRINT_PREVIEW, ID_FILE_PRINT_TEXT}) {
            vd::CmdUI ui(id);
            ASSERT_TRUE(view->routeUpdate(ui));
            EXPECT_EQ(ui.enabled.value_or(true), enabled) << id;
        }
    }
}

} // namespace

namespace {

using namespace viewtest;

TEST_F(MapView, TheViewsToolsAreTheRenderersPaletteWithADottedRedPen18)
{
    ASSERT_EQ(view->m_aPen.size(), 25u);
    for (int i = 0; i < 25; ++i) {
        const vd::Pen& pen = view->m_aPen[i];
        if (i == 18) {
            EXPECT_EQ(pen.Style(), vd::PS_DOT);
            EXPECT_EQ(pen.Colour(), vd::RGB(255, 0, 0));
        } else {
            EXPECT_EQ(pen.Colour(), kRendererPens[i].colour) << i;
            EXPECT_EQ(pen.Width(), kRendererPens[i].width) << i;
        }
    }
    for (int i = 0; i < 15; ++i)
        EXPECT_EQ(view->m_aBrush[i].Colour(), kRendererBrushColours[i]) << i;
    EXPECT_EQ(view->m_fontText.GetLogFont().lfHeight, 16);
    EXPECT_EQ(view->m_fontLabel.GetLogFont().lfHeight, -16);
    EXPECT_EQ(view->m_fontLabel.GetLogFont().lfFaceName, "ＭＳ ゴシック");

    // The first repaint builds the background tools in the document's colour and its shade.
    doc->colours.m_crBackground = vd::RGB(246, 246, 246);
    doc->m_nMapDisplayMode = 0;
    Repaint();
    EXPECT_EQ(view->m_pBackgroundBrush->Colour(), vd::RGB(246, 246, 246));
    EXPECT_EQ(view->m_pBackgroundShadePen->Colour(), vd::RGB(234, 234, 234));
}

} // namespace
