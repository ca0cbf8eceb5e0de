// DDMCFILE.DAT: T, F and N lines by the row digit alone, S lines filling the column last started
// in their order, and the 43 lines written back in CP932.
#include "layers/settings/industrymesh/IndustryMeshSettingsFile.h"
#include "platform/text/Cp932.h"
#include "tests/layers/settings/SettingsFilesSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace {

std::string FilePath()
{
    return IndustryMeshSettingsFilePath(vd::applicationFolder());
}

} // namespace

TEST(IndustryMeshSettingsFile, RowLinesAndColumnsAreReadInTheirOrder)
{
    const std::string longName(300, 'L');
    WriteBytes(HomeFolder() / "DdMcFile.dat",
               vd::utf8ToCp932(";産業統計\r\n"
                               "\r\n"
                               "S3_99=before any column\r\n"
                               "T3_1=産業統計\r\n"
                               "T9_4=" + longName + "\r\n"       // the tab digit is not looked at
                               "F3_2=D:\\KSJ\\(L03-b_0)\r\n"
                               "N3_3=7\r\nN3_5=abc\r\n"
                               "T3_6=x\r\nF3_0=x\r\nN3\r\nT3_2\r\n"
                               "S3_17=first/1/2/3\r\n"
                               "S3_18=second/4/5/6\r\n"
                               "S3_19=third\r\n"
                               "Sx\r\n"
                               "S3_27=c2/1/1/1\r\n"
                               "S3_3A=c3#1/2/2/2\r\n"
                               "S3_3B=\r\n"
                               "S3_42=r3\r\nS3_43=r4\r\nS3_44=r5\r\nS3_45=r6\r\nS3_46=r7\r\nS3_47=r8\r\nS3_48=r9\r\n"
                               "X3_1=9\n"));
    IndustryMeshSettings s;
    s.rows[0].name = "passed";
    s.rows[2].on = 1;
    s.rows[4].on = 1;
    s.rows[4].item = 3;
    s.rows[1].name = "kept";
    s.specs[13] = "kept";
    ASSERT_TRUE(ReadIndustryMeshSettingsFile(FilePath(), s));
    EXPECT_EQ(s.rows[0].name, "産業統計");
    EXPECT_EQ(s.rows[3].name, longName);
    EXPECT_EQ(s.rows[1].folder, "D:\\KSJ\\(L03-b_0)");
    EXPECT_EQ(s.rows[1].name, "") << "T3_2 without a value names row 2 empty";
    EXPECT_EQ(s.rows[2].item, 7);
    EXPECT_EQ(s.rows[2].on, 0) << "an N line switches its row off";
    EXPECT_EQ(s.rows[4].item, 0) << "not a number";
    EXPECT_EQ(s.rows[4].on, 0);
    EXPECT_EQ(s.specs[0], "first/1/2/3");
    EXPECT_EQ(s.specs[1], "second/4/5/6") << "S3_18 read second goes to row 2";
    EXPECT_EQ(s.specs[2], "third");
    EXPECT_EQ(s.specs[3], "") << "any S line fills the next row";
    EXPECT_EQ(s.specs[10], "c2/1/1/1");
    EXPECT_EQ(s.specs[13], "kept") << "a row no line reaches keeps its value";
    EXPECT_EQ(s.specs[20], "c3＃1/2/2/2") << "no \"#\" reaches the answer";
    EXPECT_EQ(s.specs[21], "");
    EXPECT_EQ(s.specs[27], "r8") << "lines past the eighth row are ignored";
}

TEST(IndustryMeshSettingsFile, AMissingFileChangesNothing)
{
    IndustryMeshSettings s;
    s.rows[1].name = "passed";
    const IndustryMeshSettings before = s;
    EXPECT_FALSE(ReadIndustryMeshSettingsFile(IndustryMeshSettingsFilePath(vd::applicationFolder() + "nowhere\\"), s));
    EXPECT_EQ(s, before);
}

TEST(IndustryMeshSettingsFile, TheFortyThreeLinesAreWrittenAndReadBack)
{
    WriteBytes(HomeFolder() / "ddmcfile.dat", "old\r\n");
    IndustryMeshSettings s;
    for (int row = 0; row < kIndustryRowCount; ++row)
        s.rows[row] = {1, row + 1, "名" + std::to_string(row + 1), "D:\\F" + std::to_string(row + 1) + "\\(M03-01)"};
    for (int i = 0; i < kIndustrySpecCount; ++i)
        s.specs[i] = "項目" + std::to_string(i) + "/" + std::to_string(i) + "/" + std::to_string(i + 5) + "/10";
    ASSERT_TRUE(WriteIndustryMeshSettingsFile(FilePath(), s));
    std::string expected = "T3_1=産業統計\r\nT3_2=工業統計\r\nT3_3=農業センサス\r\nT3_4=名4\r\nT3_5=名5\r\n";
    for (int row = 1; row <= 5; ++row)
        expected += "F3_" + std::to_string(row) + "=D:\\F" + std::to_string(row) + "\\(M03-01)\r\n";
    for (int row = 1; row <= 5; ++row)
        expected += "N3_" + std::to_string(row) + "=" + std::to_string(row) + "\r\n";
    const char* keys[] = {"17", "19", "18", "20", "21", "22", "23", "24", "25", "26", "27", "28", "29", "30",
                          "31", "32", "33", "34", "35", "36", "3A", "3B", "42", "43", "44", "45", "46", "47"};
    for (int i = 0; i < kIndustrySpecCount; ++i)
        expected += std::string("S3_") + keys[i] + "=" + s.specs[i] + "\r\n";
    EXPECT_EQ(std::count(expected.begin(), expected.end(), '\n'), 43);
    EXPECT_EQ(ReadBytes(HomeFolder() / "ddmcfile.dat"), vd::utf8ToCp932(expected)) << "under the name it had";
    EXPECT_FALSE(std::filesystem::exists(HomeFolder() / "DDMCFILE.DAT"));

    IndustryMeshSettings again;
    ASSERT_TRUE(ReadIndustryMeshSettingsFile(FilePath(), again));
    EXPECT_EQ(again.specs, s.specs);
    for (int row = 0; row < kIndustryRowCount; ++row) {
        EXPECT_EQ(again.rows[row].folder, s.rows[row].folder);
        EXPECT_EQ(again.rows[row].item, s.rows[row].item);
        EXPECT_EQ(again.rows[row].on, 0);
    }
    EXPECT_EQ(again.rows[3].name, "名4");
}

TEST(IndustryMeshSettingsFile, AFileThatCannotBeCreatedIsReported)
{
    IndustryMeshSettings s;
    s.rows[3].name = "new";
    EXPECT_FALSE(WriteIndustryMeshSettingsFile(IndustryMeshSettingsFilePath(vd::applicationFolder() + "missing\\"), s));
    EXPECT_FALSE(std::filesystem::exists(HomeFolder() / "missing"));
}
