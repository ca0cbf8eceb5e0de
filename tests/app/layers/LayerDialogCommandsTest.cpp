// The point, line and surface settings commands: the settings string and row texts handed to the
// dialog, the answer taken back, and what Cancel, a short answer or a missing library change.
#include "LayerTestSupport.h"

#include <vector>

using fakelayers::Answer;
using fakelayers::Calls;
using fakelayers::Texts;

namespace {

std::string N(int i) { return vd::format("n%d", i); }
std::string Fl(int i) { return vd::format("f%d", i); }

} // namespace

TEST_F(LayerDocument, FirstPointDialogSendsTheMarkerAndCancelLeavesTheRowsOffButSet)
{
    for (int mapType : {1, 2}) {
        SCOPED_TRACE(mapType);
        SetUp();
        doc->position.m_nMapType = mapType;
        doc->m_astrPointName[3] = "old";
        doc->OnPointDataSettings();
        const auto calls = Calls();
        ASSERT_EQ(calls.size(), 1u);
        EXPECT_EQ(calls[0].rfind(mapType == 1 ? "OnDlgWhtDpSet(" : "OnDlgDpSet(", 0), 0u);
        const auto texts = Texts(calls[0]);
        ASSERT_EQ(texts.size(), 40u);
        EXPECT_EQ(texts[0], "Z:\\app\\DddPFile.dat");
        EXPECT_EQ(texts[1], "-1/TAVREL");
        EXPECT_EQ(texts[5], "") << "the never-set family is emptied before the call";
        EXPECT_EQ(doc->m_anPointRowFlag[0][0], 0);
        EXPECT_EQ(doc->m_anPointRowFlag[0][6], 0);
        EXPECT_EQ(doc->repaint.m_bLayerDialogOpen, 0);
        EXPECT_EQ(redraws, 0);
    }
}

TEST_F(LayerDocument, PointAnswerIsStoredAndSentBackInTheDialogsLayout)
{
    std::string ints = Bars({7});
    for (int t = 0; t < 6; ++t)
        for (int r = 0; r < 5; ++r)
            ints += Bars({t == 1 && r == 2 ? 1 : 0, 100 + 5 * t + r, 200 + 5 * t + r, 300 + 5 * t + r});
    std::string texts;
    for (int row = 0; row < 30; ++row)
        if (row != 14)
            texts += N(row) + "|" + Fl(row) + "|";
    Answer("OnDlgWhtDpSet", ints + texts);
    doc->layerChoice.m_nLayerPreset = 3;
    doc->m_anFineMeshFlag[6] = 1;
    doc->OnPointDataSettings();
    EXPECT_EQ(doc->m_nPointLead, 7);
    EXPECT_EQ(doc->m_anPointRowFlag[1][2], 1);
    EXPECT_EQ(doc->m_anPointRowFlag[1][5], 1);
    EXPECT_EQ(doc->m_anPointRowFlag[2][5], 0);
    EXPECT_EQ(doc->m_anPointRowFlag[0][6], 1);
    EXPECT_EQ(doc->m_anPointRowA[3][4], 119);
    EXPECT_EQ(doc->m_anPointRowB[5][0], 225);
    EXPECT_EQ(doc->m_anPointRowC[0][1], 301);
    EXPECT_EQ(doc->m_astrPointName[13], "n13");
    EXPECT_EQ(doc->m_astrPointName[14], "") << "row 14 is not in the answer";
    EXPECT_EQ(doc->m_astrPointFile[15], "f15");
    EXPECT_EQ(doc->m_astrPointFile[29], "f29");
    EXPECT_EQ(doc->layerChoice.m_nLayerPreset, 0);
    EXPECT_EQ(doc->m_anFineMeshFlag[6], 0);
    EXPECT_EQ(doc->m_nMapDisplayMode, 5);
    EXPECT_EQ(redraws, 1);

    fakelayers::Log().clear();
    Answer("OnDlgWhtDpSet", "");
    doc->OnPointDataSettings();
    const std::vector<std::string> expected = {"Z:\\app\\DddPFile.dat",
                                               ints + "/TAVREL",
                                               N(0),
                                               N(1),
                                               N(2),
                                               N(3),
                                               N(4),
                                               Fl(0),
                                               Fl(1),
                                               Fl(2),
                                               Fl(3),
                                               Fl(4),
                                               N(5),
                                               N(6),
                                               N(7),
                                               N(8),
                                               N(9),
                                               Fl(5),
                                               Fl(6),
                                               Fl(7),
                                               Fl(8),
                                               Fl(9),
                                               N(10),
                                               N(11),
                                               N(12),
                                               N(13),
                                               Fl(10),
                                               Fl(11),
                                               Fl(12),
                                               Fl(13),
                                               N(15),
                                               "n16/n17",
                                               "n25/n26/n27/n28/n29/",
                                               "n18/n19",
                                               "n20/n21/n22/n23/n24/",
                                               Fl(15),
                                               "f16/f17",
                                               "f25/f26/f27/f28/f29/",
                                               "f18/f19",
                                               "f20/f21/f22/f23/f24/"};
    EXPECT_EQ(Texts(Calls().at(0)), expected);
    EXPECT_EQ(redraws, 1) << "Cancel draws nothing";
}

TEST_F(LayerDocument, AllPointRowsOffStillRedraws)
{
    std::string answer = Bars({0});
    for (int i = 0; i < 120; ++i)
        answer += "0|";
    for (int i = 0; i < 58; ++i)
        answer += "|";
    Answer("OnDlgWhtDpSet", answer);
    doc->OnPointDataSettings();
    EXPECT_EQ(doc->m_anPointRowFlag[0][6], 0);
    EXPECT_EQ(doc->m_nMapDisplayMode, 5);
    EXPECT_EQ(redraws, 1);
}

TEST_F(LayerDocument, LineAnswerAndLayout)
{
    std::string ints = Bars({4});
    for (int t = 0; t < 7; ++t)
        for (int r = 0; r < 5; ++r)
            ints += Bars({t == 3 && r == 1 ? 1 : 0, 10 * t + r});
    std::string texts;
    for (int row = 0; row < 35; ++row)
        texts += (row == 0 ? std::string("道路") : N(row)) + "|" + Fl(row) + "|";
    Answer("OnDlgDdSet", ints + texts);
    doc->OnLineDataSettings();
    EXPECT_EQ(doc->m_anLineRowFlag[3][5], 1);
    EXPECT_EQ(doc->m_anLineRowFlag[0][6], 1);
    EXPECT_EQ(doc->m_anLineRowValue[6][4], 64);
    EXPECT_EQ(doc->m_astrLineName[0], "道路");
    EXPECT_EQ(doc->m_astrLineFile[34], "f34");

    fakelayers::Log().clear();
    Answer("OnDlgDdSet", "");
    doc->OnLineDataSettings();
    const std::vector<std::string> expected = {"Z:\\app\\DddMFile.dat",
                                               ints + "/TAVREL",
                                               N(1),
                                               N(2),
                                               N(3),
                                               N(4),
                                               Fl(0),
                                               Fl(1),
                                               Fl(2),
                                               Fl(3),
                                               Fl(4),
                                               N(5),
                                               N(6),
                                               N(7),
                                               N(8),
                                               N(9),
                                               Fl(5),
                                               Fl(6),
                                               Fl(7),
                                               Fl(8),
                                               Fl(9),
                                               N(10),
                                               N(11),
                                               "n12/n13/n14",
                                               "n25/n26/n27/n28/n29",
                                               "f25/f26/f27/f28/f29",
                                               "f10/f11/f12/f13/f14",
                                               "n15/n16/n17/n18/n19",
                                               "f15/f16/f17/f18/f19",
                                               "n20/n21/n22/n23/n24",
                                               "f20/f21/f22/f23/f24",
                                               "n30|n31|n32|n33|n34|",
                                               "f30|f31|f32|f33|f34|"};
    EXPECT_EQ(Texts(Calls().at(0)), expected);
}

TEST_F(LayerDocument, SurfaceAnswerIsGroupedByColumnWhileTheSettingsAreInterleaved)
{
    // Tabs in the dialog's order 0, 2, 1; each a block of flags, then values A, B and C.
    std::string ints = Bars({9});
    for (int t : {0, 2, 1}) {
        for (int r = 0; r < 5; ++r)
            ints += Bars({t == 2 && r == 3 ? 1 : 0});
        for (int column = 1; column <= 3; ++column)
            for (int r = 0; r < 5; ++r)
                ints += Bars({100 * column + 10 * t + r});
    }
    std::string texts;
    for (int r = 0; r < 5; ++r)
        for (int t : {0, 2, 1})
            texts += N(5 * t + r) + "|" + Fl(5 * t + r) + "|";
    Answer("OnDlgDsSet", ints + texts);
    doc->OnSurfaceDataSettings();
    EXPECT_EQ(doc->m_anSurfaceRowFlag[2][3], 1);
    EXPECT_EQ(doc->m_anSurfaceRowFlag[2][5], 1);
    EXPECT_EQ(doc->m_anSurfaceRowFlag[1][5], 0);
    EXPECT_EQ(doc->m_anSurfaceRowA[2][3], 123);
    EXPECT_EQ(doc->m_anSurfaceRowB[1][4], 214);
    EXPECT_EQ(doc->m_anSurfaceRowC[0][0], 300);
    EXPECT_EQ(doc->m_astrSurfaceName[7], "n7");
    EXPECT_EQ(doc->m_astrSurfaceFile[12], "f12");

    fakelayers::Log().clear();
    Answer("OnDlgDsSet", "");
    doc->OnSurfaceDataSettings();
    std::string settings = Bars({9});
    for (int t : {0, 2, 1})
        for (int r = 0; r < 5; ++r)
            settings += Bars({t == 2 && r == 3 ? 1 : 0, 100 + 10 * t + r, 200 + 10 * t + r, 300 + 10 * t + r});
    std::vector<std::string> expected = {"Z:\\app\\", settings + "/TAVREL"};
    for (int first : {0, 10, 5}) {
        for (int i = first; i < first + 5; ++i)
            expected.push_back(N(i));
        for (int i = first; i < first + 5; ++i)
            expected.push_back(Fl(i));
    }
    EXPECT_EQ(Texts(Calls().at(0)), expected);
}

TEST_F(LayerDocument, AShortAnswerChangesNothing)
{
    doc->m_anLineRowFlag[0] = {1, 0, 0, 0, 0, 1, 1};
    doc->layerChoice.m_nLayerPreset = 2;
    Answer("OnDlgDdSet", Bars({0, 0, 0, 5}));
    doc->OnLineDataSettings();
    EXPECT_EQ(doc->m_anLineRowFlag[0][0], 1);
    EXPECT_EQ(doc->m_anLineRowFlag[0][6], 1);
    EXPECT_EQ(doc->layerChoice.m_nLayerPreset, 2);
    EXPECT_EQ(redraws, 0);
}

TEST(LayerCommandsWithoutLibraries, AMissingEntryPointLeavesTheDocumentAlone)
{
    vd::ui::Script::install();
    doctest::InstallFakeEditor();
    // TOVENDLG exports none of the layer entry points.
    for (const char* name : {"Pelmora.DLL", "Dovanne.dll", "Halvette.DLL", "SURRICK.DLL", "TOVENDLG.DLL"})
        vd::LibraryLoader::setOverride(name, VD_BIN_DIR "/libtovendlg.so");
    CVeldoranDoc doc;
    int redraws = 0;
    doc.repaint.m_fnUpdateAllViews = [&] { ++redraws; };
    doc.seismic.m_bSeismicLayer = 1;
    for (auto command :
         {&CVeldoranDoc::OnPointDataSettings, &CVeldoranDoc::OnLineDataSettings, &CVeldoranDoc::OnSurfaceDataSettings,
          &CVeldoranDoc::OnNatureMeshSettings, &CVeldoranDoc::OnIndustryMeshSettings, &CVeldoranDoc::OnFineMeshSettings,
          &CVeldoranDoc::OnGeologySettings, &CVeldoranDoc::OnLandClassSettings, &CVeldoranDoc::OnLayerAreaSelect,
          &CVeldoranDoc::OnLayerPreset, &CVeldoranDoc::OnSeismicSettings})
        (doc.*command)();
    EXPECT_EQ(doc.m_anPointRowFlag[0][0], -1);
    EXPECT_EQ(doc.m_anLineRowFlag[0][0], -1);
    EXPECT_EQ(doc.m_anSurfaceRowFlag[0][0], -1);
    EXPECT_EQ(doc.m_anMeshRowFlag[0][0], -1);
    EXPECT_EQ(doc.m_anMeshRowFlag[2][0], -1);
    EXPECT_EQ(doc.m_anFineMeshFlag[0], -1);
    EXPECT_EQ(doc.geology.m_nGeologyLayer, -1);
    EXPECT_EQ(doc.geology.m_nLandClassLayer, -1);
    EXPECT_EQ(doc.seismic.m_bSeismicLayer, 1);
    EXPECT_EQ(redraws, 0);
}
