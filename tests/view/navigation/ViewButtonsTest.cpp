// The view's on-screen buttons, page scroll bar and button commands, driven as a user would:
// buttons clicked and the scroll bar scrolled through the platform's controls.
#include "MapViewFixture.h"

#include "app/document/VeldoranDoc.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/WinConstants.h"
#include "view/findplace/FindPlaceDialog.h"
#include "view/navigation/ViewNavigation.h"
#include "view/sheetmap/SheetSelectDialog.h"

using namespace viewtest;

#include <algorithm>

namespace {

class ViewButtons : public MapView {
protected:
    void SetUp() override
    {
        MapView::SetUp();
        PastFirstPaint();
        nav = view->m_pNavigation.get();
    }

    // A button's rectangle in the view's client coordinates; empty when it is not shown.
    vd::ui::Rect Placed(vd::Button* button) const
    {
        if (!button || !button->IsWindow())
            return {};
        const vd::ui::Rect screen = button->GetWindowRect();
        const vd::ui::Point origin = view->ClientToScreen({0, 0});
        return {screen.left - origin.x, screen.top - origin.y, screen.right - origin.x, screen.bottom - origin.y};
    }
    std::string Caption(vd::Button* button) const
    {
        return button && button->IsWindow() ? button->GetWindowText() : "";
    }
    std::vector<std::string> NumberedCaptions() const
    {
        std::vector<std::string> out;
        for (int n = 1; n <= 9; ++n)
            out.push_back(Caption(nav->NumberedButton(n)));
        return out;
    }
    // Sheets 11..19 of the 3 x 3 block around 東京 from the small index.
    void ShowTokyoBlock()
    {
        WriteHomeFile("BlcMap20.idx", SmallIndex());
        doc->FindSheetByName("東京", doc->folders.m_strSheetIndexFile);
    }

    ViewNavigation* nav = nullptr;
};

TEST_F(ViewButtons, SlideGroupFollowsTheLayoutWidthWithExactly800Narrow)
{
    struct Case {
        int width;
        int left;
    } cases[] = {{800, 800 - 144}, {801, 801 - 477}, {1024, 1024 - 477}};
    for (const Case& c : cases) {
        view->m_nSavedWidth = c.width;
        nav->AddViewButtons(0);
        EXPECT_EQ(Placed(nav->ViewButton(29)), (vd::ui::Rect{c.left, 3, c.left + 60, 27})) << c.width;
        EXPECT_EQ(Placed(nav->ViewButton(28)), (vd::ui::Rect{c.left + 65, 3, c.left + 125, 27})) << c.width;
        EXPECT_EQ(Caption(nav->ViewButton(29)), "ｽﾗｲﾄﾞ");
    }
    view->m_nSavedWidth = 800;
    nav->AddViewButtons(1);
    EXPECT_EQ(Placed(nav->ViewButton(27)), (vd::ui::Rect{800 - 447 + 35, 3, 800 - 447 + 65, 27}));
    nav->AddViewButtons(2);
    EXPECT_EQ(Placed(nav->ViewButton(16)), (vd::ui::Rect{800 - 79, 3, 800 - 79 + 60, 27}));
    view->m_nSavedWidth = 801;
    nav->AddViewButtons(2);
    EXPECT_EQ(Placed(nav->ViewButton(16)), (vd::ui::Rect{801 - 412, 3, 801 - 412 + 60, 27}));
}

TEST_F(ViewButtons, NavigationPanelShowsTheBlockAndItsSizeButtons)
{
    ShowTokyoBlock();
    view->m_nSavedWidth = 900;
    doc->position.m_nMapFrame = 2;
    doc->position.m_nMapMode = 9;
    nav->AddViewButtons(3);
    // The south-west neighbour is missing from the index and the north-east one is a sea sheet:
    // no buttons there.
    EXPECT_EQ(NumberedCaptions(), (std::vector<std::string>{"長野", "宇都宮", "", "甲府", "東京", "千葉", "",
                                                            "東京湾", "館山"}));
    const int c = 900 - 177, d = 45;
    EXPECT_EQ(Placed(nav->NumberedButton(1)), (vd::ui::Rect{c + 3, d - 3, c + 3 + 53, d - 3 + 22}));
    EXPECT_EQ(Placed(nav->NumberedButton(6)), (vd::ui::Rect{c + 3 + 116, d + 22, c + 3 + 174 - 5, d + 22 + 22}));
    EXPECT_EQ(Placed(nav->ViewButton(12)), (vd::ui::Rect{c, d + 74, c + 61, d + 97}));
    EXPECT_EQ(Placed(nav->ViewButton(13)), (vd::ui::Rect{c + 66, d + 74, c + 118, d + 97}));
    EXPECT_EQ(Placed(nav->ViewButton(14)), (vd::ui::Rect{c + 122, d + 74, c + 174, d + 97}));
    EXPECT_EQ(Caption(nav->ViewButton(33)), "MAP");

    struct Case {
        int frame, sheets;
        std::string left, right, leftOnly;
        int leftKind, rightKind;
    } cases[] = {
        {1, 9, "3×3", "5×5", "", 27, 34},  {2, 9, "1×1", "5×5", "", 27, 34}, {2, 25, "3×3", "7×7", "", 34, 35},
        {2, 49, "3×3", "5×5", "", 34, 35}, {3, 9, "元の地図", "", "", 27, 34},
    };
    for (const Case& k : cases) {
        doc->position.m_nMapFrame = k.frame;
        doc->position.m_nMapMode = k.sheets;
        nav->AddViewButtons(3);
        EXPECT_EQ(Caption(nav->ViewButton(k.leftKind)), k.left) << k.frame << " " << k.sheets;
        EXPECT_EQ(Caption(nav->ViewButton(k.rightKind)), k.right) << k.frame << " " << k.sheets;
        int shown = 0;
        for (int kind : {27, 34, 35})
            shown += nav->ViewButton(kind)->IsWindow() ? 1 : 0;
        EXPECT_EQ(shown, k.frame == 3 ? 1 : 2) << "no button of another size stays under these";
    }
    doc->position.m_nMapFrame = 2;
    doc->position.m_nMapMode = 25;
    nav->AddViewButtons(3);
    EXPECT_EQ(NumberedCaptions(), (std::vector<std::string>{"＼", "↑", "", "←", "", "→", "", "↓", "＼"}))
        << "arrows on a larger block; the centre and missing sheets stay empty";

    nav->RemoveViewButtons(1);
    for (int n = 1; n <= 9; ++n)
        EXPECT_FALSE(nav->NumberedButton(n)->IsWindow());
    for (int kind : {12, 13, 14, 26, 27, 33, 34, 35})
        EXPECT_FALSE(nav->ViewButton(kind)->IsWindow()) << kind;
}

TEST_F(ViewButtons, RemovalGroupsAndUncreatedButtons)
{
    view->m_nSavedWidth = 801;
    nav->RemoveViewButtons(7); // nothing shown yet: only fresh, uncreated objects
    EXPECT_FALSE(nav->NumberedButton(1)->IsWindow());
    nav->SetViewButton(17, "x", 0, 0, 10, 10);
    EXPECT_EQ(nav->ViewButton(17), nullptr) << "a kind without a command id is ignored";

    doc->environment.m_nPicturePosition = 0;
    nav->AddViewButtons(0);
    nav->AddViewButtons(4);
    nav->RemoveViewButtons(5);
    EXPECT_FALSE(nav->ViewButton(29)->IsWindow());
    EXPECT_FALSE(nav->ViewButton(28)->IsWindow());
    EXPECT_TRUE(nav->ViewButton(33)->IsWindow()) << "wide, picture position 0: the panel stays";
    doc->environment.m_nPicturePosition = 1;
    nav->RemoveViewButtons(5);
    EXPECT_FALSE(nav->ViewButton(33)->IsWindow());
    EXPECT_FALSE(nav->NumberedButton(1)->IsWindow());

    nav->AddViewButtons(4);
    EXPECT_EQ(Caption(nav->NumberedButton(1)), "日本列島");
    EXPECT_EQ(Caption(nav->ViewButton(27)), "1/20万");
    nav->RemoveViewButtons(8);
    for (int kind : {12, 26, 27})
        EXPECT_FALSE(nav->ViewButton(kind)->IsWindow()) << kind;
    EXPECT_TRUE(nav->ViewButton(33)->IsWindow());
}

TEST_F(ViewButtons, BlockSizeButtonsRedrawTheBlock)
{
    ShowTokyoBlock();
    view->m_nSavedWidth = 900;
    doc->position.m_nMapFrame = 2;
    doc->position.m_nMapMode = 9;
    doc->m_nMapDisplayMode = 10;
    nav->AddViewButtons(3);
    RecordRoutines();
    nav = view->m_pNavigation.get();

    vd::DialogDriver::clickControl(*nav->ViewButton(34)); // "5×5"
    EXPECT_EQ(doc->position.m_nMapMode, 25);
    EXPECT_EQ(doc->m_nMapDisplayMode, 5) << "the centre sheet is shown anew";
    EXPECT_EQ(doc->m_strMapName, "東京");
    Repaint();
    EXPECT_EQ(DrawingCalls(), (std::vector<std::string>{"drawLayeredMap"})) << "the block is drawn";

    struct Step {
        int button, before, after;
    } steps[] = {{35, 25, 49}, {35, 49, 25}, {34, 25, 9}, {34, 49, 9}, {35, 9, 9}};
    for (const Step& s : steps) {
        doc->position.m_nMapMode = s.before;
        doc->position.m_nMapFrame = 1;
        view->routeCommand(300 + s.button);
        EXPECT_EQ(doc->position.m_nMapMode, s.after) << s.button << " on " << s.before;
        EXPECT_EQ(doc->position.m_nMapFrame, 2);
        EXPECT_EQ(doc->position.m_nMapFrameCopy2, 2);
    }
}

TEST_F(ViewButtons, BlockSizeButtonsDrawBlocksOfNineTwentyFiveAndFortyNineSheets)
{
    ShowTokyoBlock();
    doc->m_strMapName = "東京";
    doc->position.m_nMapFrame = 2;
    doc->position.m_nMapMode = 9;
    doc->m_nMapDisplayMode = 5;
    Repaint();
    auto drawnCells = [this] {
        int n = 0;
        for (const std::string& code : doc->m_astrBlockMeshCode)
            n += code.empty() ? 0 : 1;
        return n;
    };
    EXPECT_EQ(drawnCells(), 9);
    struct Step {
        int kind;
        int cells;
    } steps[] = {{34, 25}, {35, 49}, {34, 9}};
    for (const Step& s : steps) {
        doc->m_astrBlockMeshCode.fill("");
        ASSERT_TRUE(nav->ViewButton(s.kind)->IsWindow()) << s.kind;
        vd::DialogDriver::clickControl(*nav->ViewButton(s.kind));
        Repaint();
        EXPECT_EQ(doc->position.m_nMapMode, s.cells);
        EXPECT_EQ(drawnCells(), s.cells);
        EXPECT_EQ(doc->m_nMapDisplayMode, 10) << "the block is on screen";
    }
}

TEST_F(ViewButtons, NumberedButtonShowsTheNeighbourAndReturnComesBack)
{
    ShowTokyoBlock();
    view->m_nSavedWidth = 900;
    doc->position.m_nMapFrame = 2;
    doc->position.m_nMapMode = 9;
    doc->m_nMapDisplayMode = 10;
    nav->AddViewButtons(3);
    vd::DialogDriver::clickControl(*nav->NumberedButton(6));
    EXPECT_EQ(doc->m_strMapName, "千葉");
    EXPECT_EQ(doc->m_astrMapEntry[14], "東京");
    EXPECT_EQ(nav->m_nSheetButtonState, 1);

    // The return button flips the block to one sheet and back.
    doc->m_nMapDisplayMode = 10;
    view->routeCommand(327);
    EXPECT_EQ(doc->position.m_nMapFrame, 1);
    EXPECT_EQ(doc->position.m_nMapFrameCopy2, 1);
    doc->m_nMapDisplayMode = 10;
    view->routeCommand(327);
    EXPECT_EQ(doc->position.m_nMapFrame, 2);

    // From a prefecture map back to the sheet map.
    doc->position.m_nMapType = 2;
    doc->statistics.m_nShow = 3;
    doc->m_nMapDisplayMode = 10;
    view->routeCommand(327);
    EXPECT_EQ(doc->position.m_nMapType, 1);
    EXPECT_EQ(doc->statistics.m_nShow, -1);
    EXPECT_EQ(doc->m_nMapDisplayMode, 5);
}

TEST_F(ViewButtons, RegionButtonsChooseTheOverviewAndOtherAreaFollowsTheSheetSelection)
{
    doc->position.m_nMapType = 2;
    doc->m_nMapDisplayMode = 10;
    view->routeCommand(313);
    EXPECT_EQ(doc->position.m_nPrefectureSel, 2);
    EXPECT_EQ(doc->m_nMapDisplayMode, 5);

    struct Case {
        std::string word;
        int mode;
    } cases[] = {{"INDEX", 4}, {"MAP", 8}, {"OTHER", 10}};
    for (const Case& c : cases) {
        doc->position.m_nPrefectureSel = 0;
        doc->position.m_nMapType = 2;
        doc->m_nMapDisplayMode = 10;
        doc->environment.m_strSheetSelect = c.word;
        view->routeCommand(322);
        EXPECT_EQ(doc->m_nMapDisplayMode, c.mode) << c.word;
        EXPECT_EQ(doc->position.m_nMapType, 1);
    }
    doc->environment.m_strSheetSelect = "DIALOG";
    view->routeCommand(322);
    EXPECT_TRUE(view->m_pDlgSheetSelect->IsWindow()) << "the sheet selection opens";
    EXPECT_EQ(doc->pointer.m_nActiveViewDialog, 0);
}

TEST_F(ViewButtons, AlbumPageButtonsStayInRangeAndReturnStopsThePlay)
{
    doc->m_nMapDisplayMode = 13;
    doc->entry.m_nAlbumPageCount = 3;
    view->m_strPlayMode = "MANUAL";
    view->m_nPageIndex = 0;
    view->routeCommand(326);
    EXPECT_EQ(view->m_nPageIndex, 0);
    view->m_nPageIndex = 2;
    view->routeCommand(328);
    EXPECT_EQ(view->m_nPageIndex, 2);
    view->routeCommand(326);
    EXPECT_EQ(view->m_nPageIndex, 1);

    view->m_nSavedWidth = 900;
    view->routeCommand(327);
    EXPECT_EQ(view->m_nPageIndex, -1);
    EXPECT_EQ(doc->m_nMapDisplayMode, 0);
    EXPECT_EQ(Caption(nav->ViewButton(16)), "地図") << "the way back to the map";
}

TEST_F(ViewButtons, PageScrollBarPagesAndClamps)
{
    view->m_nPagePos = -1;
    nav->CreatePageScrollBar(860, 40, 876, 600);
    EXPECT_FALSE(nav->PageScrollBar()->IsWindow()) << "no page position, no bar";
    view->OnVScroll(vd::SB_PAGEDOWN, 0, nullptr);
    EXPECT_EQ(view->m_nPagePos, -1);

    view->m_nPagePos = 95;
    nav->CreatePageScrollBar(860, 40, 876, 600);
    ASSERT_TRUE(nav->PageScrollBar()->IsWindow());
    vd::DialogDriver::scrollControl(*nav->PageScrollBar(), vd::SB_PAGEDOWN, 0);
    EXPECT_EQ(view->m_nPagePos, 100);
    vd::DialogDriver::scrollControl(*nav->PageScrollBar(), vd::SB_PAGEUP, 0);
    EXPECT_EQ(view->m_nPagePos, 90);
    vd::DialogDriver::scrollControl(*nav->PageScrollBar(), vd::SB_LINEUP, 0);
    EXPECT_EQ(view->m_nPagePos, 89);
    vd::DialogDriver::scrollControl(*nav->PageScrollBar(), vd::SB_THUMBPOSITION, 42);
    EXPECT_EQ(view->m_nPagePos, 42);
    EXPECT_EQ(nav->PageScrollBar()->GetScrollPos(), 42);

    view->m_nTextPageState = -1;
    nav->RemoveViewButtons(6);
    EXPECT_EQ(view->m_nPagePos, -1);
    EXPECT_FALSE(nav->PageScrollBar()->IsWindow());
}

TEST_F(ViewButtons, SheetDialogChoiceShowsTheChosenSheet)
{
    ShowTokyoBlock();
    auto& dialog = *view->m_pDlgSheetSelect;
    dialog.m_strRegion = "関東";
    dialog.m_strChosenName = "千葉";
    dialog.m_nViewValue = 0;
    doc->pointer.m_nActiveViewDialog = 0;
    dialog.m_nModeless = 2;
    view->OnViewDialogDone();
    EXPECT_EQ(doc->position.m_strDistrict, "関東");
    EXPECT_EQ(doc->m_strMapName, "千葉");
    EXPECT_EQ(doc->spec.m_nPointPopup, 0);
    EXPECT_EQ(doc->m_astrMapEntry[15], "千葉");
    EXPECT_EQ(doc->m_astrMapEntry[14], "東京");
    EXPECT_EQ(doc->m_nMapDisplayMode, 5);
}

} // namespace

namespace {

TEST_F(ViewButtons, NextButtonStartsTheOverviewDragWithItsButtons)
{
    view->m_nSavedWidth = 900;
    doc->m_fRefLatitude = 0;
    view->routeCommand(332);
    EXPECT_EQ(doc->m_fRefLatitude, 470000) << "the whole country's frame: 47 N at the top";
    EXPECT_EQ(doc->pointer.m_nOverviewStep, 1);
    EXPECT_EQ(doc->m_nMapDisplayMode, 21);
    EXPECT_EQ(Placed(nav->ViewButton(32)), (vd::ui::Rect{225, 219, 271, 243}));
    EXPECT_EQ(Placed(nav->ViewButton(12)), (vd::ui::Rect{900 - 140, 8, 900 - 140 + 61, 31}));
}

TEST_F(ViewButtons, MapTypeButtonRedrawsOnlyWhenATypeWasChosen)
{
    script->answerDialog("TOVENDLG", 159, [](vd::DialogDriver& d) { d.click(vd::IDCANCEL); });
    doc->m_nMapDisplayMode = 10;
    view->routeCommand(333);
    EXPECT_EQ(doc->m_nMapDisplayMode, 10);
    script->answerDialog("TOVENDLG", 159, [](vd::DialogDriver& d) { d.click(vd::IDOK); });
    doc->statistics.m_nShow = 4;
    view->routeCommand(333);
    EXPECT_EQ(doc->m_nMapDisplayMode, 12);
    EXPECT_EQ(doc->statistics.m_nShow, -1);
}

TEST_F(ViewButtons, PlaceChoiceShowsTheSheetOfItsMeshOrReopensInANewSetting)
{
    ShowTokyoBlock();
    // The dialog's choice after OK: a place line of the list, its region and mesh code.
    CDlgFindPlace& dialog = *view->m_pDlgFindPlace;
    ASSERT_TRUE(dialog.Create());
    dialog.m_strPickedRecord = "千葉 35.3500 140.1000";
    dialog.m_strRegion = "関東";
    dialog.m_nPlaceMode = 1;
    dialog.m_bShowRegistered = 0;
    dialog.m_strMeshCode = "5340"; // 35 20 N, 140 E: 千葉
    dialog.m_nModelessState = 2;
    doc->pointer.m_nFindPlaceKind = 1;
    doc->pointer.m_nActiveViewDialog = 1;
    view->OnViewDialogDone();
    EXPECT_EQ(doc->position.m_strDistrict, "関東");
    EXPECT_EQ(doc->m_astrMapEntry[15], "千葉");
    EXPECT_EQ(doc->m_nMapDisplayMode, 5);
    EXPECT_FALSE(dialog.IsWindow()) << "a shown place ends the search; the dialog is not opened anew";
    EXPECT_EQ(doc->pointer.m_nActiveViewDialog, -1);

    ASSERT_TRUE(dialog.Create());
    dialog.m_bShowRegistered = 1; // include the registered points: the list is built anew
    dialog.m_nModelessState = 2;
    doc->pointer.m_nActiveViewDialog = 1;
    doc->m_nMapDisplayMode = 10;
    view->OnViewDialogDone();
    EXPECT_TRUE(dialog.IsWindow()) << "closed and opened anew in the new setting";
    EXPECT_EQ(dialog.m_nModelessState, 1);
    EXPECT_EQ(doc->pointer.m_nActiveViewDialog, 1);
    EXPECT_EQ(doc->pointer.m_nFindPlaceOption, 1);
    EXPECT_EQ(doc->m_nMapDisplayMode, 10);
}

} // namespace

TEST_F(ViewButtons, ReturnFromTheDepthFileStatusGivesTheSubmarineLayerBack)
{
    for (const auto& [before, after] : {std::pair{1, 1}, {0, 0}}) {
        doc->depth.m_nSubmarineLayer = before;
        ASSERT_TRUE(doc->runOwnCommand(32814));
        EXPECT_EQ(doc->m_nMapDisplayMode, 22);
        EXPECT_LT(doc->depth.m_nSubmarineLayer, 0);
        view->routeCommand(327);
        EXPECT_EQ(doc->depth.m_nSubmarineLayer, after);
    }
}

