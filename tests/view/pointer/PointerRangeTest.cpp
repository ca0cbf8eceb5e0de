// The range enlargement dragged with the mouse (the band, its confirmation by a logging stand-in
// and by the real dialog, both answers, short and reversed drags, a missing library), the sheet
// chosen on the index map, the right-click menu's item states and the pointer's shapes and
// capture as the script records them.
#include "FakeDialogLibrary.h"
#include "PointerTestSupport.h"

#include "app/shell/ShellResources.h"
#include "platform/sys/LibraryLoader.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/Menu.h"
#include "platform/ui/Pointer.h"
#include "platform/ui/UiScript.h"
#include "view/pointer/PointerActions.h"

#include <algorithm>
#include <cstdlib>

namespace {

using namespace viewtest;

class RangeDrag : public PointerView {
protected:
    void BeforeDocument() override { UseFakeDialogLibrary(); }
    static std::string Log() { return FakeDialogLibraryLog(); }
};

// (100, 100) is 36 22 30 N, 138 33 45 E; (300, 250) is 35 45 00 N, 139 48 45 E.
TEST_F(RangeDrag, RefusedRangeLeavesTheMapAsItWas)
{
    PaintMap();
    const auto before = WindowPixels(0, 30, kWidth, kHeight - 20);
    // Through the view's widget, as the window system delivers the drag.
    view->routeCommand(ID_ENLARGE_SHEET);
    PointerAt(100, 100);
    SendMouse(QEvent::MouseButtonPress, 100, 100, Qt::LeftButton, Qt::LeftButton);
    SendMouse(QEvent::MouseMove, 200, 103, Qt::NoButton, Qt::LeftButton);
    SendMouse(QEvent::MouseMove, 307, 175, Qt::NoButton, Qt::LeftButton);
    SendMouse(QEvent::MouseMove, 300, 250, Qt::NoButton, Qt::LeftButton);
    SendMouse(QEvent::MouseButtonRelease, 300, 250, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(Log(), "OnRengeConfirm(138.3345,36.2230,139.4845,35.4500);");
    EXPECT_EQ(WindowPixels(0, 30, kWidth, kHeight - 20), before) << "band and rectangle erased";
    EXPECT_EQ(doc->pointer.m_nMouseTool, 0);
    EXPECT_EQ(doc->pointer.m_nMouseMode, 3);
    EXPECT_EQ(doc->position.m_nMapFrame, 2);
    EXPECT_EQ(script->pointerEvents(), (std::vector<std::string>{"cursor cross", "capture", "release"}));
}

TEST_F(RangeDrag, ConfirmedRangeBecomesTheMapOfExplicitBounds)
{
    setenv("VD_FAKE_RANGE_ANSWER", "1", 1);
    doc->position.m_nMapFigure = 0;
    Drag({300, 250}, {100, 100}); // from the south-east corner: the same range
    EXPECT_EQ(Log(), "OnRengeConfirm(138.3345,36.2230,139.4845,35.4500);");
    EXPECT_EQ(doc->position.m_nMapFrame, 3);
    EXPECT_EQ(doc->m_nMapDisplayMode, 5);
    EXPECT_EQ(doc->pointer.m_nMouseTool, 0);
    EXPECT_EQ(doc->pointer.m_nMouseMode, 3);
    EXPECT_EQ((std::vector<int>{doc->position.m_nRangeWestSec, doc->position.m_nRangeNorthSec,
                                doc->position.m_nRangeEastSec, doc->position.m_nRangeSouthSec}),
              (std::vector<int>{498825, 130950, 503325, 128700}));
    EXPECT_EQ((std::vector<int>{doc->position.m_nRangeDragLeft, doc->position.m_nRangeDragTop,
                                doc->position.m_nRangeDragRight, doc->position.m_nRangeDragBottom}),
              (std::vector<int>{100, 100, 300, 250}));
    EXPECT_TRUE(view->IsRepaintPending());
}

TEST_F(RangeDrag, DragsOfUnderTenPixelsOrWithoutWidthChooseNothing)
{
    PaintMap();
    const auto before = WindowPixels(0, 30, kWidth, kHeight - 20);
    for (const auto& to : {vd::ui::Point{104, 105}, vd::ui::Point{100, 160}}) {
        Drag({100, 100}, to);
        EXPECT_EQ(Log(), "");
        EXPECT_EQ(doc->pointer.m_nMouseMode, 8) << "the tool stays on";
        EXPECT_EQ(WindowPixels(0, 30, kWidth, kHeight - 20), before);
        view->routeCommand(ID_ENLARGE_SHEET); // off
    }
}

// A dialog library that cannot be loaded refuses the range as its cancel would.
class RangeDragWithoutLibrary : public PointerView {
protected:
    void BeforeDocument() override
    {
        ASSERT_TRUE(vd::LibraryLoader::setOverride("TOVENDLG.DLL", "/nonexistent/libtovendlg.so"));
    }
};

TEST_F(RangeDragWithoutLibrary, TheRangeIsRefused)
{
    doc->position.m_nMapFigureCopy = 1;
    Drag({100, 100}, {300, 250});
    EXPECT_EQ(doc->position.m_nMapFrame, 2);
    EXPECT_EQ(doc->pointer.m_nMouseTool, 0);
    EXPECT_EQ(doc->pointer.m_nMouseMode, 3);
    EXPECT_EQ(doc->position.m_nMapFigure, 1) << "the map figure comes back from its copy";
}

// The real dialog, answered by the script.
class RangeDragWithDialog : public PointerView {};

TEST_F(RangeDragWithDialog, TheRealDialogShowsTheCornersAndItsAnswerActs)
{
    std::vector<std::string> shown;
    script->answerDialog("TOVENDLG", 146, [&](vd::DialogDriver& d) {
        shown = {d.text(1030), d.text(1031), d.text(1032), d.text(1033)};
        d.click(103);
    });
    Drag({100, 100}, {300, 250});
    EXPECT_EQ(shown, (std::vector<std::string>{"36.2230", "138.3345", "35.4500", "139.4845"}));
    EXPECT_EQ(doc->position.m_nMapFrame, 3);

    // Cancelled: the tool ends and the frame stays.
    doc->position.m_nMapFrame = 2;
    script->answerDialog("TOVENDLG", 146, [](vd::DialogDriver& d) { d.click(vd::IDCANCEL); });
    Drag({100, 100}, {300, 250});
    EXPECT_EQ(doc->position.m_nMapFrame, 2);
    EXPECT_EQ(doc->pointer.m_nMouseTool, 0);
}

TEST(IndexMapCell, RowsAndColumnsFromTheirBoundaries)
{
    // Wide views: columns of 39 pixels from x 2, rows of 20 from y 30; names written 2 and 5 in.
    const struct {
        int x, y;
        bool inside;
        std::string lon, lat;
    } cases[] = {
        {628, 335, true, "139.0000", "35.2000"}, {666, 354, true, "139.0000", "35.2000"},
        {627, 335, true, "138.0000", "35.2000"}, {628, 334, true, "139.0000", "36.0000"},
        {628, 355, true, "139.0000", "34.4000"}, {4, 35, true, "123.0000", "45.2000"},
        {1, 335, false, "", ""},                 {628, 29, false, "", ""},
        {1016, 335, false, "", ""},              {628, 690, false, "", ""},
    };
    for (const auto& c : cases) {
        std::string lon, lat;
        EXPECT_EQ(IndexCellTexts(c.x, c.y, 900, lon, lat), c.inside) << c.x << "," << c.y;
        EXPECT_EQ(lon, c.lon) << c.x << "," << c.y;
        EXPECT_EQ(lat, c.lat) << c.x << "," << c.y;
    }
    std::string lon, lat;
    ASSERT_TRUE(IndexCellTexts(4 + 16 * 26, 35 + 15 * 13, 800, lon, lat)) << "narrow: 26 by 13";
    EXPECT_EQ(lon + " " + lat, "139.0000 35.2000");
}

TEST_F(PointerView, DoubleClickOnTheIndexMapOpensThatSheet)
{
    doc->pointer.m_nMouseMode = 1;
    doc->m_strMapName = "金沢";
    view->OnLButtonDblClk(0, {640, 380}); // 139 E, 34 00 N: no sheet
    EXPECT_EQ(doc->m_strMapName, "金沢");
    view->OnLButtonDblClk(0, {640, 340});
    EXPECT_EQ(doc->m_strMapName.substr(0, 6), "東京");
    EXPECT_EQ(doc->m_nMapDisplayMode, 5);
    EXPECT_EQ(script->pointerEvents(), (std::vector<std::string>{"wait on", "wait off", "wait on", "wait off"}));
}

TEST_F(PointerView, MappingMenuItemsTakeTheirStatesFromTheUpdateRules)
{
    shell::RegisterShellResources();
    Move(700, 300); // outside the block
    // The legend is offered with a map figure, once the dialog library has its dialog.
    const unsigned legendLanded = vd::LibraryLoader::symbol("TOVENDLG.DLL", "OnLegendElevetion") ? 0 : vd::MF_GRAYED;
    const struct {
        int figure, type;
        unsigned enlarge, legend;
    } cases[] = {
        {0, 1, 0, vd::MF_GRAYED},
        {1, 1, vd::MF_GRAYED, legendLanded},
        {0, 2, vd::MF_GRAYED, vd::MF_GRAYED},
    };
    for (const auto& c : cases) {
        doc->position.m_nMapFigure = c.figure;
        doc->position.m_nMapType = c.type;
        script->clearPointerEvents();
        view->OnRButtonDown(vd::MK_RBUTTON, {700, 300});
        // The view's window comes to the front before its menu is shown.
        EXPECT_EQ(std::count(script->pointerEvents().begin(), script->pointerEvents().end(), "foreground"), 1);
        ASSERT_FALSE(script->popupMenus().empty());
        const auto& texts = script->popupMenus().back();
        const auto& states = script->popupMenuStates().back();
        ASSERT_EQ(texts.at(1), "白地図を拡大");
        ASSERT_EQ(texts.at(8), "凡例（標高）...");
        EXPECT_EQ(states.at(1) & vd::MF_GRAYED, c.enlarge) << c.figure << "/" << c.type;
        EXPECT_EQ(states.at(8) & vd::MF_GRAYED, c.legend) << c.figure << "/" << c.type;
    }
    doc->position.m_nMapType = 1;
    doc->position.m_nMapFigure = 0;
    doc->pointer.m_nMouseTool = 3;
    view->OnRButtonDown(vd::MK_RBUTTON, {700, 300});
    EXPECT_EQ(script->popupMenuStates().back().at(1) & vd::MF_CHECKED, vd::MF_CHECKED) << "the tool is on";
}

TEST_F(PointerView, WaitCursorOverTheDragOverviewOnceBothCornersAreSet)
{
    doc->pointer.m_nMouseMode = 2;
    Move(300, 300);
    view->m_strDragCornerLon = "140.0000";
    Move(300, 300);
    view->m_strDragCornerLat = "35.2000";
    Move(300, 300);
    Move(300, 300, vd::MK_LBUTTON);
    EXPECT_EQ(script->pointerEvents(), (std::vector<std::string>{"cursor wait"}));
}

TEST_F(PointerView, PlainDragCapturesTheMouseUntilTheButtonIsReleased)
{
    doc->pointer.m_nMouseDrag = 0;
    Move(200, 200, vd::MK_LBUTTON);
    EXPECT_EQ(vd::ui::GetCapture(), view);
    view->OnLButtonUp(0, {220, 220});
    EXPECT_EQ(vd::ui::GetCapture(), nullptr);
    EXPECT_EQ(script->pointerEvents(), (std::vector<std::string>{"cursor cross", "capture", "release"}));
}

TEST_F(PointerView, PointDraggedOnAGuideMapStaysOnThePicture)
{
    doc->position.m_nMapType = 4;
    doc->pointer.m_nMouseMode = 5;
    doc->pointer.m_nMouseTool = 2;
    nav->m_nPictureLeft = 50;
    nav->m_nPictureTop = 40;
    nav->m_nPictureWidth = 400;
    nav->m_nPictureHeight = 300;
    std::vector<std::pair<int, int>> drawn;
    view->standIns.drawPointSymbol = [&](vd::Dc&, int x, int y, int, int shape) {
        if (shape == 4)
            drawn.push_back({x, y});
    };
    view->m_strMouseButtonState = "MK_LBUTTON";
    Move(200, 200, vd::MK_LBUTTON);
    Move(500, 20, vd::MK_LBUTTON);
    EXPECT_EQ(drawn, (std::vector<std::pair<int, int>>{{200, 200}, {449, 40}}));
    const vd::ui::Point screen = view->ClientToScreen({449, 40});
    EXPECT_EQ(script->pointerEvents(),
              (std::vector<std::string>{"pos " + std::to_string(screen.x) + "," + std::to_string(screen.y)}));
}

} // namespace
