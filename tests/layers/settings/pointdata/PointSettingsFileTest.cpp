// DDDPFILE.DAT as the point dialogs read and rewrite it, and the land-price years.
#include "tests/layers/settings/SettingsFilesSupport.h"
#include "layers/settings/pointdata/LandPriceYears.h"
#include "layers/settings/pointdata/PointSettingsFile.h"
#include "platform/text/Cp932.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

std::vector<std::string> Lines(const std::string& bytes)
{
    std::vector<std::string> lines;
    std::istringstream in(bytes);
    for (std::string line; std::getline(in, line);) {
        EXPECT_TRUE(!line.empty() && line.back() == '\r') << line;
        line.pop_back();
        lines.push_back(vd::cp932ToUtf8(line));
    }
    return lines;
}

} // namespace

TEST(PointSettingsFile, ReadsWholeLinesCommentsAndTheLaterKey)
{
    const std::string longPath = "D:\\" + std::string(120, 'x') + "\\(P02-06_1)";
    WriteBytes(HomeFolder() / "DddPFile.dat",
               vd::utf8ToCp932(";コメント\r\n\r\nT1_1=公共施設\r\nF1_1=" + longPath + "\r\nC1_1=7\r\nP1_1=3\r\n"
                               "N1_1=1\r\nT4_1=地価\nT4_1=地価公示\r\nN6_1=4\r\nP6_1=9\r\nC6_5=12\r\nS3_17=x\r\n"
                               "T7_1=out\r\nT1_6=out\r\nF2_2=a|b/c\r\nC2_3=abc\r\n"));
    PointLayerSlots slots;
    slots.name[1] = "kept";
    slots.n[25] = 8;
    ASSERT_TRUE(ReadPointSettingsFile(WinPathOf("DddPFile.dat"), slots));
    EXPECT_EQ(slots.name[0], "公共施設");
    EXPECT_EQ(slots.file[0], longPath) << "a path of any length is read whole";
    EXPECT_EQ(slots.colour[0], 7);
    EXPECT_EQ(slots.p[0], 3);
    EXPECT_EQ(slots.n[0], 1);
    EXPECT_EQ(slots.name[1], "kept") << "a slot without a line keeps its value";
    EXPECT_EQ(slots.name[15], "地価公示") << "the later line wins";
    EXPECT_EQ(slots.n[25], 8) << "N and P of tab 6 are not read";
    EXPECT_EQ(slots.p[25], 0);
    EXPECT_EQ(slots.colour[29], 12) << "the year index";
    EXPECT_EQ(slots.file[6], "a｜b／c");
    EXPECT_EQ(slots.colour[7], 0);

    PointLayerSlots missing;
    missing.name[3] = "x";
    EXPECT_FALSE(ReadPointSettingsFile(WinPathOf("none.dat"), missing));
    EXPECT_EQ(missing.name[3], "x");
}

TEST(PointSettingsFile, RewritesTabByTabWithTheFixedNames)
{
    PointLayerSlots slots;
    for (int k = 0; k < kPointSlotCount; ++k) {
        slots.name[k] = "名" + std::to_string(k);
        slots.file[k] = "F" + std::to_string(k);
        slots.colour[k] = k;
        slots.p[k] = 100 + k;
        slots.n[k] = 200 + k;
    }
    WriteBytes(HomeFolder() / "DddPFile.dat", ";old\r\n");
    ASSERT_TRUE(WritePointSettingsFile(WinPathOf("DddPFile.dat"), slots));
    const auto lines = Lines(ReadBytes(HomeFolder() / "DddPFile.dat"));
    ASSERT_EQ(lines.size(), 145u);
    const std::vector<std::string> tab1 = {
        "T1_1=公共施設", "T1_2=文化財", "T1_3=水系域流路延長", "T1_4=ダム", "T1_5=潮汐・海洋施設",
        "F1_1=F0", "F1_2=F1", "F1_3=F2", "F1_4=F3", "F1_5=F4",
        "C1_1=0", "C1_2=1", "C1_3=2", "C1_4=3", "C1_5=4",
        "P1_1=100", "P1_2=101", "P1_3=102", "P1_4=103", "P1_5=104",
        "N1_1=200", "N1_2=201", "N1_3=202", "N1_4=203", "N1_5=204"};
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 25), tab1);
    EXPECT_EQ(lines[25], "T2_1=海岸施設・感潮施設");
    EXPECT_EQ(lines[26], "T2_2=名6");
    EXPECT_EQ(lines[50], "T3_1=名10");
    EXPECT_EQ(lines[53], "T3_4=名13");
    EXPECT_EQ(lines[54], "F3_1=F10") << "tab 3 has four rows";
    EXPECT_EQ(lines[69], "N3_4=213");
    EXPECT_EQ(lines[70], "T4_1=名15");
    EXPECT_EQ(lines[144], "N6_5=229");
}

TEST(LandPriceYears, TheListAndTheLatestYearOfADataSet)
{
    const auto& names = LandPriceYearNames();
    ASSERT_EQ(names.size(), 26u);
    EXPECT_EQ(names[0], "昭和58年");
    EXPECT_EQ(names[5], "昭和63年");
    EXPECT_EQ(names[6], "平成 1年");
    EXPECT_EQ(names[15], "平成10年");
    EXPECT_EQ(names[25], "平成20年");

    struct Case {
        const char* text;
        bool alsoL02;
        int index;
    } cases[] = {
        {"D:\\KSJ\\L02-07\\(L02-07_1)", true, 12},
        {"D:\\KSJ\\L02-07\\(L02-07_1)", false, -1},
        {"D:\\KSJ\\L01-63\\(L01-63_1)", false, 5},
        {"d:\\ksj\\l01-05\\", false, 10},
        {"D:\\L01X\\A-58", true, 0},
        {"D:\\L01-20\\", true, 25},
        {"D:\\L01-25\\", true, 25},
        {"D:\\L01-99\\", true, 25},
        {"D:\\L01-\\", true, 5},
        {"D:\\L0107\\", true, -1},
        {"D:\\P02-06\\", true, -1},
        {"", true, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LatestLandPriceYearIndex(c.text, c.alsoL02), c.index) << c.text;
}
