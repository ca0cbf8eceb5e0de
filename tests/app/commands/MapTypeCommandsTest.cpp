// The map-type dialog (Ctrl+T), the prefecture-map and other-region keys, the text background,
// the colour set and the route and area index map.
#include "CommandTestSupport.h"

using fakedoc::Answer;
using fakedoc::Calls;

TEST_F(DocumentCommands, MapTypeDialogGetsTheSettingsAndItsCancelChangesNothing)
{
    Run(32789);
    ASSERT_EQ(Calls().size(), 1u);
    EXPECT_EQ(Calls()[0],
              "OnMapTypeSet(0,1,10000,181001,0,[" + doc->folders.m_strPaletteDir + "],[" + FlagsWith(0) + "1])");
    EXPECT_EQ(doc->SelectMapType(0), -1);
    EXPECT_EQ(doc->position.m_nMapType, 1);
    EXPECT_EQ(redraws, 0);

    // A reset puts the whole-country map back and redraws even when cancelled.
    doc->position.m_nMapType = 2;
    doc->position.m_nPrefectureSel = 4;
    doc->menus.m_nGuideMapIndex = 3;
    EXPECT_EQ(doc->SelectMapType(1), 1);
    EXPECT_EQ(doc->position.m_nMapType, 1);
    EXPECT_EQ(doc->position.m_nPrefectureSel, 0);
    EXPECT_EQ(doc->menus.m_nGuideMapIndex, -1);
    EXPECT_EQ(redraws, 1);
    EXPECT_EQ(doc->m_nMapDisplayMode, 12) << "drawn anew, not copied back";
}

TEST_F(DocumentCommands, MapTypeAnswerIsStoredAndRedrawsOnlyWhenAsked)
{
    doc->pointer.m_nMouseDragCopy = 0;
    doc->position.m_nPrefectureSel = 3;
    Answer("OnMapTypeSet", Bars({0, 4, 1, 1, 3, 9, 2, 11, 19, 1}));
    EXPECT_EQ(doc->SelectMapType(0), 1);
    EXPECT_EQ(doc->colours.m_nPaletteNo, 4);
    EXPECT_EQ(doc->position.m_nMapType, 1);
    EXPECT_EQ(doc->position.m_nMapFigure, 1);
    EXPECT_EQ(doc->position.m_nMapFigureCopy, 1);
    EXPECT_EQ(doc->colours.m_nColorStep, 3);
    EXPECT_EQ(doc->position.m_nMapPjctn, 2);
    EXPECT_EQ(doc->colours.m_nCstlnColor, 11);
    EXPECT_EQ(doc->colours.m_nPrfCstClr, 19);
    EXPECT_EQ(doc->m_nClipIndexMap, 1);
    EXPECT_EQ(doc->pointer.m_nMouseDrag, 0) << "the whole-country map takes the saved drag mode";
    EXPECT_EQ(doc->position.m_nPrefectureSel, 0);
    EXPECT_EQ(doc->position.m_strPrefFlags, FlagsWith(0) + "1") << "no rest: the flags stay";
    EXPECT_EQ(redraws, 0);
    const int modeBefore = doc->m_nMapDisplayMode;

    // Field 0 asks for the redraw; a short answer reads its missing fields as 0.
    Answer("OnMapTypeSet", "1|2|4|");
    EXPECT_EQ(doc->SelectMapType(0), 1);
    EXPECT_EQ(doc->position.m_nMapType, 4);
    EXPECT_EQ(doc->position.m_nMapFigure, 0);
    EXPECT_EQ(doc->colours.m_nPrfCstClr, 0);
    EXPECT_EQ(doc->pointer.m_nMouseDrag, 1);
    EXPECT_EQ(redraws, 1);
    EXPECT_NE(modeBefore, 12);
    EXPECT_EQ(doc->m_nMapDisplayMode, 12) << "the map drawn anew in its new kind and tints";
}

TEST_F(DocumentCommands, MapTypeAnswerForAPrefectureMap)
{
    struct Case {
        int firstFlag;
        int result, type, selection, prefecture, redraws;
    };
    const Case cases[] = {
        {13, 1, 2, 4, 12, 1}, // the 13th flag: prefecture index 12 with frame 2
        {0, 1, 2, 0, 0, 1},   // the whole country: a prefecture map with no prefecture
        {-1, -1, 1, 0, 5, 0}, // no flag: the previous type comes back
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.firstFlag);
        doc->position.m_nMapType = 1;
        doc->position.m_nPrefectureSel = 0;
        doc->position.m_nPrefecture = 5;
        doc->position.m_nMapFrame = doc->position.m_nMapFrameCopy2 = 1;
        redraws = 0;
        doc->m_nMapDisplayMode = 10;
        Answer("OnMapTypeSet", Bars({0, 0, 3, 0, 1, 0, 1, 10, 18, 0}) + FlagsWith(c.firstFlag));
        EXPECT_EQ(doc->SelectMapType(0), c.result);
        EXPECT_EQ(doc->position.m_nMapType, c.type);
        EXPECT_EQ(doc->position.m_nPrefectureSel, c.selection);
        EXPECT_EQ(doc->position.m_nPrefecture, c.prefecture);
        EXPECT_EQ(doc->position.m_nMapFrame, c.firstFlag > 0 ? 2 : 1);
        EXPECT_EQ(doc->position.m_nMapFrameCopy2, doc->position.m_nMapFrame);
        EXPECT_EQ(doc->position.m_strPrefFlags, FlagsWith(c.firstFlag));
        EXPECT_EQ(redraws, c.redraws);
        EXPECT_EQ(doc->m_nMapDisplayMode, c.redraws ? 12 : 10);
    }
}

TEST_F(DocumentCommands, APrefectureMapGoesToTheDialogAsTypeThreeButStaysTypeTwo)
{
    doc->position.m_nMapType = 2;
    doc->position.m_nPrefectureSel = 4;
    doc->m_nClipIndexMap = 1;
    EXPECT_EQ(doc->SelectMapType(0), -1);
    EXPECT_EQ(fakedoc::Calls()[0].substr(0, 18), "OnMapTypeSet(0,13,");
    EXPECT_EQ(doc->position.m_nMapType, 2) << "a cancel leaves no type 3 behind";

    Answer("OnMapTypeSet", Bars({1, 0, 3, 0, 1, 0, 1, 10, 18, 1}) + FlagsWith(-1));
    EXPECT_EQ(doc->SelectMapType(0), -1);
    EXPECT_EQ(doc->position.m_nMapType, 2) << "nor does a prefecture map without a prefecture";
    EXPECT_EQ(redraws, 0);
}

TEST_F(DocumentCommands, KeysForThePrefectureMapAndAnotherRegion)
{
    doc->statistics.m_nShow = 3;
    Run(32788);
    EXPECT_EQ(doc->position.m_nMapType, 2);
    EXPECT_EQ(doc->position.m_nPrefectureSel, 0);
    EXPECT_EQ(doc->m_nMapDisplayMode, 12);
    EXPECT_EQ(doc->statistics.m_nShow, -1);
    EXPECT_EQ(redraws, 1);

    const std::pair<const char*, int> selections[] = {{"INDEX", 4}, {"MAP", 8}, {"DIALOG", 2}, {"OTHER", 2}};
    for (const auto& [select, mode] : selections) {
        SCOPED_TRACE(select);
        doc->environment.m_strSheetSelect = select;
        doc->position.m_nMapType = 2;
        doc->repaint.m_bMapOnScreen = 1;
        Run(33149);
        EXPECT_EQ(doc->m_nMapDisplayMode, mode) << "any other text keeps the mode";
        EXPECT_EQ(doc->position.m_nMapType, 1);
        EXPECT_EQ(doc->repaint.m_bMapOnScreen, 0);
    }
    EXPECT_EQ(redraws, 5);

    EXPECT_TRUE(Update(33149).enabled);
    doc->position.m_nMapType = 2;
    doc->position.m_nPrefectureSel = 4;
    EXPECT_FALSE(Update(33149).enabled) << "grey on a prefecture map";
}

TEST_F(DocumentCommands, TextBackgroundAndRouteAreaIndexMap)
{
    for (const auto& [before, after] : {std::pair{0, 1}, {1, 0}, {5, 0}}) {
        doc->environment.m_nBackGrandColor = before;
        Run(32882);
        EXPECT_EQ(doc->environment.m_nBackGrandColor, after);
        EXPECT_EQ(Update(32882).checked, after);
    }
    EXPECT_EQ(redraws, 3);

    doc->position.m_nMapFrame = doc->position.m_nMapFrameCopy2 = 1;
    doc->position.m_nPrefectureSel = 4;
    doc->OnRouteAreaIndexMap();
    EXPECT_EQ(doc->m_nMapDisplayMode, 1);
    EXPECT_EQ(doc->position.m_nMapFrame, 2);
    EXPECT_EQ(doc->position.m_nMapFrameCopy2, 2);
    EXPECT_EQ(doc->position.m_nMapType, 2);
    EXPECT_EQ(doc->position.m_nPrefectureSel, 0);
    EXPECT_EQ(redraws, 4);
}

TEST_F(DocumentCommands, ColourSetTakesPaletteAndColoursAndRedrawsForEachReason)
{
    doc->environment.m_strEditor = "ed";
    doc->colours.m_crSeaColour = vd::RGB(1, 2, 3);
    doc->colours.m_crLakeColour = vd::RGB(4, 5, 6);
    doc->colours.m_crBackground = vd::RGB(7, 8, 9);
    Run(33262);
    EXPECT_EQ(Calls()[0], vd::format("OnMapPalleteSet(0,[ed],[%s],%d,%d,%d)", doc->folders.m_strPaletteDir.c_str(),
                                     int(vd::RGB(1, 2, 3)), int(vd::RGB(4, 5, 6)), int(vd::RGB(7, 8, 9))));
    EXPECT_EQ(redraws, 0) << "Cancel";

    // The same values: nothing changed, only the palette file asks for its redraw.
    Answer("OnMapPalleteSet", Bars({0, 1, 2, 3, 4, 5, 6, 7, 8, 9}) + "PaletteChange");
    Run(33265);
    EXPECT_EQ(redraws, 1);
    EXPECT_EQ(doc->m_nMapDisplayMode, 11);

    Answer("OnMapPalleteSet", Bars({2, 10, 20, 30, 4, 5, 6, 7, 8, 9}) + "PaletteChange");
    Run(33262);
    EXPECT_EQ(redraws, 3);
    EXPECT_EQ(doc->m_nMapDisplayMode, 12);
    EXPECT_EQ(doc->colours.m_nPaletteNo, 2);
    EXPECT_EQ(doc->colours.m_crSeaColour, vd::RGB(10, 20, 30));

    // With the submarine relief on, the sea stays pale.
    doc->depth.m_nSubmarineLayer = 1;
    doc->depth.m_anSubmarineSetting[0] = 1;
    Answer("OnMapPalleteSet", Bars({2, 10, 20, 30, 40, 50, 60, 7, 8, 9}));
    Run(33262);
    EXPECT_EQ(doc->colours.m_crSeaColour, vd::RGB(245, 245, 255));
    EXPECT_EQ(doc->colours.m_crLakeColour, vd::RGB(40, 50, 60));
    EXPECT_EQ(redraws, 4);
}
