// The map view's repaint: the first paint's restore, the map-mode table, the off-screen copy of
// mode 10, a resize, the menu-bar swap, the CD-ROM prompt and the municipality set-up.
#include "MapViewFixture.h"

#include "platform/sys/LibraryLoader.h"
#include "platform/sys/ProfileStore.h"
#include "platform/text/Format.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/Menu.h"
#include "platform/ui/MenuTemplate.h"
#include "platform/ui/TemplateRegistry.h"
#include "view/sheetmap/SheetSelectDialog.h"

#include <cstdlib>

namespace {

using namespace viewtest;

std::string ClassLine(int metres, int r, int g, int b)
{
    return vd::format("%4d %3d %3d %3d", metres, r, g, b);
}

// The sheet map's buttons: slide show and settings, the block's panel (no neighbour sheets in
// the fixture's block, so no numbered buttons) with the block size pair. A locked view has no
// slide show, settings or 他地域.
std::vector<std::string> MainMapButtons(bool locked = false)
{
    if (locked)
        return {"13 ﾃｷｽﾄ", "14 画像", "26 仕様", "27 1×1", "33 MAP", "34 5×5"};
    return {"12 他地域", "13 ﾃｷｽﾄ", "14 画像", "26 仕様", "27 1×1", "28 設定", "29 ｽﾗｲﾄﾞ", "33 MAP", "34 5×5"};
}

void WriteColourSet()
{
    WriteHomeFile("PALETTE/PLTTFILE.DAT", Cp932Lines({"地図帳(通常)$ATLAS1.PLT"}));
    WriteHomeFile("PALETTE/ATLAS1.PLT", Cp932Lines({ClassLine(0, 0, 0, 255), ClassLine(1, 0, 100, 0),
                                                    ClassLine(4000, 254, 200, 100)}));
}

TEST_F(MapView, TheFirstPaintBuildsTheTintRampAndRestoresTheLastMap)
{
    WriteColourSet();
    vd::ProfileStore profile;
    profile.writeString("LastData", "MapName", "金沢");
    profile.writeInt("LastData", "MapFrame", 1);
    profile.writeString("LastData", "District", "北陸");
    doc->environment.m_strStartWhiteMap = "on";
    doc->registered.m_strDataFile.clear();
    doc->colours.m_anTintBlue.fill(-1);

    // The real path: the frame shown, Qt's paint runs the view's repaint into its back buffer.
    frame->MoveWindow(0, 0, 820, 640);
    frame->ShowWindow(vd::SW_SHOW);
    for (int i = 0; i < 3; ++i) {
        vd::ui::processPendingEvents();
        vd::captureWindow(*view);
    }

    EXPECT_EQ(view->m_nFirstPaint, 10);
    EXPECT_EQ(doc->colours.m_anTintBlue[0], 255) << "the sea of the colour set";
    EXPECT_EQ(doc->m_strMapName, "金沢");
    EXPECT_EQ(doc->position.m_nMapFrame, 1);
    EXPECT_EQ(doc->position.m_strDistrict, "北陸");
    EXPECT_EQ(doc->m_astrMapEntry[2].rfind("36.0000", 0), 0u) << doc->m_astrMapEntry[2];
    EXPECT_EQ(doc->registered.m_strDataFile, doc->folders.m_strSourceDir + "history.dat");
    EXPECT_EQ(view->m_nSavedWidth, view->GetClientRect().right);
    EXPECT_EQ(view->m_nLastMapState, 1);
    frame->ShowWindow(vd::SW_HIDE);
}

TEST_F(MapView, WithoutALastMapTheStartMapOfTheProfileIsShown)
{
    struct Case {
        const char* startWhiteMap;
        const char* systemName; // nullptr: no System/MapName
        const char* name;
        const char* district;
    };
    for (const Case& c : {Case{"on", nullptr, "京都及大阪", "近畿中部"}, Case{"off", nullptr, "京都及大阪", "近畿中部"},
                          Case{"off", "東京", "東京", "近畿中部"}}) {
        vd::ProfileStore profile;
        if (c.systemName)
            profile.writeString("System", "MapName", c.systemName);
        view->m_nLastMapState = 999;
        doc->environment.m_strStartWhiteMap = c.startWhiteMap;
        doc->position.m_nMapFrame = 1;
        view->OnRedisplayMap();
        EXPECT_EQ(doc->m_strMapName, c.name) << c.startWhiteMap;
        EXPECT_EQ(doc->position.m_strDistrict, c.district) << c.startWhiteMap;
        EXPECT_EQ(doc->environment.m_strStartWhiteMap, "off") << "no last map to start with";
        EXPECT_EQ(doc->position.m_nMapFrame, 2);
        EXPECT_EQ(doc->m_nMapDisplayMode, 5);
    }
}

TEST_F(MapView, TheRedisplayReadsTheProfileOnlyOnceAndShowsAGuideMapAgain)
{
    view->m_nLastMapState = 1;
    doc->m_strMapName = "東京";
    view->OnRedisplayMap();
    EXPECT_EQ(doc->m_strMapName, "東京");
    EXPECT_EQ(doc->m_nMapDisplayMode, 5);
    doc->menus.m_nGuideMapIndex = 2;
    view->OnRedisplayMap();
    EXPECT_EQ(doc->m_nMapDisplayMode, 24);
}

// One row of the map-mode table: the mode, what the repaint draws, the buttons shown after it
// (the memo and return buttons of another screen were up), the mode after it.
struct ModeRow {
    int mode;
    std::vector<std::string> calls;
    std::vector<std::string> buttons;
    int modeAfter;
};

TEST_F(MapView, TheMapModeTableDrivesTheRoutineOfEachMode)
{
    const std::vector<std::string> kept = {"15 k15", "27 k27"};
    const std::vector<std::string> original = {"27 元の地図"};
    const std::vector<ModeRow> rows = {
        {-30, {}, kept, -30},
        {0, {}, kept, 0},
        {1, {"drawRouteAreaMaster"}, kept, 1},
        {2, {}, kept, 2},
        {3, {"showRouteAreaSheets"}, kept, 3},
        {4, {"drawSheetIndexMap"}, {}, 4},
        {5, {"drawLayeredMap"}, MainMapButtons(), 5},
        {6, {"drawDragOverview"}, kept, 6},
        {7, {"drawDragOverview"}, kept, 7},
        {8, {"drawDragOverview"}, kept, 8},
        {9, {}, kept, 10},
        {10, {}, kept, 10},
        {12, {}, {"27 k27"}, 5},
        {13, {"drawAlbum"}, kept, 13},
        {14, {"drawMemo 0"}, kept, 15},
        {15, {"drawMemo 0"}, kept, 15},
        {16, {"drawMemo 1"}, kept, 16},
        {17, {"drawPicture"}, kept, 17},
        {18, {}, kept, 18},
        {19, {"showTextPage"}, kept, 20},
        {20, {"showTextPage"}, kept, 20},
        {21, {}, kept, 21},
        {22, {"drawSubmarineMeshMap"}, original, 0},
        {23, {"makeSubmarineMeshFile"}, original, 0},
        {24, {"drawSheetPicture"}, kept, 24},
        {25, {}, kept, 25},
        {29, {}, kept, 29},
        {500, {}, kept, 500},
    };
    PastFirstPaint();
    RecordRoutines();
    for (const ModeRow& row : rows) {
        calls.clear();
        view->m_pNavigation->RemoveViewButtons(1);
        ShowButtons({15, 27});
        doc->m_nMapDisplayMode = row.mode;
        doc->repaint.m_bMapOnScreen = 0;
        doc->m_strEntryParam = "memo.txt";
        doc->position.m_nMapType = 1;
        Repaint();
        EXPECT_EQ(DrawingCalls(), row.calls) << "mode " << row.mode;
        EXPECT_EQ(ShownButtons(), row.buttons) << "mode " << row.mode;
        EXPECT_EQ(doc->m_nMapDisplayMode, row.modeAfter) << "mode " << row.mode;
        // Mode 2 opens the sheet selection in place of a repaint.
        CDlgSheetSelect& sheets = *view->m_pDlgSheetSelect;
        EXPECT_EQ(sheets.IsWindow(), row.mode == 2) << "mode " << row.mode;
        if (sheets.IsWindow()) {
            EXPECT_EQ(doc->pointer.m_nActiveViewDialog, 0);
            sheets.DestroyWindow();
        }
    }
}

TEST_F(MapView, TheMainMapDrawsByMapTypeAndTheTracksOnDemand)
{
    PastFirstPaint();
    RecordRoutines();
    struct Case {
        int mapType;
        int prefData;
        std::vector<std::string> calls;
        std::vector<std::string> buttons;
    };
    for (const Case& c : {Case{2, -1, {"drawJapanMap"}, {}}, Case{2, 3, {"drawPrefectureMap"}, {}},
                          Case{1, -1, {"drawLayeredMap", "drawPlaceNameLayer 0"}, MainMapButtons(true)}}) {
        calls.clear();
        view->m_pNavigation->RemoveViewButtons(1);
        doc->m_nMapDisplayMode = 5;
        doc->position.m_nMapType = c.mapType;
        doc->statistics.m_nShow = c.prefData;
        doc->search.m_nPlaceNameLayer = 0;
        doc->m_strPlaceNameState = "GNPF"; // the search's request word
        doc->repaint.m_bHideSheetButtons = 1;
        doc->m_nPointDisplayFlag = 14;
        Repaint();
        EXPECT_EQ(DrawingCalls(), c.calls) << c.mapType << " " << c.prefData;
        EXPECT_EQ(ShownButtons(), c.buttons) << c.mapType << " " << c.prefData;
        EXPECT_EQ(doc->m_nPointDisplayFlag, 14);
        EXPECT_EQ(doc->menus.m_nGuideMapIndex, -1);
    }

    // Tracks: the track word "TRACK" with the word "TRACKTRAIL" and a track file.
    trackWord = "TRACK";
    doc->position.m_nMapType = 1;
    doc->search.m_nPlaceNameLayer = -1;
    doc->repaint.m_bHideSheetButtons = 0;
    doc->position.m_nMapFrame = 2;
    for (const bool withFile : {true, false}) {
        calls.clear();
        doc->m_nMapDisplayMode = 5;
        doc->repaint.m_strLayerWord = "TRACKTRAIL";
        doc->tracks.m_nTrackDisplay = 1;
        doc->tracks.m_strTrackFile = withFile ? "Z:\\tracks\\a.trk" : "";
        Repaint();
        const std::vector<std::string> expected =
            withFile ? std::vector<std::string>{"drawLayeredMap", "drawTracks"} : std::vector<std::string>{"drawLayeredMap"};
        EXPECT_EQ(DrawingCalls(), expected);
        EXPECT_EQ(ShownButtons(), MainMapButtons());
        EXPECT_EQ(doc->repaint.m_strLayerWord, "") << "emptied whether or not tracks were drawn";
    }
}

TEST_F(MapView, ARepaintInMode10CopiesTheSavedMapBackWithoutDrawing)
{
    PastFirstPaint();
    RecordRoutines();
    doc->position.m_nMapType = 2;
    view->standIns.drawJapanMap = [this](vd::Dc& dc) {
        calls.push_back("drawJapanMap");
        dc.FillSolidRect(vd::Rect{100, 100, 300, 200}, vd::RGB(0, 0, 255));
        doc->m_nMapDisplayMode = 10; // a drawn map leaves the mode at 10
        return std::string();
    };
    doc->m_nMapDisplayMode = 5;
    Repaint();
    ASSERT_EQ(DrawingCalls(), (std::vector<std::string>{"drawJapanMap"}));

    // Something covers part of the window; the next repaint puts the map back.
    picture->FillSolidRect(vd::Rect{0, 0, kWidth, kHeight}, vd::RGB(255, 255, 255));
    calls.clear();
    Repaint();
    EXPECT_TRUE(DrawingCalls().empty());
    EXPECT_EQ(picture->GetPixel(150, 150), vd::RGB(0, 0, 255));
    EXPECT_EQ(picture->GetPixel(50, 50), vd::RGB(255, 255, 255));
}

TEST_F(MapView, APageOrPictureDrawnInPlaceOfTheMapStaysOnScreen)
{
    PastFirstPaint();
    RecordRoutines();
    // A map on screen, kept in the off-screen copy as the repaint of a drawn map keeps it.
    view->standIns.drawJapanMap = [this](vd::Dc& dc) {
        dc.FillSolidRect(vd::Rect{0, 0, kWidth, kHeight}, vd::RGB(0, 0, 255));
        doc->m_nMapDisplayMode = 10;
        return std::string();
    };
    const auto page = [this](vd::Dc& dc) { dc.FillSolidRect(vd::Rect{100, 100, 300, 200}, vd::RGB(255, 255, 0)); };
    StandInView::StandIns& r = view->standIns;
    r.drawRouteAreaMaster = page;
    r.drawSheetIndexMap = page;
    r.drawPicture = [&] { page(*picture); };
    r.showTextPage = page;
    r.drawSubmarineMeshMap = page;
    r.makeSubmarineMeshFile = page;
    r.drawSheetPicture = page;
    // (Album pages and memos, modes 13, 15 and 16, are kept as the window's picture instead.)
    for (int mode : {1, 4, 17, 19, 20, 22, 23, 24}) {
        doc->position.m_nMapType = 2;
        doc->m_nMapDisplayMode = 5;
        Repaint();
        ASSERT_EQ(picture->GetPixel(150, 150), vd::RGB(0, 0, 255));
        doc->m_nMapDisplayMode = mode;
        doc->repaint.m_bMapOnScreen = 0;
        doc->m_strEntryParam = "@:TEXT\\PAGE.TXT";
        Repaint();
        EXPECT_EQ(picture->GetPixel(150, 150), vd::RGB(255, 255, 0)) << "mode " << mode << ": the page is shown";
        // Back on the map, the map comes back from its copy, not the page.
        doc->m_nMapDisplayMode = 10;
        Repaint();
        EXPECT_EQ(picture->GetPixel(150, 150), vd::RGB(0, 0, 255)) << "mode " << mode << ": the map is kept";
    }
}

TEST_F(MapView, AResizeRestoresTheSavedModeAndTheNextRepaintDraws)
{
    PastFirstPaint();
    RecordRoutines();
    doc->position.m_nMapType = 2;
    doc->m_nMapDisplayMode = 10;
    doc->repaint.m_nSavedMapDisplayMode = 5;
    doc->repaint.m_bMapOnScreen = 1;
    doc->m_strMapName = "東京";
    view->MoveWindow(0, 0, 1024, 768, false);
    picture = std::make_unique<vd::ImageDc>(1024, 768);
    Repaint();
    EXPECT_TRUE(DrawingCalls().empty()) << "the resize only calls OnMove";
    EXPECT_EQ(view->m_nSavedWidth, 1024);
    EXPECT_EQ(view->m_nSavedHeight, 768);
    EXPECT_EQ(doc->m_nMapDisplayMode, 5);
    EXPECT_EQ(doc->repaint.m_bMapOnScreen, 0);
    EXPECT_EQ(doc->pointer.m_nMouseMode, 3);
    EXPECT_EQ(doc->m_strMapName, "東京") << "no saved name: the current one stays";
    Repaint();
    EXPECT_EQ(DrawingCalls(), (std::vector<std::string>{"drawJapanMap"}));
    EXPECT_EQ(doc->pointer.m_nOverviewOriginX, 560);
    EXPECT_EQ(view->m_strBlankLine, std::string(69, ' '));
}

// A window manager framing the window at start resizes it after the first paint asked for the
// first map and before that map was drawn: the map is still drawn.
TEST_F(MapView, AResizeBeforeTheFirstMapWasDrawnKeepsItsDrawing)
{
    PastFirstPaint();
    RecordRoutines();
    doc->position.m_nMapType = 2;
    doc->m_nMapDisplayMode = 5;
    doc->repaint.m_nSavedMapDisplayMode = 0; // no drawing kept a mode yet
    view->MoveWindow(0, 0, 1024, 768, false);
    picture = std::make_unique<vd::ImageDc>(1024, 768);
    Repaint();
    EXPECT_EQ(doc->m_nMapDisplayMode, 5);
    Repaint();
    EXPECT_EQ(DrawingCalls(), (std::vector<std::string>{"drawJapanMap"}));
}

TEST_F(MapView, TheOverviewOriginTurnsWiderAbove800Pixels)
{
    for (const auto& [width, origin, blanks] : {std::tuple{800, 420, 59}, std::tuple{801, 560, 69}}) {
        view->MoveWindow(0, 0, width, 600, false);
        PastFirstPaint();
        view->m_nSavedWidth = width;
        view->m_nSavedHeight = 600;
        doc->m_nMapDisplayMode = 0;
        picture = std::make_unique<vd::ImageDc>(width, 600);
        Repaint();
        EXPECT_EQ(doc->pointer.m_nOverviewOriginX, origin) << width;
        EXPECT_EQ(int(view->m_strBlankLine.size()), blanks) << width;
    }
}

TEST_F(MapView, TheMenuBarsSwapOnTheTextAndPictureCommand)
{
    vd::ui::registerMenus(vd::ui::kProgramModule,
                          {vd::ui::MenuTemplate{128, {vd::ui::subMenu("ﾌｧｲﾙ(&F)", {vd::ui::menuItem(32885, "地図再表示")})}},
                           vd::ui::MenuTemplate{133, {vd::ui::subMenu("ﾃｷｽﾄ(&T)", {vd::ui::menuItem(40001, "項目")})}}});
    PastFirstPaint();
    RecordRoutines();
    doc->m_nMapDisplayMode = 0;
    doc->menus.m_nMenuBarState = -4;
    Repaint();
    EXPECT_EQ(doc->menus.m_nMenuBarState, -2);
    ASSERT_NE(frame->GetMenu(), nullptr);
    EXPECT_EQ(frame->GetMenu()->GetMenuString(0, vd::MF_BYPOSITION), "ﾃｷｽﾄ(&T)");
    EXPECT_EQ(calls, (std::vector<std::string>{"appendItemMenus"}));

    calls.clear();
    doc->menus.m_nMenuBarState = -3;
    Repaint();
    EXPECT_EQ(doc->menus.m_nMenuBarState, -1);
    EXPECT_EQ(frame->GetMenu()->GetMenuString(0, vd::MF_BYPOSITION), "ﾌｧｲﾙ(&F)");
    EXPECT_EQ(calls, (std::vector<std::string>{"appendMapFileMenu", "appendGuideMapMenu"}));
}

TEST_F(MapView, TheCdRomPromptComesOnceBeforeTheRepaint)
{
    PastFirstPaint();
    doc->repaint.m_nCdRomPrompt = -1;
    doc->registered.m_strDataFileTitle = "CD(関東)";
    doc->m_nMapDisplayMode = 0;
    Repaint();
    Repaint();
    ASSERT_EQ(script->messageBoxes().size(), 1u);
    EXPECT_EQ(script->messageBoxes()[0].text, "CDROM 「CD(関東)」を準備してください！");
    EXPECT_EQ(script->messageBoxes()[0].style, vd::MB_OK);
    EXPECT_EQ(doc->repaint.m_nCdRomPrompt, 0);
}

// In place of the map the repaint draws Dovanne's composition table once, with the 地図 button.
TEST_F(MapView, TheGeologyTableIsDrawnInsteadOfTheMapOnce)
{
    PastFirstPaint();
    RecordRoutines();
    doc->repaint.m_strViewState = "GEOLEND";
    doc->repaint.m_bMapOnScreen = 1;
    doc->m_nMapDisplayMode = 5;
    picture->FillSolidRect(0, 0, kWidth, kHeight, vd::RGB(1, 2, 3));
    Repaint();
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(ShownButtons(), (std::vector<std::string>{"16 地図"}));
    EXPECT_EQ(ButtonPlace(16), "地図 841,3,891,27");
    int changed = 0;
    for (int y = 0; y < kHeight; y += 7)
        for (int x = 0; x < kWidth; x += 7)
            changed += picture->GetPixel(x, y) != vd::RGB(1, 2, 3);
    EXPECT_GT(changed, 0) << "the table was drawn over the picture";
    EXPECT_TRUE(script->messageBoxes().empty());
    EXPECT_EQ(doc->repaint.m_strViewState, "");
    EXPECT_EQ(doc->repaint.m_bMapOnScreen, 0);
}

// Surrick in place before the view is built (the view loads it).
class MapViewWithSurrick : public MapView {
protected:
    explicit MapViewWithSurrick(const char* library = VD_FAKE_SURRICK) : library_(library) {}
    void BeforeDocument() override { ASSERT_TRUE(vd::LibraryLoader::setOverride("SURRICK.DLL", library_)); }

private:
    const char* library_;
};

class MapViewWithoutSurrick : public MapViewWithSurrick {
protected:
    MapViewWithoutSurrick() : MapViewWithSurrick("/nonexistent/libsurrick.so") {}
};

TEST_F(MapViewWithSurrick, TheMunicipalitySetUpStoresTheChosenFoldersAndConvertsTheCoastline)
{
    PastFirstPaint();
    RecordRoutines();
    doc->folders.m_strCityBorderDir = "Z:\\old\\city\\";
    doc->folders.m_strCoastlineDir = "Z:\\old\\coast\\";
    setenv("VD_FAKE_SURRICK_ANSWER", "Z:\\new\\city\\#Z:\\old\\coast\\", 1);
    doc->m_nMapDisplayMode = 30;
    doc->position.m_nMapType = 1;
    doc->position.m_nMapFrame = 2;
    ShowButtons({15, 27});
    Repaint();
    EXPECT_EQ(doc->folders.m_strCityBorderDir, "Z:\\new\\city\\");
    EXPECT_EQ(doc->m_nMapDisplayMode, 5);
    EXPECT_TRUE(DrawingCalls().empty());
    EXPECT_TRUE(ShownButtons().empty()) << "the map's buttons go while Surrick's dialogs are up";
    EXPECT_EQ(doc->position.m_nMapFrame, 1) << "the return button flips the block back to the sheet";
    vd::ProfileStore profile;
    EXPECT_EQ(profile.getString("System", "CityBorderDir", "?"), "Z:\\new\\city\\");
    EXPECT_EQ(profile.getString("System", "CoastlineDir", "?"), "?") << "unchanged, not written";
    using LogFn = const std::string*();
    auto* log = vd::entryPoint<LogFn>("SURRICK.DLL", "FakeSurrickLog");
    ASSERT_NE(log, nullptr);
    EXPECT_EQ(*log(), "OnCityBoundarySet(dc,Z:\\old\\city\\,Z:\\old\\coast\\,0);OnCoastlineSet(dc,Z:\\old\\coast\\);");

    // Cancel: nothing changes and the coastline is not converted.
    setenv("VD_FAKE_SURRICK_ANSWER", "", 1);
    doc->m_nMapDisplayMode = 30;
    Repaint();
    EXPECT_EQ(doc->folders.m_strCityBorderDir, "Z:\\new\\city\\");
    EXPECT_EQ(doc->position.m_nMapFrame, 2);
    EXPECT_EQ(log()->find("OnCoastlineSet", log()->find("OnCoastlineSet") + 1), std::string::npos);
}

TEST_F(MapViewWithoutSurrick, TheMunicipalitySetUpChangesNothing)
{
    PastFirstPaint();
    doc->folders.m_strCityBorderDir = "Z:\\city\\";
    doc->m_nMapDisplayMode = 30;
    Repaint();
    EXPECT_EQ(doc->folders.m_strCityBorderDir, "Z:\\city\\");
    EXPECT_EQ(doc->m_nMapDisplayMode, 5);
}

} // namespace
