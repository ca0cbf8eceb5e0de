// The 13 inputs of the industry-statistics mesh dialog placed into its settings, and its answer.
#include "layers/settings/industrymesh/IndustryMeshInput.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

IndustryMeshInputs Inputs(std::string selection, std::string specs = {})
{
    IndustryMeshInputs in;
    in[0] = "C:\\APP\\";
    in[1] = std::move(selection);
    for (int row = 0; row < kIndustryRowCount; ++row) {
        in[2 + row] = "名" + std::to_string(row + 1);
        in[7 + row] = "D:\\M" + std::to_string(row + 1) + "\\(M03-01)";
    }
    in[12] = std::move(specs);
    return in;
}

} // namespace

TEST(IndustryMeshInput, SelectionForms)
{
    const std::string twelve = "1|1|2|0|3|1|4|0|5|1|6|1|";
    const struct {
        const char* label;
        std::string selection;
        bool fromFile;
        bool meshMapOnly;
        int tab;
        int method;
    } cases[] = {
        {"no settings", "-1", true, false, 0, 1},
        {"no settings, marked", "-1/TAVREL", true, true, 0, 1},
        {"white map", "WhiteMap", true, true, 0, 1},
        {"white map, marked", "WhiteMap/TAVREL", true, true, 0, 1},
        {"not the white map", "whitemap", false, false, 0, 0},
        {"integers", twelve, false, false, 1, 1},
        {"integers, marked", twelve + "/TAVREL", false, true, 1, 1},
        {"mesh map only by the tab", "10002|0|0|0|0|0|0|0|0|0|0|1|", false, true, 2, 1},
        {"unclosed last field", "2|0|0|0|0|0|0|0|0|0|0|1", false, false, 2, 0},
        {"short", "2|1|", false, false, 2, 0},
        {"empty", "", false, false, 0, 0},
    };
    for (const auto& c : cases) {
        const IndustryMeshStart start = ParseIndustryMeshInputs(Inputs(c.selection, "a/1/2/3#"));
        EXPECT_EQ(start.fromSettingsFile, c.fromFile) << c.label;
        EXPECT_EQ(start.meshMapOnly, c.meshMapOnly) << c.label;
        EXPECT_EQ(start.currentTab, c.tab) << c.label;
        EXPECT_EQ(start.displayMethod, c.method) << c.label;
        // The item definitions are read only with integers.
        EXPECT_EQ(start.settings.specs[0], c.fromFile ? "" : "a/1/2/3") << c.label;
        EXPECT_EQ(start.settings.rows[4].folder, "D:\\M5\\(M03-01)") << c.label;
    }

    const IndustryMeshStart start = ParseIndustryMeshInputs(Inputs(twelve));
    const int on[] = {1, 0, 1, 0, 1}, item[] = {2, 3, 4, 5, 6};
    for (int row = 0; row < kIndustryRowCount; ++row) {
        EXPECT_EQ(start.settings.rows[row].on, on[row]) << row;
        EXPECT_EQ(start.settings.rows[row].item, item[row]) << row;
        EXPECT_EQ(start.settings.rows[row].name, "名" + std::to_string(row + 1));
    }
    EXPECT_EQ(ParseIndustryMeshInputs(Inputs("20001|")).currentTab, 1) << "taken mod 10000";
}

TEST(IndustryMeshInput, ItemDefinitionsAreReadAtHashAndAnUnclosedOneIsEmpty)
{
    std::string specs;
    for (int i = 0; i < kIndustrySpecCount; ++i)
        specs += "s" + std::to_string(i) + "/1/2/3#";
    IndustryMeshStart start = ParseIndustryMeshInputs(Inputs("0|", specs + "extra#"));
    for (int i = 0; i < kIndustrySpecCount; ++i)
        EXPECT_EQ(start.settings.specs[i], "s" + std::to_string(i) + "/1/2/3");

    start = ParseIndustryMeshInputs(Inputs("0|", "a#b|c#d"));
    EXPECT_EQ(start.settings.specs[0], "a");
    EXPECT_EQ(start.settings.specs[1], "b|c");
    EXPECT_EQ(start.settings.specs[2], "") << "no closing \"#\"";
    EXPECT_EQ(start.settings.specs[27], "");
}

TEST(IndustryMeshInput, TheAnswerHasTwelveIntegersTenTextsAndTwentyEightItemDefinitions)
{
    IndustryMeshSettings s;
    for (int row = 0; row < kIndustryRowCount; ++row)
        s.rows[row] = {row % 2, row + 10, "n" + std::to_string(row), "f" + std::to_string(row)};
    s.specs[0] = "販売額/3/9/100";
    s.specs[27] = "/0/0/0";
    std::string expected = "2|0|10|1|11|0|12|1|13|0|14|0|n0|f0|n1|f1|n2|f2|n3|f3|n4|f4|販売額/3/9/100#";
    for (int i = 1; i < 27; ++i)
        expected += "#";
    expected += "/0/0/0#";
    EXPECT_EQ(FormatIndustryMeshResult(2, s, 0), expected);

    // A "|" passed in a text never adds a field.
    IndustryMeshInputs in = Inputs("0|");
    in[3] = "a|b";
    in[10] = "D:\\x|y\\";
    const IndustryMeshStart start = ParseIndustryMeshInputs(in);
    EXPECT_EQ(start.settings.rows[1].name, "a｜b");
    EXPECT_EQ(start.settings.rows[3].folder, "D:\\x｜y\\");
}

TEST(IndustryMeshInput, ChangesCountOnItemNameFolderAndItemDefinitionsByteForByte)
{
    IndustryMeshSettings a;
    a.specs[4] = "x/1/2/3";
    EXPECT_FALSE(IndustryMeshValuesDiffer(a, a));
    const std::function<void(IndustryMeshSettings&)> changes[] = {
        [](IndustryMeshSettings& s) { s.rows[0].on = 1; },
        [](IndustryMeshSettings& s) { s.rows[4].item = 2; },
        [](IndustryMeshSettings& s) { s.rows[3].name = "n"; },
        [](IndustryMeshSettings& s) { s.rows[2].folder = "f"; },
        [](IndustryMeshSettings& s) { s.specs[4] = "x/1/2/3 "; },
        [](IndustryMeshSettings& s) { s.specs[27] = "/0/0/0"; }, // an empty item definition comes back so
    };
    for (const auto& change : changes) {
        IndustryMeshSettings b = a;
        change(b);
        EXPECT_TRUE(IndustryMeshValuesDiffer(a, b));
    }
}
