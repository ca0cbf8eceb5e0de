// The view's timers as the test fires them, and the end of its modeless dialogs.
#include "MapViewFixture.h"

#include "platform/ui/TemplateRegistry.h"
#include "view/findplace/FindPlaceDialog.h"
#include "view/pages/ViewPages.h"
#include "view/sheetmap/SheetSelectDialog.h"
#include "view/window/ViewMessages.h"

namespace {

using namespace viewtest;

class MapViewTimers : public MapView {
protected:
    // The one timer running (the script's handle), or 0.
    int RunningTimer() const
    {
        const std::vector<int> timers = script->activeTimers();
        return timers.size() == 1 ? timers[0] : 0;
    }
};

TEST(PageCounter, ShowsThePageThePagesAndTheSecondsLeft)
{
    EXPECT_EQ(PageCounterText(3, 12, 3, "on"), " 3/ 12 (3秒)");
    EXPECT_EQ(PageCounterText(3, 12, 3, "off"), " 3/ 12");
    EXPECT_EQ(PageCounterText(105, 1200, 0, "on"), "105/1200 (0秒)");
}

TEST_F(MapViewTimers, TheSlideShowCountsItsIntervalThenTheWaitAfterTheProgramEndsIt)
{
    PastFirstPaint();
    RecordRoutines();
    doc->m_nMapDisplayMode = 10;
    doc->repaint.m_strViewState = "JPG_SLIDE";
    view->m_nPageIndex = 3;
    doc->entry.m_nAlbumPageCount = 12;
    Repaint();
    const int slide = RunningTimer();
    ASSERT_NE(slide, 0);
    EXPECT_EQ(script->timerInterval(slide), 1000);
    EXPECT_TRUE(view->m_bSlideTimerRunning);
    for (int tick = 1; tick <= 5; ++tick) {
        script->fireTimer(slide);
        EXPECT_EQ(view->m_nSlideTicks, tick);
    }
    script->fireTimer(slide);
    EXPECT_EQ(view->m_nSlideTicks, 0);
    EXPECT_EQ(doc->repaint.m_strViewState, "9999");
    EXPECT_EQ(RunningTimer(), 0) << "killed";

    // The repaint for the next slide ends the program of the last one and waits three ticks.
    calls.clear();
    Repaint();
    EXPECT_EQ(DrawingCalls(), (std::vector<std::string>{"endSlideProgram"}));
    const int after = RunningTimer();
    ASSERT_NE(after, 0);
    script->fireTimer(after);
    script->fireTimer(after);
    EXPECT_EQ(view->m_nSlideTicks, 2);
    EXPECT_EQ(doc->repaint.m_strViewState, "9999");
    script->fireTimer(after);
    EXPECT_EQ(view->m_nSlideTicks, 0);
    EXPECT_EQ(doc->repaint.m_strViewState, "");
    EXPECT_EQ(RunningTimer(), 0);
}

TEST_F(MapViewTimers, ManualPlayStartsNoTimer)
{
    PastFirstPaint();
    view->m_strPlayMode = "MANUAL";
    doc->m_nMapDisplayMode = 10;
    doc->repaint.m_strViewState = "JPG_SLIDE";
    Repaint();
    EXPECT_TRUE(script->activeTimers().empty());
}

TEST_F(MapViewTimers, TheAlbumTimerTurnsThePageAfterItsInterval)
{
    PastFirstPaint();
    view->m_pPages->SetAlbumPages({"first.txt", "second.jpg"});
    view->m_nPageIndex = 0;
    view->SetTimer(IDT_ALBUMPAGE, 1000);
    const int album = RunningTimer();
    ASSERT_NE(album, 0);
    for (int tick = 1; tick <= 5; ++tick)
        script->fireTimer(album);
    EXPECT_EQ(view->m_nAlbumTicks, 5);
    script->fireTimer(album);
    EXPECT_EQ(view->m_nPageIndex, 1);
    EXPECT_EQ(doc->m_nMapDisplayMode, 13);
    EXPECT_EQ(view->m_nAlbumTicks, 0);
    EXPECT_EQ(RunningTimer(), 0) << "the next page's drawing starts it again";

    view->SetTimer(IDT_ALBUMPAGE, 1000);
    view->m_nAlbumTicks = 5;
    script->fireTimer(RunningTimer());
    EXPECT_EQ(view->m_nPageIndex, 2);
    EXPECT_EQ(doc->m_nMapDisplayMode, 0) << "the end of the album";
}

TEST_F(MapViewTimers, PicturesOnlySkipsOtherEntriesToTheEnd)
{
    PastFirstPaint();
    view->m_pPages->SetAlbumPages({"a.jpg", "memo.txt", "b.bmp", "album.alb"});
    view->m_nAlbumPlayOption = 2;
    view->m_nPageIndex = 0;
    view->m_nAlbumTicks = 5;
    view->SetTimer(IDT_ALBUMPAGE, 1000);
    script->fireTimer(RunningTimer());
    EXPECT_EQ(view->m_nPageIndex, 2) << "the text entry is skipped";
    EXPECT_EQ(doc->m_nMapDisplayMode, 13);

    view->m_nAlbumTicks = 5;
    view->SetTimer(IDT_ALBUMPAGE, 1000);
    script->fireTimer(RunningTimer());
    EXPECT_EQ(view->m_nPageIndex, 4) << "the last entry is skipped";
    EXPECT_EQ(doc->m_nMapDisplayMode, 0);
}

TEST_F(MapViewTimers, AnAlbumFillingTheWholeListEndsAtItsLastEntry)
{
    PastFirstPaint();
    view->m_pPages->SetAlbumPages(std::vector<std::string>(5000, "page.txt"));
    view->m_nPageIndex = 4999;
    view->m_nAlbumTicks = 5;
    view->SetTimer(IDT_ALBUMPAGE, 1000);
    script->fireTimer(RunningTimer());
    EXPECT_EQ(doc->m_nMapDisplayMode, 0);
}

class MapViewDialogs : public MapView {
protected:
    void SetUp() override
    {
        MapView::SetUp();
        PastFirstPaint();
    }
};

TEST_F(MapViewDialogs, TheSheetDialogsOkAppliesAndKeepsItsCancelDestroysIt)
{
    CDlgSheetSelect& dialog = *view->m_pDlgSheetSelect;
    dialog.m_nModeless = 1;
    ASSERT_TRUE(dialog.Create());
    doc->pointer.m_nActiveViewDialog = 0;

    dialog.m_nModeless = 2;
    dialog.m_strRegion = "北陸";
    dialog.m_strChosenName = "金沢";
    doc->m_nMapDisplayMode = 10;
    EXPECT_EQ(view->SendMessage(WM_VIEWDIALOGDONE, 1), 0);
    EXPECT_EQ(doc->m_strMapName, "金沢") << "the choice is shown";
    EXPECT_EQ(doc->position.m_strDistrict, "北陸");
    EXPECT_EQ(doc->m_nMapDisplayMode, 5);
    EXPECT_TRUE(dialog.IsWindow());
    EXPECT_EQ(doc->pointer.m_nActiveViewDialog, 0);

    dialog.m_nModeless = 3;
    dialog.m_strChosenName = "東京";
    view->SendMessage(WM_VIEWDIALOGDONE, 2);
    EXPECT_EQ(doc->m_strMapName, "金沢") << "cancel applies nothing";
    EXPECT_FALSE(dialog.IsWindow());
    EXPECT_EQ(doc->pointer.m_nActiveViewDialog, -1);
}

TEST_F(MapViewDialogs, TheFindPlaceDialogsEndsResetTheirSearchKind)
{
    // The dialog open with a chosen place: its mesh 5339 is 東京's sheet.
    CDlgFindPlace& dialog = *view->m_pDlgFindPlace;
    const auto open = [&](int state) {
        if (!dialog.IsWindow())
            ASSERT_TRUE(dialog.Create());
        dialog.m_strPickedRecord = "千葉 35.3500 140.1000";
        dialog.m_strRegion = "関東";
        dialog.m_nPlaceMode = doc->pointer.m_nFindPlaceKind;
        dialog.m_bShowRegistered = doc->pointer.m_nFindPlaceOption;
        dialog.m_strMeshCode = "5339";
        dialog.m_nModelessState = state;
        doc->m_strMapName = "金沢";
        doc->position.m_strDistrict.clear();
    };

    // OK on a place shows it and ends the search; OK on a municipality keeps its dialog, which
    // the drawing of the chosen municipality needs.
    doc->pointer.m_nActiveViewDialog = 1;
    doc->pointer.m_nFindPlaceKind = 2;
    open(2);
    view->SendMessage(WM_VIEWDIALOGDONE, 1);
    EXPECT_EQ(doc->m_strMapName, "東京") << "the place's sheet is shown";
    EXPECT_EQ(doc->position.m_strDistrict, "関東");
    EXPECT_FALSE(dialog.IsWindow());
    EXPECT_EQ(doc->pointer.m_nFindPlaceKind, 1);
    EXPECT_EQ(doc->pointer.m_nActiveViewDialog, -1);

    doc->pointer.m_nActiveViewDialog = 2;
    open(2);
    view->SendMessage(WM_VIEWDIALOGDONE, 1);
    EXPECT_EQ(doc->m_strMapName, "東京");
    EXPECT_EQ(doc->pointer.m_strFindMunicipality, "千葉 35.3500 140.1000");
    EXPECT_TRUE(dialog.IsWindow());
    EXPECT_EQ(doc->pointer.m_nActiveViewDialog, 2);

    // Cancel (and Escape) and the close box end either search without applying a choice.
    for (const int ended : {-2, 3}) {
        for (const int active : {1, 2}) {
            doc->pointer.m_nActiveViewDialog = active;
            doc->pointer.m_nFindPlaceKind = active == 1 ? 2 : 3;
            open(ended);
            doc->pointer.m_strFindMunicipality = "京都市";
            view->SendMessage(WM_VIEWDIALOGDONE, 2);
            EXPECT_FALSE(dialog.IsWindow()) << ended << " " << active;
            EXPECT_EQ(doc->m_strMapName, "金沢") << ended << " " << active;
            EXPECT_EQ(doc->pointer.m_nFindPlaceKind, 1);
            EXPECT_EQ(doc->pointer.m_strFindMunicipality, active == 1 ? "京都市" : "");
            EXPECT_EQ(doc->pointer.m_nActiveViewDialog, -1);
        }
    }

    open(2);
    view->SendMessage(WM_VIEWDIALOGDONE, 1);
    EXPECT_EQ(doc->m_strMapName, "金沢") << "no dialog open: nothing";
    EXPECT_TRUE(dialog.IsWindow());
}

} // namespace
