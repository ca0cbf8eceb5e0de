// The mesh-type settings commands: their settings and answers, the industry table, geology and
// land classification, and the exclusions between the mesh-type layers.
#include "LayerTestSupport.h"

#include "platform/fs/PathResolver.h"

#include <fstream>

#include <vector>

using fakelayers::Answer;
using fakelayers::Calls;
using fakelayers::Texts;

namespace {

// Every mesh-type layer on: nature group 0 row 0, industry row 0, 1/10 mesh row 0, geology,
// land classification and the probabilistic seismic layer.
void AllMeshLayersOn(CVeldoranDoc& doc)
{
    doc.m_anMeshRowFlag[0] = {1, 0, 0, 0, 0, 1, 1};
    doc.m_anMeshRowFlag[1] = {0, 0, 0, 0, 0, 0, 0};
    doc.m_anMeshRowFlag[2] = {1, 0, 0, 0, 0, 1, 0};
    doc.m_anFineMeshFlag = {1, 0, 0, 0, 0, 1, 0, 0, 0};
    doc.geology.m_nGeologyLayer = 1;
    doc.geology.m_nLandClassLayer = 1;
    doc.seismic.m_bSeismicLayer = 1;
    doc.seismic.m_anSeisSetting[2] = 1;
    doc.seismic.m_anSeisSetting[4] = 1;
}

std::string NatureAnswer(int group, int row)
{
    std::string answer = Bars({1});
    for (int g = 0; g < 2; ++g)
        for (int r = 0; r < 5; ++r)
            answer += Bars({g == group && r == row ? 1 : 0, 10 * g + r});
    answer += "0|";
    for (int i = 0; i < 10; ++i)
        answer += vd::format("mn%d|mf%d|", i, i);
    return answer;
}

} // namespace

TEST_F(LayerDocument, NatureMeshAnswerSwitchesTheOtherMeshLayersOff)
{
    AllMeshLayersOn(*doc);
    doc->geology.m_nLandClassLayer = -1;
    Answer("OnDlgDmeshSet", NatureAnswer(1, 2));
    doc->OnNatureMeshSettings();
    const auto texts = Texts(Calls().at(0));
    ASSERT_EQ(texts.size(), 22u);
    std::string settings = Bars({0});
    for (int g = 0; g < 2; ++g)
        for (int r = 0; r < 5; ++r)
            settings += Bars({g == 0 && r == 0 ? 1 : 0, 0});
    EXPECT_EQ(texts[1], settings + "0|/TAVREL");
    EXPECT_EQ(doc->m_anMeshRowFlag[1][2], 1);
    EXPECT_EQ(doc->m_anMeshRowFlag[1][5], 1);
    EXPECT_EQ(doc->m_anMeshRowFlag[0][5], 0);
    EXPECT_EQ(doc->m_anNatureMeshValue[7], 12);
    EXPECT_EQ(doc->m_astrMeshFile[9], "mf9");
    EXPECT_EQ(doc->m_anMeshRowFlag[2][5], 0) << "the industry group's flag goes off";
    EXPECT_EQ(doc->m_anMeshRowFlag[2][0], 1) << "its rows stay";
    EXPECT_EQ(doc->geology.m_nGeologyLayer, 0);
    EXPECT_EQ(doc->geology.m_nLandClassLayer, -1) << "never set stays never set";
    EXPECT_EQ(doc->geology.m_nGeoTableState, -1);
    EXPECT_EQ(doc->m_anFineMeshFlag[5], 0);
    EXPECT_EQ(doc->m_anFineMeshFlag[0], 1);
    EXPECT_EQ(doc->seismic.m_bSeismicLayer, 0);
    EXPECT_EQ(doc->seismic.m_anSeisSetting[2], 0);
    EXPECT_EQ(doc->seismic.m_anSeisSetting[4], 0);
}

TEST_F(LayerDocument, IndustryMeshAnswerWithItsTable)
{
    AllMeshLayersOn(*doc);
    std::string answer = Bars({2});
    for (int r = 0; r < 5; ++r)
        answer += Bars({r == 3 ? 1 : 0, 40 + r});
    answer += "0|";
    for (int i = 10; i < 15; ++i)
        answer += vd::format("in%d|if%d|", i, i);
    for (int j = 0; j < 28; ++j)
        answer += vd::format("c%d#", j);
    Answer("OnDlgDmcSet", answer);
    doc->m_astrIndustryTable[3 * 9 + 1] = "old";
    doc->OnIndustryMeshSettings();
    const auto texts = Texts(Calls().at(0));
    ASSERT_EQ(texts.size(), 13u);
    EXPECT_EQ(texts[1], Bars({0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0}) + "0|/TAVREL");
    EXPECT_EQ(texts[12], std::string(19, '#') + "old#" + std::string(8, '#')) << "by column, 28 entries";
    EXPECT_EQ(doc->m_anMeshRowFlag[2][3], 1);
    EXPECT_EQ(doc->m_anIndustryMeshValue[4], 44);
    EXPECT_EQ(doc->m_astrMeshName[12], "in12");
    EXPECT_EQ(doc->m_astrIndustryTable[0], "c0");
    EXPECT_EQ(doc->m_astrIndustryTable[3 * 9 + 1], "c19");
    EXPECT_EQ(doc->m_astrIndustryTable[3 * 7 + 2], "c27");
    EXPECT_EQ(doc->m_anMeshRowFlag[0][0], 0) << "nature rows go off";
    EXPECT_EQ(doc->m_anMeshRowFlag[0][5], 0);
    EXPECT_EQ(doc->m_anFineMeshFlag[0], 0);
    EXPECT_EQ(doc->m_anFineMeshFlag[5], 0);
    EXPECT_EQ(doc->geology.m_nGeologyLayer, 0);
    EXPECT_EQ(doc->geology.m_nLandClassLayer, 0);
    EXPECT_EQ(doc->seismic.m_bSeismicLayer, 0);
}

TEST_F(LayerDocument, FineMeshAnswerKeepsItsRest)
{
    AllMeshLayersOn(*doc);
    doc->m_nFineMeshLead = 3;
    doc->m_anFineMeshValue = {10, 0, 0, 2};
    doc->m_astrFineMeshName = {"a", "b", "c", "d"};
    doc->m_strFineMeshRest = "rest";
    Answer("OnDlgFmeshSet", Bars({4, 0, 11, 1, 5, 0, 0, 0, 0}) + "w|x|y|z|01|10");
    doc->OnFineMeshSettings();
    EXPECT_EQ(Texts(Calls().at(0)),
              (std::vector<std::string>{"Z:\\app\\", Bars({3, 1, 10, 0, 0, 0, 0, 0, 2}), "a", "b", "c", "d", "rest"}));
    EXPECT_EQ(doc->m_anFineMeshFlag[1], 1);
    EXPECT_EQ(doc->m_anFineMeshFlag[5], 1);
    EXPECT_EQ(doc->m_anFineMeshValue[0], 11);
    EXPECT_EQ(doc->m_astrFineMeshName[3], "z");
    EXPECT_EQ(doc->m_strFineMeshRest, "01|10");
    EXPECT_EQ(doc->geology.m_nGeologyLayer, 0);
    EXPECT_EQ(doc->m_anMeshRowFlag[0][6], 0);
    EXPECT_EQ(doc->m_anMeshRowFlag[2][0], 0);
    EXPECT_EQ(doc->seismic.m_bSeismicLayer, 0);
}

TEST_F(LayerDocument, GeologyAndLandClassificationExcludeEachOther)
{
    struct Case {
        bool geology;
        const char* entry;
        std::string answer;
    };
    // The land-classification file is there: a layer without its data would stay off.
    std::ofstream(doctest::Home() / "LANDCLS.DAT") << "classes";
    const std::string name = vd::toWindowsPath((doctest::Home() / "LANDCLS.DAT").string()).value_or("");
    for (const Case& c : {Case{true, "OnDlgGeoSet", "2|1|5|t5|t0|t1|t2|t3|r|s"},
                          Case{false, "OnDlgNtrSet", "1|1|6|" + name + "|file|u0|u1|u2|u3|rest"}}) {
        SCOPED_TRACE(c.entry);
        SetUp();
        AllMeshLayersOn(*doc);
        doc->geology.m_nGeoLead = 3;
        doc->geology.m_nGeoOption = 4;
        Answer(c.entry, c.answer);
        (c.geology ? doc->OnGeologySettings() : doc->OnLandClassSettings());
        const auto texts = Texts(Calls().at(0));
        ASSERT_EQ(texts.size(), 8u);
        EXPECT_EQ(texts[1], "3|1|4|");
        EXPECT_EQ(c.geology ? doc->geology.m_nGeologyLayer : doc->geology.m_nLandClassLayer, 1);
        EXPECT_EQ(c.geology ? doc->geology.m_nLandClassLayer : doc->geology.m_nGeologyLayer, 0);
        EXPECT_EQ(doc->geology.m_nGeoLegendKind, 1);
        EXPECT_EQ(doc->m_anMeshRowFlag[0][0], 0);
        EXPECT_EQ(doc->m_anMeshRowFlag[2][5], 0);
        EXPECT_EQ(doc->m_anFineMeshFlag[0], 0);
        EXPECT_EQ(doc->seismic.m_bSeismicLayer, 0);
        EXPECT_EQ(redraws, 1);
    }
    EXPECT_EQ(doc->geology.m_nGeoLead, 1);
    EXPECT_EQ(doc->geology.m_strLandClassName, name);
    EXPECT_EQ(doc->geology.m_strLandClassFile, "file");
    EXPECT_EQ(doc->geology.m_astrGeoText[3], "u3");
    EXPECT_EQ(doc->geology.m_astrGeoText[4], "rest");
}

TEST_F(LayerDocument, GeologyFirstOpenAndItsTexts)
{
    doc->geology.m_astrGeoText = {"x0", "x1", "x2", "x3", "x4", "x5"};
    Answer("OnDlgGeoSet", "2|0|5|t5|t0|t1|t2|t3|r|s");
    doc->OnGeologySettings();
    EXPECT_EQ(Texts(Calls().at(0)), (std::vector<std::string>{"Z:\\app\\", "-1", "", "", "", "", "", "0"}));
    EXPECT_EQ(doc->geology.m_nGeologyLayer, 0);
    EXPECT_EQ(doc->geology.m_nGeoLegendKind, 2);
    EXPECT_EQ(doc->geology.m_astrGeoText, (std::array<std::string, 6>{"t0", "t1", "t2", "t3", "r|s", "t5"}));
}

// Cancel puts back the state the layer had before the command (it used to switch an off layer on).
TEST_F(LayerDocument, GeologyCancelKeepsTheStateItHad)
{
    for (int before : {-1, 0, 1})
        for (bool geology : {true, false}) {
            SCOPED_TRACE(std::to_string(before) + (geology ? " geology" : " land"));
            int& state = geology ? doc->geology.m_nGeologyLayer : doc->geology.m_nLandClassLayer;
            state = before;
            doc->geology.m_nGeoLegendKind = 1;
            Answer(geology ? "OnDlgGeoSet" : "OnDlgNtrSet", "");
            (geology ? doc->OnGeologySettings() : doc->OnLandClassSettings());
            EXPECT_EQ(state, before);
            EXPECT_EQ(doc->geology.m_nGeoLegendKind, 2);
            EXPECT_EQ(redraws, 0);
        }
}
