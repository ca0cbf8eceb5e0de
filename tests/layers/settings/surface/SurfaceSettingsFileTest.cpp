// DDDSFILE.DAT: lines read by tab and row whatever their order and length, and the 75 lines
// written back in CP932 under the name the file already has.
#include "layers/settings/surface/SurfaceSettingsFile.h"
#include "platform/text/Cp932.h"
#include "tests/layers/settings/SettingsFilesSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

TEST(SurfaceSettingsFile, LinesSetTheirRowsAndOddLinesAreSkipped)
{
    const std::string longName(300, 'L');
    WriteBytes(HomeFolder() / "DddSFile.dat",
               vd::utf8ToCp932(";面データ\r\n"
                               "\r\n"
                               "T1_1=行政界\r\n"
                               "F1_1=D:\\KSJ\\N03\\(N03-01_a)\r\n"
                               "C2_3=4\r\n"
                               "P3_3=1\r\nN3_3=1\r\n"
                               "T2_1=" + longName + "\r\n"
                               "C1_2=5\r\nC1_2=6\r\n"   // the later line wins
                               "F3_4=d:\\ksj\\a|b.txt\r\n"
                               "C4_1=9\r\nC1_6=9\r\nC1_0=9\r\nc1_1=9\r\nX1_1=9\r\nC1\r\n"
                               "C1_5=abc\n"));
    SurfaceRows rows;
    rows[0].dataName = "passed";
    rows[1].dataName = "kept";
    rows[4].colour = 3;
    ASSERT_TRUE(ReadSurfaceSettingsFile(SurfaceSettingsFilePath(vd::applicationFolder()), rows));
    EXPECT_EQ(rows[0].dataName, "行政界") << "a T line overrides the passed name";
    EXPECT_EQ(rows[0].text, "D:\\KSJ\\N03\\(N03-01_a)");
    EXPECT_EQ(rows[0].colour, 0) << "C4_1, C1_0 and lower-case keys are skipped";
    EXPECT_EQ(rows[1].dataName, "kept");
    EXPECT_EQ(rows[1].colour, 6);
    EXPECT_EQ(rows[7].colour, 4) << "C2_3 is row 7";
    EXPECT_EQ(rows[12].fill, 1);
    EXPECT_EQ(rows[12].name, 1);
    EXPECT_EQ(rows[5].dataName, longName) << "read whole";
    EXPECT_EQ(rows[13].text, "d:\\ksj\\a｜b.txt") << "no \"|\" reaches the answer";
    EXPECT_EQ(rows[4].colour, 0) << "not a number";
}

TEST(SurfaceSettingsFile, AMissingFileChangesNothing)
{
    SurfaceRows rows;
    rows[2].dataName = "passed";
    rows[2].colour = 4;
    const SurfaceRows before = rows;
    EXPECT_FALSE(ReadSurfaceSettingsFile(SurfaceSettingsFilePath(vd::applicationFolder() + "nowhere\\"), rows));
    EXPECT_EQ(rows, before);
}

TEST(SurfaceSettingsFile, TheRowsAreWrittenAsSeventyFiveLinesUnderTheExistingName)
{
    WriteBytes(HomeFolder() / "DddSFile.dat", "old\r\n");
    SurfaceRows rows;
    for (int n = 0; n < kSurfaceRowCount; ++n) {
        rows[n].on = 1;
        rows[n].dataName = "名" + std::to_string(n);
        rows[n].text = "d:\\" + std::to_string(n);
        rows[n].colour = n;
        rows[n].fill = n % 2;
        rows[n].name = n % 3 == 0;
    }
    ASSERT_TRUE(WriteSurfaceSettingsFile(SurfaceSettingsFilePath(vd::applicationFolder()), rows));
    std::string expected;
    for (int t = 1; t <= 3; ++t) {
        auto line = [&](char key, auto value) {
            for (int r = 1; r <= 5; ++r)
                expected += std::string(1, key) + std::to_string(t) + "_" + std::to_string(r) + "=" + value(rows[(t - 1) * 5 + r - 1]) + "\r\n";
        };
        line('T', [](const SurfaceRow& x) { return x.dataName; });
        line('F', [](const SurfaceRow& x) { return x.text; });
        line('C', [](const SurfaceRow& x) { return std::to_string(x.colour); });
        line('P', [](const SurfaceRow& x) { return std::to_string(x.fill); });
        line('N', [](const SurfaceRow& x) { return std::to_string(x.name); });
    }
    EXPECT_EQ(std::count(expected.begin(), expected.end(), '\n'), 75);
    EXPECT_EQ(ReadBytes(HomeFolder() / "DddSFile.dat"), vd::utf8ToCp932(expected));
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(HomeFolder()))
        names.push_back(entry.path().filename().string());
    EXPECT_EQ(std::count(names.begin(), names.end(), "DddSFile.dat"), 1);
    EXPECT_EQ(std::count(names.begin(), names.end(), "DDDSFILE.DAT"), 0) << "the file keeps its name";

    SurfaceRows back;
    ASSERT_TRUE(ReadSurfaceSettingsFile(SurfaceSettingsFilePath(vd::applicationFolder()), back));
    for (int n = 0; n < kSurfaceRowCount; ++n)
        rows[n].on = 0;
    EXPECT_EQ(back, rows) << "everything but the on values comes back";
}
