// The submarine layer's settings, the depth-file displays, guide maps and the return from a
// temporary display.
#include "CommandTestSupport.h"
#include "platform/fs/PathResolver.h"

#include <filesystem>
#include <fstream>

using fakedoc::Answer;
using fakedoc::Calls;

TEST_F(DocumentCommands, SubmarineDialogOpensWithTheLayerOnWhenAFolderIsKnown)
{
    ProbeDialogFlag();
    doc->folders.m_strSubmarineDir = "D:\\depth\\";
    doc->depth.m_anSubmarineSetting = {1, 2, 3};
    Run(32813);
    EXPECT_EQ(Calls()[0], "OnSubmarineTvlSet(1,1,2,3,[D:\\depth\\])");
    EXPECT_EQ(flagWhileOpen, 1);
    EXPECT_EQ(doc->repaint.m_bLayerDialogOpen, 0);
    EXPECT_EQ(doc->depth.m_nSubmarineLayer, 0) << "Cancel puts the layer back";

    doc->folders.m_strSubmarineDir.clear();
    fakedoc::Log().clear();
    Run(32813);
    EXPECT_EQ(Calls()[0], "OnSubmarineTvlSet(0,1,2,3,[])");
    EXPECT_EQ(redraws, 0);
}

TEST_F(DocumentCommands, SubmarineAnswerIsStoredAndRedrawsTheLayeredMap)
{
    doc->position.m_nMapFigure = 0;
    Answer("OnSubmarineTvlSet", "0|4|5|6|9|E:\\sea\\");
    Run(32813);
    EXPECT_EQ(doc->depth.m_nSubmarineLayer, 0);
    EXPECT_EQ(doc->depth.m_anSubmarineSetting, (std::array<int, 3>{4, 5, 6}));
    EXPECT_EQ(doc->folders.m_strSubmarineDir, "E:\\sea\\");
    EXPECT_EQ(redraws, 0) << "layer off on a plain map";

    for (const auto& [layer, figure] : {std::pair{1, 0}, {0, 1}}) {
        doc->position.m_nMapFigure = figure;
        doc->m_nPrefMapState = 0;
        Answer("OnSubmarineTvlSet", vd::format("%d|1|0|0|0|E:\\sea\\", layer));
        Run(32813);
        EXPECT_EQ(doc->m_nMapDisplayMode, 12);
        EXPECT_EQ(doc->m_nPrefMapState, -1);
    }
    EXPECT_EQ(redraws, 2);

    // Only the whole-country map offers it.
    doc->depth.m_nSubmarineLayer = 1;
    EXPECT_EQ(Update(32813).checked, 1);
    EXPECT_TRUE(Update(32813).enabled);
    doc->position.m_nMapType = 2;
    EXPECT_FALSE(Update(32813).enabled);
}

TEST_F(DocumentCommands, DepthFileStatusAndBuildingEachSeaArea)
{
    for (const auto& [before, after] : {std::pair{1, -888}, {0, -999}, {-888, -999}}) {
        doc->depth.m_nSubmarineLayer = before;
        doc->repaint.m_bMapOnScreen = 1;
        Run(32814);
        EXPECT_EQ(doc->depth.m_nSubmarineLayer, after);
        EXPECT_EQ(doc->m_nMapDisplayMode, 22);
        EXPECT_EQ(doc->repaint.m_bMapOnScreen, 0);
    }
    // Building needs depth data in the registered folder.
    std::filesystem::create_directories(doctest::Home() / "DEPTH");
    std::ofstream(doctest::Home() / "DEPTH" / "DP34_135.txt") << "34.0 135.0 -10\n";
    doc->folders.m_strSubmarineDir = vd::toWindowsPath((doctest::Home() / "DEPTH").string()).value_or("") + "\\";
    for (int area = 0; area < 4; ++area) {
        doc->m_nMapDisplayMode = 5;
        Run(32815 + area);
        EXPECT_EQ(doc->depth.m_nSubmarineView, area);
        EXPECT_EQ(doc->m_nMapDisplayMode, 23);
    }
    EXPECT_EQ(redraws, 7);
}

TEST_F(DocumentCommands, GuideMapGetsItsOwnEmptyPointFile)
{
    namespace fs = std::filesystem;
    doc->folders.m_strAppDir = vd::applicationFolder();
    fs::remove_all(doctest::Home() / "GUIDEMAP");
    doc->menus.m_astrGuideMap[2] = "京都 MAPS\\KYOTO.JPG";
    doc->repaint.m_bMapOnScreen = 1;
    doc->OpenGuideMap(2);
    EXPECT_EQ(doc->menus.m_nGuideMapIndex, 2);
    EXPECT_EQ(doc->m_nMapDisplayMode, 24);
    EXPECT_EQ(doc->menus.m_astrGuideMapCurrent[1], "京都");
    EXPECT_EQ(doc->menus.m_astrGuideMapCurrent[0], "MAPS\\KYOTO.JPG");
    EXPECT_EQ(doc->menus.m_astrGuideMapCurrent[2], doc->folders.m_strAppDir + "GUIDEMAP\\KYOTO.dat");
    const fs::path file = doctest::Home() / "GUIDEMAP" / "KYOTO.dat";
    ASSERT_TRUE(fs::exists(file)) << "the folder is made as well";
    EXPECT_EQ(fs::file_size(file), 0u);
    EXPECT_EQ(doc->repaint.m_bMapOnScreen, 0);
    EXPECT_EQ(redraws, 1);

    // An existing point file is left as it is.
    doctest::WriteBytes(file, "point\r\n");
    doc->OpenGuideMap(2);
    EXPECT_EQ(doctest::ReadBytes(file), "point\r\n");
    EXPECT_EQ(redraws, 2);

    // An entry without a blank only changes the mode.
    doc->menus.m_astrGuideMap[4] = "nothing";
    doc->m_nMapDisplayMode = 5;
    doc->OpenGuideMap(4);
    EXPECT_EQ(doc->m_nMapDisplayMode, 24);
    EXPECT_EQ(doc->menus.m_nGuideMapIndex, 4);
    EXPECT_EQ(doc->menus.m_astrGuideMapCurrent[1], "京都");
    EXPECT_EQ(redraws, 2);
    doc->OpenGuideMap(35);
    EXPECT_EQ(redraws, 2);
}

TEST_F(DocumentCommands, RestoringThePreviousDisplay)
{
    doc->repaint.m_bMapErasedByDialog = 1;
    doc->repaint.m_nSavedMapDisplayMode = 19;
    doc->RestorePreviousDisplay();
    EXPECT_EQ(doc->m_nMapDisplayMode, 19);
    EXPECT_EQ(doc->repaint.m_bMapErasedByDialog, 0);
    doc->repaint.m_nSavedMapDisplayMode = 0;
    doc->RestorePreviousDisplay();
    EXPECT_EQ(doc->m_nMapDisplayMode, 5);
    EXPECT_EQ(redraws, 2);
}
