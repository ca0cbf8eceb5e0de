// The prefecture statistics of the document against a stand-in of Surrick's dialogs: the
// arguments and answers of the display settings, the ranking of the chosen set (ties, the
// per-inhabitant division, sets with missing values), the ranking list (223) answered through
// the script, and the data entry and editing commands.
#include "CommandTestSupport.h"

#include "app/statistics/DataListDialog.h"
#include "platform/sys/ApplicationFolder.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/WindowImpl.h"
#include "tests/municipal/prefmap/MapFixtures.h"

#include <QWidget>

#include <array>
#include <cmath>
#include <functional>
#include <optional>

using fakedoc::Answer;
using fakedoc::Calls;

namespace {

// 47 lines "県k value" after a header; a value of nullopt writes the line without a value.
std::vector<std::string> DataSet(const std::string& name, const std::function<std::string(int)>& value, int lines = 47)
{
    std::vector<std::string> out{";" + std::string(20, '-'), "", "データ名称=" + name};
    for (int k = 0; k < lines; ++k)
        out.push_back("県" + std::to_string(k) + " " + value(k));
    return out;
}

// The selection's settings in their declaration order.
std::array<int, 12> Settings(const StatisticsSelection& s)
{
    return {s.m_nShow,   s.m_nGraticuleKept, s.m_nRanked,         s.m_nColour,     s.m_nBorders,    s.m_nBorderColour,
            s.m_nMethod, s.m_nGraticule,     s.m_nCatalogueIndex, s.m_nChoropleth, s.m_nTenClasses, s.m_nBackground};
}

class PrefectureStatistics : public DocumentCommands {
protected:
    void SetUp() override
    {
        DocumentCommands::SetUp();
        doc->folders.m_strAppDir = vd::applicationFolder();
        doc->environment.m_strEditor = "ed";
    }
    // Writes the set and lets the stand-in answer with it at the given method; then runs Ctrl+Y's
    // document part.
    std::string Choose(const std::string& file, int method, int numeric = 1)
    {
        const std::string path = doc->folders.m_strAppDir + "MAPELMNT\\" + file;
        Answer("OnLocalDataDspSet", Bars({1, numeric, 0, 1, 0, method, 0, 0, 0, 1, 1}) + "＊set|" + path);
        doc->SetPrefectureDataDisplay();
        return path;
    }
    std::vector<int> ByRank() const
    {
        std::vector<int> out;
        for (const auto& r : doc->ranking.m_anPrefRank)
            out.push_back(r[0]);
        return out;
    }
    // The ranking list's lines after `presses` presses of its sort button, that button and its note.
    struct Shown {
        std::vector<std::string> lines;
        std::string button, note, caption;
        bool noteOnOneLine = false;
    };
    Shown List(int presses)
    {
        Shown shown;
        script->answerDialog(CDlgDistanceList::IDD, [&](vd::DialogDriver& d) {
            for (int i = 0; i < presses; ++i)
                d.click(datalistids::IDC_SORT);
            auto& list = dynamic_cast<vd::ListBox&>(d.control(datalistids::IDC_LIST));
            for (int i = 0; i < list.GetCount(); ++i)
                shown.lines.push_back(list.GetText(i));
            shown.button = d.text(datalistids::IDC_SORT);
            shown.note = d.text(datalistids::IDC_NOTE);
            const QWidget* note = d.control(datalistids::IDC_NOTE).impl()->widget;
            shown.noteOnOneLine = note->width() >= note->fontMetrics().horizontalAdvance(QString::fromStdString(shown.note));
            shown.caption = d.caption();
            flagWhileOpen = doc->repaint.m_bLayerDialogOpen;
            d.click(vd::IDOK);
        });
        doc->ShowDataListDialog(2);
        return shown;
    }

    prefmap_test::MapFolder folder;
};

TEST_F(PrefectureStatistics, FirstCallSendsTheDefaultsAndCancelChangesNothing)
{
    ProbeDialogFlag();
    doc->SetPrefectureDataDisplay();
    ASSERT_EQ(Calls().size(), 1u);
    EXPECT_EQ(Calls()[0], "OnLocalDataDspSet(-1,0,0,2,1,0,0,-1,0,1,5,[],[],[" + doc->folders.m_strAppDir + "],[ed])");
    EXPECT_EQ(flagWhileOpen, 1);
    EXPECT_EQ(doc->repaint.m_bLayerDialogOpen, 0);
    EXPECT_EQ(doc->statistics.m_nShow, -1);
    EXPECT_EQ(doc->position.m_nMapType, 1);
    EXPECT_EQ(redraws, 0);

    // Borders kept as 10 go to the dialog as 1; the settings in the dialog's argument order.
    doc->statistics = {.m_nShow = 1,
                       .m_nGraticuleKept = 0,
                       .m_nRanked = 1,
                       .m_nColour = 2,
                       .m_nBorders = 10,
                       .m_nBorderColour = 1,
                       .m_nMethod = 7,
                       .m_nGraticule = 1,
                       .m_nCatalogueIndex = 4,
                       .m_nChoropleth = 0,
                       .m_nTenClasses = 1,
                       .m_nBackground = 1,
                       .m_strPrefDataName = "＊n",
                       .m_strPrefDataFile = "Z:\\f.dat"};
    fakedoc::Log().clear();
    doc->SetPrefectureDataDisplay();
    EXPECT_EQ(Calls()[0],
              "OnLocalDataDspSet(1,1,1,2,1,1,7,4,1,0,1,[＊n],[Z:\\f.dat],[" + doc->folders.m_strAppDir + "],[ed])");
    EXPECT_EQ(doc->statistics.m_nBorders, 1);
}

TEST_F(PrefectureStatistics, AnswersSetTheElements)
{
    doc->statistics = {.m_nShow = 1, .m_nGraticuleKept = 0, .m_nRanked = 1, .m_nColour = 0, .m_nBorders = 1,
                       .m_nBorderColour = 0, .m_nMethod = 0, .m_nGraticule = 1, .m_nCatalogueIndex = 0,
                       .m_nChoropleth = 1, .m_nTenClasses = 0, .m_nBackground = 0, .m_strPrefDataName = "＊n",
                       .m_strPrefDataFile = "Z:\\f.dat"};
    Answer("OnLocalDataDspSet", "-999");
    doc->SetPrefectureDataDisplay();
    EXPECT_EQ(doc->statistics.m_nShow, -1);
    EXPECT_EQ(doc->statistics.m_nGraticuleKept, 1) << "element 1 takes element 7";
    EXPECT_EQ(doc->statistics.m_strPrefDataName, "");
    EXPECT_EQ(doc->statistics.m_strPrefDataFile, "");
    EXPECT_EQ(doc->position.m_nMapType, 1);

    folder.WriteText("MAPELMNT/A.DAT", DataSet("人口", [](int k) { return std::to_string(k); }));
    Answer("OnLocalDataDspSet", "1|1|2|1|2|5|1|3|1|0|1|＊人口|" + doc->folders.m_strAppDir + "MAPELMNT\\A.DAT");
    doc->SetPrefectureDataDisplay();
    EXPECT_EQ(Settings(doc->statistics), (std::array<int, 12>{1, 1, 1, 2, 1, 2, 5, 1, 3, 0, 1, 1}));
    EXPECT_EQ(doc->statistics.m_strPrefDataName, "＊人口");
    EXPECT_EQ(doc->statistics.m_strPrefDataFile, doc->folders.m_strAppDir + "MAPELMNT\\A.DAT");
    EXPECT_EQ(doc->m_nMapDisplayMode, 5);
    EXPECT_EQ(doc->position.m_nMapType, 2);
    EXPECT_EQ(redraws, 0) << "the view that called redraws";

    Answer("OnLocalDataDspSet", "1|1|2|1|2|5|1|3|1|0|1|＊人口|");
    doc->position.m_nMapType = 1;
    doc->SetPrefectureDataDisplay();
    EXPECT_EQ(doc->statistics.m_nShow, -1) << "no file";
    EXPECT_EQ(doc->position.m_nMapType, 1);
}

TEST_F(PrefectureStatistics, RankingTakesTheLargestFirstAndTheLowerIndexOnTies)
{
    // Values 0..9 repeating: every value but the largest ties.
    folder.WriteText("MAPELMNT/T.DAT", DataSet("t", [](int k) { return std::to_string((k * 7) % 10); }));
    Choose("T.DAT", 0);
    std::vector<int> expected(47);
    for (int k = 0; k < 47; ++k)
        expected[k] = k;
    std::stable_sort(expected.begin(), expected.end(), [](int a, int b) { return (a * 7) % 10 > (b * 7) % 10; });
    EXPECT_EQ(ByRank(), expected);
    for (int k = 0; k < 47; ++k)
        EXPECT_EQ(doc->ranking.m_anPrefRank[doc->ranking.m_anPrefRank[k][0]][1], k);
    float sum = 0;
    for (int k = 0; k < 47; ++k)
        sum += float((k * 7) % 10);
    EXPECT_EQ(doc->ranking.m_fPrefSum, sum);
    EXPECT_EQ(doc->ranking.m_fPrefMax, 9.f);
    EXPECT_EQ(doc->ranking.m_fPrefMean, sum * 0.021276595f);
    EXPECT_EQ(doc->ranking.m_astrPrefDataText[0], "t");
    EXPECT_EQ(doc->ranking.m_astrPrefDataText[1], std::string(39, '-'));
    EXPECT_EQ(doc->ranking.m_astrPrefDataText[2 + 3], "県3 1");
}

TEST_F(PrefectureStatistics, ValuesBelowEveryMarkKeepTheStartingMaximumAndIndexOrder)
{
    folder.WriteText("MAPELMNT/LOW.DAT", DataSet("low", [](int k) { return "-2" + std::to_string(k) + "000000000"; }));
    Choose("LOW.DAT", 0);
    EXPECT_EQ(doc->ranking.m_fPrefMax, -9999989760.f);
    for (int k = 0; k < 47; ++k)
        EXPECT_EQ(doc->ranking.m_anPrefRank[k][0], k);
}

TEST_F(PrefectureStatistics, PerInhabitantDivisionAndMissingDivisors)
{
    // Equal values: the smallest population ranks first once divided.
    folder.WriteText("MAPELMNT/V.DAT", DataSet("v", [](int) { return "1000"; }));
    folder.WriteText("MAPELMNT/県別人口.DAT", DataSet("人口", [](int k) { return std::to_string(47 - k); }));
    Choose("V.DAT", 8);
    for (int k = 0; k < 47; ++k)
        EXPECT_EQ(doc->ranking.m_anPrefRank[k][0], 46 - k);
    EXPECT_EQ(doc->ranking.m_fPrefMax, 1000.f);

    // A zero divisor and a population file cut short: those prefectures have no value, take the
    // last ranks in index order, and sum and mean stay numbers.
    folder.WriteText("MAPELMNT/県別人口.DAT", DataSet("人口", [](int k) { return k == 5 ? "0" : "10"; }, 40));
    Choose("V.DAT", 10);
    EXPECT_FALSE(doc->ranking.m_adPrefValue[5]);
    EXPECT_FALSE(doc->ranking.m_adPrefValue[44]);
    EXPECT_EQ(doc->ranking.m_anPrefRank[39][0], 5);
    EXPECT_EQ(doc->ranking.m_anPrefRank[40][0], 40);
    EXPECT_EQ(doc->ranking.m_anPrefRank[46][0], 46);
    EXPECT_EQ(doc->ranking.m_fPrefSum, 39 * 100.f);
    EXPECT_TRUE(std::isfinite(doc->ranking.m_fPrefMean));

    // No area file: no values at all.
    Choose("V.DAT", 9);
    for (const auto& value : doc->ranking.m_adPrefValue)
        EXPECT_FALSE(value);
    EXPECT_EQ(doc->ranking.m_fPrefSum, 0.f);
}

TEST_F(PrefectureStatistics, ShortAndLongSetsKeepTheirOwnLines)
{
    folder.WriteText("MAPELMNT/LONG.DAT", DataSet("long", [](int k) { return std::to_string(k); }, 50));
    Choose("LONG.DAT", 0);
    EXPECT_EQ(doc->ranking.m_astrPrefDataText[48], "県46 46");
    EXPECT_EQ(doc->ranking.m_anPrefRank[0][0], 46) << "lines past the 47th are not prefectures";

    folder.WriteText("MAPELMNT/SHORT.DAT", DataSet("short", [](int k) { return std::to_string(100 - k); }, 10));
    Choose("SHORT.DAT", 0);
    EXPECT_EQ(doc->ranking.m_astrPrefDataText[0], "short");
    EXPECT_EQ(doc->ranking.m_astrPrefDataText[2 + 9], "県9 91");
    EXPECT_EQ(doc->ranking.m_astrPrefDataText[2 + 10], "");
    EXPECT_EQ(doc->ranking.m_astrPrefDataText[48], "");
    EXPECT_FALSE(doc->ranking.m_adPrefValue[10]);
    EXPECT_EQ(doc->ranking.m_anPrefRank[9][0], 9);
    EXPECT_EQ(doc->ranking.m_anPrefRank[10][0], 10);
}

TEST_F(PrefectureStatistics, ListWithoutRankingShowsTheTextsAndAnInertButton)
{
    folder.WriteText("MAPELMNT/W.DAT", DataSet("words", [](int k) { return "語" + std::to_string(k); }));
    Choose("W.DAT", 0, 0);
    const Shown shown = List(1);
    EXPECT_EQ(shown.caption, "都道府県別データ");
    ASSERT_EQ(shown.lines.size(), 49u);
    EXPECT_EQ(shown.lines[0], "words");
    EXPECT_EQ(shown.lines[2], "県0 語0");
    EXPECT_EQ(shown.button, "");
    EXPECT_EQ(shown.note, "");
    EXPECT_EQ(flagWhileOpen, 1);
    EXPECT_EQ(doc->repaint.m_bLayerDialogOpen, 0);
}

TEST_F(PrefectureStatistics, ListCyclesThroughTheThreeOrders)
{
    folder.WriteText("MAPELMNT/R.DAT", DataSet("r", [](int k) { return std::to_string((k * 13) % 47 + 1); }));
    Choose("R.DAT", 0);
    struct Case {
        int presses;
        const char* button;
        const char* note;
    };
    for (const Case& c : {Case{0, "降順", "都道府県別で表示"}, Case{1, "昇順", "降順で表示"}, Case{2, "県別", "昇順で表示"},
                          Case{3, "降順", "都道府県別で表示"}}) {
        const Shown shown = List(c.presses);
        ASSERT_EQ(shown.lines.size(), 49u) << c.presses;
        EXPECT_EQ(shown.button, c.button);
        EXPECT_EQ(shown.note, c.note);
        const int first = doc->ranking.m_anPrefRank[0][0];
        const int last = doc->ranking.m_anPrefRank[46][0];
        // Method 0 shows the value itself in brackets.
        const std::string expected[] = {"県0 1 [1.0]", " 1 県" + std::to_string(first) + " 47 [47.0]",
                                        " 1 県" + std::to_string(last) + " 1 [1.0]", "県0 1 [1.0]"};
        EXPECT_EQ(shown.lines[2], expected[c.presses]) << c.presses;
        EXPECT_EQ(shown.lines[0], "r");
    }
}

TEST_F(PrefectureStatistics, SharesInBracketsAddUpAndFollowTheSmallestValue)
{
    folder.WriteText("MAPELMNT/S.DAT", DataSet("s", [](int k) { return std::to_string(1000 + 37 * k); }));
    Choose("S.DAT", 5);
    const Shown shown = List(0);
    EXPECT_EQ(shown.note, "県別で表示｡[]内は計算値");
    EXPECT_TRUE(shown.noteOnOneLine) << "the note is not broken over two lines";
    double total = 0;
    for (int k = 2; k < 49; ++k) {
        const auto open = shown.lines[k].find(" [");
        ASSERT_NE(open, std::string::npos) << shown.lines[k];
        total += std::stod(shown.lines[k].substr(open + 2));
        EXPECT_EQ(shown.lines[k].substr(shown.lines[k].size() - 3, 1), ".") << "one decimal: " << shown.lines[k];
    }
    EXPECT_NEAR(total, 100.0, 0.2);

    // Values a hundred times smaller than their sum: two, then three decimals.
    folder.WriteText("MAPELMNT/P.DAT", DataSet("p", [](int k) { return k == 0 ? "1000000" : "500"; }));
    Choose("P.DAT", 1);
    EXPECT_EQ(List(0).lines[3], "県1 500 [0.000]") << "500 / 1023000 needs three decimals";
    folder.WriteText("MAPELMNT/Q.DAT", DataSet("q", [](int k) { return k == 0 ? "100" : "3"; }));
    Choose("Q.DAT", 3);
    EXPECT_EQ(List(0).lines[3], "県1 3 [0.03]");
}

TEST_F(PrefectureStatistics, ListTitleSurvivesATrackDescription)
{
    folder.WriteText("MAPELMNT/A.DAT", DataSet("題名", [](int k) { return std::to_string(k); }));
    Choose("A.DAT", 0);
    doc->DescribeTrackFile();
    const Shown shown = List(0);
    EXPECT_EQ(shown.lines[0], "題名");
    EXPECT_EQ(shown.lines[1], std::string(39, '-'));
}

TEST_F(PrefectureStatistics, EntryAndEditingCommandsReachSurrick)
{
    ProbeDialogFlag();
    Run(33284);
    Run(33285);
    EXPECT_EQ(Calls(), (std::vector<std::string>{"OnLclDataRgst([" + doc->folders.m_strAppDir + "])",
                                                 "OnLclDataUpdt([" + doc->folders.m_strAppDir + "],[ed])"}));
    EXPECT_EQ(flagWhileOpen, 1);
    EXPECT_EQ(doc->repaint.m_bLayerDialogOpen, 0);
    EXPECT_EQ(redraws, 0);
}

} // namespace
