// Layer presets both ways (the state strings out, the preset's back, the rows of newly switched
// families from their settings files) and the seismic settings, summary and title.
#include "LayerTestSupport.h"

#include "platform/text/Cp932.h"

#include <fstream>

using fakelayers::Answer;
using fakelayers::Calls;
using fakelayers::Texts;

namespace {

// A file of the test's application folder, CP932 with CR LF.
void WriteAppFile(const std::string& name, std::initializer_list<std::string> lines)
{
    std::ofstream out(doctest::Home() / name, std::ios::binary);
    for (const std::string& line : lines)
        out << vd::utf8ToCp932(line) << "\r\n";
}

std::string Repeat(const std::string& text, int n)
{
    std::string out;
    for (int i = 0; i < n; ++i)
        out += text;
    return out;
}

} // namespace

TEST_F(LayerDocument, PresetStateStringsGoOutEntryMajor)
{
    doc->m_anPointRowFlag[0] = {1, 0, 0, 0, 0, 1, 1};
    doc->m_anPointRowFlag[3] = {0, 0, 1, 0, 0, 1, 0};
    doc->m_anMeshRowFlag[1] = {0, 1, 0, 0, 0, 1, 0};
    doc->m_anMeshRowFlag[2] = {0, 0, 0, 0, 0, 0, 0};
    doc->m_anFineMeshFlag = {0, 1, 0, 0, 0, 1, 0, 1, 0};
    doc->m_anFineMeshValue = {10, 11, 3, 0};
    doc->m_strFineMeshRest = "R";
    doc->geology.m_nGeologyLayer = 1;
    doc->geology.m_nGeoLead = 2;
    doc->geology.m_nGeoOption = 3;
    doc->geology.m_astrGeoText = {"a", "b", "c", "d", "e", "f"};
    doc->layerChoice.m_nLayerPreset = 6;
    doc->environment.m_strEditor = "ed";
    doc->OnLayerPreset();
    const std::string call = Calls().at(0);
    EXPECT_EQ(fakelayers::Head(call), "OnNationDataPreset(6,1,0,0,1,1,1,-1,0");
    const auto texts = Texts(call);
    ASSERT_EQ(texts.size(), 9u);
    EXPECT_EQ(texts[0], "100000"
                        "000000"
                        "000100"
                        "000000"
                        "000000"
                        "100100"
                        "100000");
    EXPECT_EQ(texts[1], "9" + Repeat("0", 48));
    EXPECT_EQ(texts[2], "9" + Repeat("0", 20));
    EXPECT_EQ(texts[3], "90"
                        "01"
                        "00"
                        "00"
                        "00"
                        "01"
                        "00"
                        "00");
    EXPECT_EQ(texts[4], "010001010|R|AB30") << "10 and 11 keep one place";
    EXPECT_EQ(texts[5], "1923|a|b|c|d|e");
    EXPECT_EQ(texts[6], "000000000");
    EXPECT_EQ(texts[7], "Z:\\app\\");
    EXPECT_EQ(texts[8], "ed");
    EXPECT_EQ(redraws, 0) << "Cancel";
}

TEST_F(LayerDocument, PresetAnswerComesBackIntoTheFlags)
{
    // Every family already has rows, so no file is read.
    for (auto* flags : {&doc->m_anPointRowFlag[0][0], &doc->m_anLineRowFlag[0][0], &doc->m_anSurfaceRowFlag[0][0],
                        &doc->m_anMeshRowFlag[0][0], &doc->m_anMeshRowFlag[2][0], &doc->m_anFineMeshFlag[0],
                        &doc->geology.m_nGeologyLayer, &doc->geology.m_nLandClassLayer})
        *flags = 0;
    doc->seismic.m_bSeismicLayer = 1;
    const std::string point = "010000" + Repeat("0", 24) +
                              "010000"
                              "100000";
    const std::string line = Repeat("0", 35) + "0010000"
                                               "1000000";
    const std::string surface = Repeat("9", 21);
    const std::string nature = Repeat("0", 14) + "00";
    const std::string fine = "000000000|rest|B9A1";
    const std::string geology = "913x|g0|g1|g2|g3|g4|g5";
    const std::string industry = "000000000";
    Answer("OnNationDataPreset",
           point + "/" + line + "/" + surface + "/" + nature + "/" + fine + "/" + geology + "/" + industry + "#3");
    doc->OnLayerPreset();
    EXPECT_EQ(doc->layerChoice.m_nLayerPreset, 3);
    EXPECT_EQ(doc->m_anPointRowFlag[1][0], 1);
    EXPECT_EQ(doc->m_anPointRowFlag[1][5], 1);
    EXPECT_EQ(doc->m_anPointRowFlag[0][6], 1);
    EXPECT_EQ(doc->m_anLineRowFlag[2][5], 1);
    EXPECT_EQ(doc->m_anLineRowFlag[0][6], 1);
    EXPECT_EQ(doc->m_anSurfaceRowFlag[2][4], -1) << "\"9\" is -1";
    EXPECT_EQ(doc->m_strFineMeshRest, "rest");
    EXPECT_EQ(doc->m_anFineMeshValue, (std::array<int, 4>{11, -1, 10, 1}));
    EXPECT_EQ(doc->geology.m_nGeologyLayer, -1);
    EXPECT_EQ(doc->geology.m_nLandClassLayer, 1);
    EXPECT_EQ(doc->geology.m_nGeoLead, 3);
    EXPECT_EQ(doc->geology.m_astrGeoText, (std::array<std::string, 6>{"g0", "g1", "g2", "g3", "g4|g5", ""}));
    EXPECT_EQ(doc->geology.m_nGeoLegendKind, 1);
    EXPECT_EQ(doc->seismic.m_bSeismicLayer, 1) << "the preset leaves the seismic layer alone";
    EXPECT_EQ(doc->m_nMapDisplayMode, 5);
    EXPECT_EQ(redraws, 1);

    // Without "|" the 1/10-mesh values are 0; an answer without "#" or its strings is refused.
    Answer("OnNationDataPreset",
           point + "/" + line + "/" + surface + "/" + nature + "/000000000/913x/" + industry + "#4");
    doc->OnLayerPreset();
    EXPECT_EQ(doc->m_anFineMeshValue, (std::array<int, 4>{0, 0, 0, 0}));
    EXPECT_EQ(doc->layerChoice.m_nLayerPreset, 4);
    Answer("OnNationDataPreset", "0/0/0");
    doc->OnLayerPreset();
    EXPECT_EQ(doc->layerChoice.m_nLayerPreset, 4);
    EXPECT_EQ(redraws, 2);
}

TEST_F(LayerDocument, PresetLoadsTheRowsOfFamiliesWithoutRows)
{
    doc->folders.m_strAppDir = vd::applicationFolder();
    WriteAppFile("DddPFile.dat", {"; points", "", "T1_1=駅", "F1_1=eki.dat", "C1_1=3", "N1_1=4", "P2_3=5", "N2_3=6",
                                  "T9_1=bad tab", "T1_9=bad row", "T6_5=last"});
    WriteAppFile("DDMCFILE.DAT", {"T1_2=工業", "N1_2=8", "S3_17=a0", "S3_18=a1", "S3_27=b0", "S3_3A=c0", "S3_3B=c1",
                                  "S3_3C=c2", "S3_3D=c3", "S3_3E=c4", "S3_3F=c5", "S3_3G=c6", "S3_3H=c7", "S3_3I=c8"});
    WriteAppFile("DGEOFILE.DAT", {"F1_1=geology.dat", "F1_2=class", "F1_3=class.dat"});
    doc->m_anMeshRowFlag[0][0] = 0;
    Answer("OnNationDataPreset", "100000" + Repeat("0", 30) + "100000/" + Repeat("0", 49) + "/" + Repeat("0", 21) +
                                     "/" + Repeat("0", 16) + "/000000000|r|0000/0000|t0|t1|t2|t3|t4/1000010#1");
    doc->OnLayerPreset();
    EXPECT_EQ(doc->m_anPointRowFlag[0][0], 1);
    EXPECT_EQ(doc->m_astrPointName[0], "駅");
    EXPECT_EQ(doc->m_astrPointFile[0], "eki.dat");
    EXPECT_EQ(doc->m_anPointRowA[0][0], 3);
    EXPECT_EQ(doc->m_anPointRowB[0][0], 0) << "N and P only from the second tab";
    EXPECT_EQ(doc->m_anPointRowC[1][2], 5);
    EXPECT_EQ(doc->m_anPointRowB[1][2], 6);
    EXPECT_EQ(doc->m_astrPointName[29], "last");
    EXPECT_EQ(doc->m_anLineRowFlag[0][0], 0) << "a family without rows leaves the never-set state";
    EXPECT_EQ(doc->m_astrLineName[0], "") << "a missing file leaves the rows empty";
    EXPECT_EQ(doc->m_astrMeshName[11], "工業");
    EXPECT_EQ(doc->m_anIndustryMeshValue[1], 8);
    EXPECT_EQ(doc->m_astrIndustryTable[0], "a0");
    EXPECT_EQ(doc->m_astrIndustryTable[3], "a1");
    EXPECT_EQ(doc->m_astrIndustryTable[1], "b0");
    EXPECT_EQ(doc->m_astrIndustryTable[2], "c0");
    EXPECT_EQ(doc->m_astrIndustryTable[3 * 7 + 2], "c7");
    EXPECT_EQ(doc->m_astrIndustryTable[3 * 9 + 2], "") << "the third column holds rows 0-7";
    EXPECT_EQ(doc->geology.m_astrGeoText[5], "geology.dat");
    EXPECT_EQ(doc->geology.m_strLandClassName, "class");
    EXPECT_EQ(doc->geology.m_strLandClassFile, "class.dat");
    EXPECT_EQ(doc->m_anMeshRowFlag[2][5], 1);
}

TEST_F(LayerDocument, SeismicSettingsAnswerAndSwitchOffs)
{
    for (int i = 0; i < 10; ++i)
        doc->seismic.m_anSeisSetting[i] = static_cast<std::int16_t>(i + 1);
    doc->environment.m_strEditor = "ed";
    doc->m_anMeshRowFlag[0] = {1, 0, 0, 0, 0, 1, 1};
    doc->m_anFineMeshFlag = {1, 0, 0, 0, 0, 1, 1, 0, 0};
    doc->geology.m_nLandClassLayer = 1;
    doc->geology.m_nGeoLegendKind = 1;
    Answer("OnSeisFileSet", "1|0|1|3|1|5|2|7|8|9");
    doc->OnSeismicSettings();
    EXPECT_EQ(Calls().at(0), "OnSeisFileSet(1,2,3,4,5,6,7,8,9,10,6,[Z:\\app\\],[ed])");
    EXPECT_EQ(doc->seismic.m_anSeisSetting, (std::array<std::int16_t, 10>{1, 0, 0, 3, 1, 5, 2, 7, 8, 9}))
        << "a scenario answer drops the probabilistic layer";
    EXPECT_EQ(doc->seismic.m_bSeismicLayer, 1);
    EXPECT_EQ(doc->m_anMeshRowFlag[0], (std::array<int, 7>{0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(doc->m_anFineMeshFlag, (std::array<int, 9>{0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(doc->geology.m_nLandClassLayer, 0);
    EXPECT_EQ(doc->geology.m_nGeoLegendKind, 2);
    EXPECT_EQ(redraws, 1);
    EXPECT_EQ(doc->m_nMapDisplayMode, 0) << "the map mode stays";

    struct Case {
        std::string answer;
        int seismic;
        int redraws;
    };
    // Switched off, the layer's colours go with a redraw.
    for (const Case& c : {Case{"0|0|1|3|1|5|2|7|8|9", 1, 1}, Case{"0|0|0|3|0|5|2|7|8|9", 0, 1},
                          Case{"0|4|0|3|0|5|2|7|8|9", 0, 1}, Case{"", 0, 0}, Case{"1|2|3", 0, 0}}) {
        redraws = 0;
        doc->seismic.m_bSeismicLayer = 1;
        Answer("OnSeisFileSet", c.answer);
        doc->OnSeismicSettings();
        EXPECT_EQ(doc->seismic.m_bSeismicLayer, c.answer == "1|2|3" ? 1 : c.seismic) << c.answer;
        EXPECT_EQ(redraws, c.redraws) << c.answer;
    }
    EXPECT_EQ(doc->seismic.m_anSeisSetting[4], 0);
}

TEST_F(LayerDocument, SeismicSummaryAndTitle)
{
    doc->folders.m_strAppDir = vd::applicationFolder();
    WriteAppFile("FLTFILE.DAT", {"; faults", "", "断層A=a.dat", "断層B=b.dat"});
    WriteAppFile("SEISFILE.DAT", {"確率0=x.dat"});
    doc->seismic.m_anSeisSetting = {1, 0, 0, 7, 1, 1, 2, 0, 0, 0};
    doc->OnSeismicFileSummary();
    EXPECT_EQ(Calls().at(0), "OnSeisFileFormat(1,1,[" + doc->folders.m_strAppDir + "])");
    EXPECT_EQ(doc->GetSeismicMapTitle(), "断層B [地表の震度]");
    doc->seismic.m_anSeisSetting[6] = 0;
    EXPECT_EQ(doc->GetSeismicMapTitle(), "断層B [基盤の最大速度]");
    doc->seismic.m_anSeisSetting[6] = 5;
    EXPECT_EQ(doc->GetSeismicMapTitle(), "断層B");
    doc->seismic.m_anSeisSetting[5] = 2;
    EXPECT_EQ(doc->GetSeismicMapTitle(), "") << "no such entry";
    doc->seismic.m_anSeisSetting[0] = 0;
    doc->seismic.m_anSeisSetting[3] = 0;
    EXPECT_EQ(doc->GetSeismicMapTitle(), "確率0");
    doc->folders.m_strAppDir = "Z:\\nowhere\\";
    EXPECT_EQ(doc->GetSeismicMapTitle(), "");
}

TEST_F(LayerDocument, SeismicSettingsSayWhichFilesTheMapsNeedWhenNoneIsRegistered)
{
    const auto script = vd::ui::Script::install();
    doc->folders.m_strAppDir = vd::applicationFolder();
    Answer("OnSeisFileSet", "");
    doc->OnSeismicSettings();
    ASSERT_EQ(script->messageBoxes().size(), 1u);
    const std::string& text = script->messageBoxes()[0].text;
    for (const char* needed : {"_PS", "_SI", "_SV", "_BV", "SEISFILE.DAT", "FLTFILE.DAT", "登録", "-MAP-", "-FAULT-"})
        EXPECT_NE(text.find(needed), std::string::npos) << needed;
    EXPECT_NE(text.find(doc->folders.m_strAppDir + "SEISFILE.DAT"), std::string::npos);
    EXPECT_EQ(fakelayers::Head(Calls().at(0)), "OnSeisFileSet(0,0,0,0,0,0,0,0,0,0,6")
        << "the settings still open, where files are registered";

    // A list with only comments is still empty; one entry in either list is enough.
    WriteAppFile("SEISFILE.DAT", {";-----header", ""});
    doc->OnSeismicSettings();
    EXPECT_EQ(script->messageBoxes().size(), 2u);
    WriteAppFile("FLTFILE.DAT", {"断層=z:\\f.csv"});
    doc->OnSeismicSettings();
    EXPECT_EQ(script->messageBoxes().size(), 2u);
}
