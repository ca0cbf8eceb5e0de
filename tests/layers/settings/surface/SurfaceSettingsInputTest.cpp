// The surface dialog's inputs and answer: the texts by group, the selection, the value-grouped
// answer, and what counts as a change of the settings file.
#include "layers/settings/BarDelimitedSettings.h"
#include "layers/settings/surface/SurfaceSettingsInput.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

std::vector<std::string> Fields(const std::string& text)
{
    std::vector<std::string> fields;
    size_t at = 0;
    for (size_t bar; (bar = text.find('|', at)) != std::string::npos; at = bar + 1)
        fields.push_back(text.substr(at, bar - at));
    EXPECT_EQ(at, text.size()) << "every field is closed by \"|\"";
    return fields;
}

} // namespace

TEST(SurfaceSettingsInput, TextsArriveByGroupRows0To4Then10To14Then5To9)
{
    SurfaceInputs inputs;
    for (int i = 2; i < kSurfaceInputCount; ++i)
        inputs[i] = "in" + std::to_string(i);
    SurfaceRows rows;
    PlaceSurfaceInputTexts(inputs, rows);
    EXPECT_EQ(rows[0].dataName, "in2");
    EXPECT_EQ(rows[4].text, "in11");
    EXPECT_EQ(rows[10].dataName, "in12");
    EXPECT_EQ(rows[14].text, "in21");
    EXPECT_EQ(rows[5].dataName, "in22");
    EXPECT_EQ(rows[9].text, "in31");
}

TEST(SurfaceSettingsInput, SelectionsAreReadPerRowInGroupOrder)
{
    struct Case {
        const char* selection;
        bool fromFile;
        int tab, row, on, colour, fill, name;
    };
    std::string all = "3|";
    for (int k = 1; k < kSurfaceSettingsIntegers; ++k)
        all += std::to_string(k) + "|";
    const std::string allMarked = all + "/TAVREL";
    const Case cases[] = {
        {"-1", true, 0, 0, 0, 0, 0, 0},
        {"-1/TAVREL", true, 0, 7, 0, 0, 0, 0},
        {all.c_str(), false, 3, 0, 1, 2, 3, 4},
        {all.c_str(), false, 3, 4, 17, 18, 19, 20},
        {all.c_str(), false, 3, 10, 21, 22, 23, 24},
        {allMarked.c_str(), false, 3, 7, 49, 50, 51, 52},
        {"2|1|5|", false, 2, 0, 1, 5, 0, 0}, // short: the rest reads 0
        {"2|1|5|", false, 2, 9, 0, 0, 0, 0},
        {"x|1|y|1", false, 0, 0, 1, 0, 0, 0}, // not numeric, or not closed: 0
    };
    for (const Case& c : cases) {
        const IntegerSettingsInput in = ParseIntegerSettingsInput(c.selection, kSurfaceSettingsIntegers);
        EXPECT_EQ(in.fromSettingsFile, c.fromFile) << c.selection;
        SurfaceRows rows;
        int tab = -1;
        if (!in.fromSettingsFile)
            PlaceSurfaceSettingsIntegers(in.values, tab, rows);
        else
            tab = 0;
        const SurfaceRow& r = rows[c.row];
        EXPECT_EQ(tab, c.tab) << c.selection;
        EXPECT_EQ((std::array<int, 4>{r.on, r.colour, r.fill, r.name}), (std::array<int, 4>{c.on, c.colour, c.fill, c.name}))
            << c.selection << " row " << c.row;
    }
}

TEST(SurfaceSettingsInput, TheAnswerGroupsValuesNotRows)
{
    SurfaceRows rows;
    rows[0].on = 1;
    rows[1].colour = 3;
    rows[10].fill = 1;
    rows[9].name = 1;
    rows[14].colour = 21;
    for (int n = 0; n < kSurfaceRowCount; ++n) {
        rows[n].dataName = "n" + std::to_string(n);
        rows[n].text = "t" + std::to_string(n);
    }
    const std::vector<std::string> f = Fields(FormatSurfaceSettingsResult(2, rows));
    ASSERT_EQ(f.size(), 61u + 30u);
    std::vector<std::string> expected(61, "0");
    expected[0] = "2";
    expected[1] = "1";      // group 0: on of row 0
    expected[1 + 5 + 1] = "3"; // group 0: colour of row 1
    expected[21 + 10] = "1";  // group 1 (rows 10-14): fill of row 10
    expected[21 + 5 + 4] = "21"; // colour of row 14
    expected[41 + 15 + 4] = "1"; // group 2 (rows 5-9): name of row 9
    EXPECT_EQ(std::vector<std::string>(f.begin(), f.begin() + 61), expected);
    const std::vector<std::string> texts(f.begin() + 61, f.end());
    EXPECT_EQ((std::vector<std::string>(texts.begin(), texts.begin() + 8)),
              (std::vector<std::string>{"n0", "t0", "n10", "t10", "n5", "t5", "n1", "t1"}));
    EXPECT_EQ(texts[28], "n9");
    EXPECT_EQ(texts[29], "t9");
}

TEST(SurfaceSettingsInput, OnlyWhatTheFileKeepsCountsAsAChange)
{
    SurfaceRows a;
    a[3].dataName = "行政界";
    SurfaceRows b = a;
    b[3].on = 1;
    b[12].on = 1;
    EXPECT_FALSE(StoredSurfaceValuesDiffer(a, b)) << "the on values are not kept";
    for (auto change : std::vector<std::function<void(SurfaceRow&)>>{
             [](SurfaceRow& r) { r.colour = 1; }, [](SurfaceRow& r) { r.fill = 1; },
             [](SurfaceRow& r) { r.name = 1; }, [](SurfaceRow& r) { r.dataName += "x"; },
             [](SurfaceRow& r) { r.text = "d:\\a.txt"; }}) {
        SurfaceRows c = a;
        change(c[12]);
        EXPECT_TRUE(StoredSurfaceValuesDiffer(a, c));
    }
}

TEST(SurfaceSettingsInput, FixedRowsKeepTheProgramsNames)
{
    for (int n = 0; n < 4; ++n)
        EXPECT_EQ(FixedSurfaceDataName(n), nullptr) << n;
    EXPECT_STREQ(FixedSurfaceDataName(4), "流域界・非集水域");
    EXPECT_STREQ(FixedSurfaceDataName(5), "都市計画域");
    EXPECT_STREQ(FixedSurfaceDataName(7), "自然環境保全区域");
    EXPECT_STREQ(FixedSurfaceDataName(11), "鳥獣保護区域");
    EXPECT_STREQ(FixedSurfaceDataName(12), "ﾘｿﾞｰﾄ法指定地域");
    EXPECT_STREQ(FixedSurfaceDataName(14), "湖岸線");
    EXPECT_EQ(FixedSurfaceDataName(15), nullptr);
    EXPECT_EQ(BarSafeText("a|b||"), "a｜b｜｜");
}
