// The 1/10 subdivided mesh settings as tables: the selection forms, the answer, the land-use
// flags, the status line and DDFTFILE.DAT.
#include "layers/settings/finemesh/FineMeshSettings.h"
#include "layers/settings/finemesh/LandUseClasses.h"
#include "platform/sys/ApplicationFolder.h"
#include "platform/text/Cp932.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

std::filesystem::path FilePath() { return vd::applicationFolderPath() / "DDFTFILE.DAT"; }

std::string WinFilePath() { return vd::applicationFolder() + "DDFTFILE.DAT"; }

void WriteBytes(const std::string& bytes)
{
    std::filesystem::create_directories(FilePath().parent_path());
    std::ofstream(FilePath(), std::ios::binary | std::ios::trunc) << bytes;
}

std::string ReadBytes()
{
    std::ifstream in(FilePath(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

const FineMeshTexts kPassed = {"a", "b", "c", "d"};

} // namespace

TEST(FineMeshSettings, SelectionForms)
{
    const struct {
        const char* selection;
        int tab;
        FineMeshInts on, item;
        bool white, fromFile;
        const char* flags;
    } cases[] = {
        {"2|1|3|0|4|1|2|0|1|", 2, {1, 0, 1, 0}, {3, 4, 2, 1}, false, false, "010000000001"},
        {"2|1|3|0|4|1|2|0|1|/TAVREL", 2, {1, 0, 1, 0}, {3, 4, 2, 1}, true, false, "010000000001"},
        {"3|0|0|1|", 3, {0, 1, 0, 0}, {0, 0, 0, 0}, false, false, "010000000001"}, // missing fields read 0
        {"", 0, {}, {}, false, false, "010000000001"},
        {"-1", 0, {}, {}, false, true, "100000000000"},
        {"-1/", 0, {}, {}, true, true, "100000000000"},
        {"1|1|0|1/2|", 1, {1, 0, 0, 0}, {0, 0, 0, 0}, true, false, "010000000001"}, // cut at the first "/"
    };
    for (const auto& c : cases) {
        const FineMeshSettings s = ParseFineMeshCall(c.selection, kPassed, "010000000001");
        EXPECT_EQ(s.currentTab, c.tab) << c.selection;
        EXPECT_EQ(s.on, c.on) << c.selection;
        EXPECT_EQ(s.item, c.item) << c.selection;
        EXPECT_EQ(s.whiteMap, c.white) << c.selection;
        EXPECT_EQ(s.fromSettingsFile, c.fromFile) << c.selection;
        EXPECT_EQ(s.flags, c.flags) << c.selection;
        EXPECT_EQ(s.text, kPassed) << c.selection;
    }
}

TEST(FineMeshSettings, AnswerEndsWithTheFlagString)
{
    FineMeshSettings s;
    s.currentTab = 1;
    s.on = {0, 1, 0, 0};
    s.item = {0, 2, 0, 0};
    s.text = kPassed;
    s.flags = "100000000000";
    EXPECT_EQ(FormatFineMeshAnswer(s), "1|0|0|1|2|0|0|0|0|a|b|c|d|100000000000");
    s.text = {"", "D:\\KSJ\\(A29-11_2)", "", "d:\\ksj\\w09.txt"};
    s.flags = "";
    EXPECT_EQ(FormatFineMeshAnswer(s), "1|0|0|1|2|0|0|0|0||D:\\KSJ\\(A29-11_2)||d:\\ksj\\w09.txt|");
}

TEST(FineMeshSettings, LandUseFlagRules)
{
    const struct {
        const char* flags;
        std::vector<int> clicks;
        const char* after;
    } cases[] = {
        {"100000000000", {1, 3}, "010100000000"},
        {"100000000000", {1, 3, 0}, "100000000000"},
        {"010100000000", {3}, "010000000000"}, // a set class toggles off
        {"010000000000", {1}, "000000000000"}, // the last class off leaves none
        {"000000000000", {0}, "100000000000"},
        {"100000000000", {0}, "000000000000"}, // すべて toggles too
        {"011", {11}, "011000000001"},         // short: missing positions read 0
        {"1x1", {2}, "000000000000"},          // only "1" is set
        {"", {5, 12, -1}, "000001000000"},     // outside 0-11 changes nothing
    };
    for (const auto& c : cases) {
        LandUseFlags flags = ReadLandUseFlags(c.flags);
        for (int cls : c.clicks)
            ClickLandUseClass(flags, cls);
        EXPECT_EQ(LandUseFlagText(flags), c.after) << c.flags;
    }
    EXPECT_EQ(LandUseClassNames()[0], std::string("すべて"));
    EXPECT_EQ(LandUseClassNames()[11], std::string("ゴルフ場"));
}

TEST(FineMeshSettings, FlagsGoBackToAllWhenLandUseEndsOff)
{
    FineMeshSettings s;
    s.flags = "010100000000";
    s.on = {1, 0, 0, 0};
    SettleLandUseFlags(s);
    EXPECT_EQ(s.flags, "010100000000");
    s.on = {0, 0, 0, 1};
    SettleLandUseFlags(s);
    EXPECT_EQ(s.flags, "100000000000");
}

TEST(FineMeshSettings, StatusLinePerTab)
{
    EXPECT_EQ(FineMeshStatusLine(0, true), "白地図にメッシュマップを表示");
    EXPECT_EQ(FineMeshStatusLine(0, false), "地図に重ねてメッシュマップを表示");
    for (bool white : {false, true}) {
        EXPECT_EQ(FineMeshStatusLine(1, white), "各地域ごとに指定種別を表示");
        EXPECT_EQ(FineMeshStatusLine(2, white), "各地域ごとに指定種別を表示");
        EXPECT_EQ(FineMeshStatusLine(3, white), "");
    }
}

TEST(FineMeshSettings, OnlyTheFileLinesOfTabOneAreRead)
{
    WriteBytes(vd::utf8ToCp932(";1/10細分メッシュ\r\n"
                               "T1_1=別名\r\n"
                               "F1_1=D:\\KSJ\\土地利用\\(L03-a-9_)\r\n"
                               "N1_1=7\r\n"
                               "F1_3=e:\\basin|(W07-09_)\r\n"
                               "F2_2=other tab\r\n"
                               "F1_5=no such row\r\n"
                               "F1_\r\n"
                               "F1_4=" +
                               std::string(300, 'x') + "\r\n"));
    FineMeshTexts texts = kPassed;
    ASSERT_TRUE(ReadFineMeshSettingsFile(WinFilePath(), texts));
    EXPECT_EQ(texts[0], "D:\\KSJ\\土地利用\\(L03-a-9_)");
    EXPECT_EQ(texts[1], "b") << "a row without an F line keeps its text";
    EXPECT_EQ(texts[2], "e:\\basin｜(W07-09_)") << "a bar from the file cannot shift the answer";
    EXPECT_EQ(texts[3], std::string(300, 'x')) << "lines of any length";

    std::filesystem::remove(FilePath());
    texts = kPassed;
    EXPECT_FALSE(ReadFineMeshSettingsFile(WinFilePath(), texts));
    EXPECT_EQ(texts, kPassed);
}

TEST(FineMeshSettings, FileIsWrittenAsTwelveLines)
{
    ASSERT_TRUE(WriteFineMeshSettingsFile(WinFilePath(), {"D:\\L\\(L03-a-9_)", "", "f3", "d:\\w09.txt"}, {3, 0, 2, 4}));
    EXPECT_EQ(ReadBytes(), vd::utf8ToCp932("T1_1=土地利用\r\nT1_2=指定地域\r\nT1_3=流域・非集水域\r\nT1_4=湖\r\n"
                                           "F1_1=D:\\L\\(L03-a-9_)\r\nF1_2=\r\nF1_3=f3\r\nF1_4=d:\\w09.txt\r\n"
                                           "N1_1=3\r\nN1_2=0\r\nN1_3=2\r\nN1_4=4\r\n"));
    FineMeshTexts texts;
    ASSERT_TRUE(ReadFineMeshSettingsFile(WinFilePath(), texts));
    EXPECT_EQ(texts[0], "D:\\L\\(L03-a-9_)");
    EXPECT_EQ(texts[3], "d:\\w09.txt");
}
