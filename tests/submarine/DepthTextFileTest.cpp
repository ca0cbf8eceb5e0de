// The depth soundings as the builder reads them: a line at a time, lines that do not parse passed
// over, CR LF or LF.
#include "SubmarineFixtures.h"

#include "submarine/files/DepthTextFile.h"

#include <gtest/gtest.h>

using namespace submarinetest;

TEST(DepthTextFile, LinesAsTheyParse)
{
    struct Case {
        const char* line;
        bool parses;
        char kind;
        float latitude, longitude;
        int depth;
    };
    const Case cases[] = {
        {"0 34.504167 135.007031 1203", true, '0', 34.504167f, 135.007031f, 1203},
        {"1   34.5\t135.25   12", true, '1', 34.5f, 135.25f, 12},
        {"1+34.5 +135.25 +7 trailing", true, '1', 34.5f, 135.25f, 7},
        {"1 34.5 135.25 -3", true, '1', 34.5f, 135.25f, -3}, // parses; the grid refuses it
        {"1 3.45e1 135 0", true, '1', 34.5f, 135.0f, 0},
        {"", false, 0, 0, 0, 0},
        {"1", false, 0, 0, 0, 0},
        {"1 34.5 135.25", false, 0, 0, 0, 0},
        {"1 north 135.25 12", false, 0, 0, 0, 0},
        {"1 34.5 135.25 deep", false, 0, 0, 0, 0},
        {"1 inf 135.25 12", false, 0, 0, 0, 0},
        {"1 34.5 135.25 99999999999", false, 0, 0, 0, 0},
        {"1 --34.5 135.25 12", false, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        const auto sounding = ParseDepthLine(c.line);
        ASSERT_EQ(sounding.has_value(), c.parses);
        if (!c.parses)
            continue;
        EXPECT_EQ(sounding->kind, c.kind);
        EXPECT_EQ(sounding->latitudeDegrees, c.latitude);
        EXPECT_EQ(sounding->longitudeDegrees, c.longitude);
        EXPECT_EQ(sounding->depthMetres, c.depth);
    }
}

TEST(DepthTextFile, FileOfMixedLineEndsKeepsEveryGoodLine)
{
    const Folder folder = MakeFolder("dp");
    WriteBytes(folder.linux / "DP34_135.txt", "1 34.1 135.1 10\r\nrubbish\n1 34.2 135.2 20\n\r\n0 34.3 135.3 30");
    const auto soundings = ReadDepthTextFile(folder.win + DepthTextFileName(34, 135));
    ASSERT_TRUE(soundings);
    ASSERT_EQ(soundings->size(), 3u);
    EXPECT_EQ((*soundings)[2].kind, '0');
    EXPECT_EQ((*soundings)[2].depthMetres, 30);
    EXPECT_FALSE(ReadDepthTextFile(folder.win + "DP10_10.txt"));
    EXPECT_EQ(DepthTextFileName(34, 135), "DP34_135.txt");
}

TEST(DepthTextFile, FixedColumnsInPiecesOf99Characters)
{
    const Folder folder = MakeFolder("fixed");
    // A line of 98 characters is one record; one of 99 is one record and then the empty rest,
    // which is none; one of 130 is two records, the second from its 100th character.
    const std::string record = "0  34.50000 135.25000  1203";
    const std::string tail = "1  35.00000 136.00000    77";
    const std::string long98 = record + std::string(98 - record.size(), ' ');
    const std::string long99 = record + std::string(99 - record.size(), ' ');
    const std::string long130 = record + std::string(99 - record.size(), ' ') + tail + "xxxx";
    WriteBytes(folder.linux / "DP34_135.txt", CrLf({long98, long99, long130, "", "9"}));
    const auto soundings = ReadFixedColumnDepthFile(folder.win + "DP34_135.txt");
    ASSERT_TRUE(soundings);
    ASSERT_EQ(soundings->size(), 5u);
    const DepthSounding& first = soundings->front();
    EXPECT_EQ(first.kind, '0');
    EXPECT_FLOAT_EQ(first.latitudeDegrees, 34.5f);
    EXPECT_FLOAT_EQ(first.longitudeDegrees, 135.25f);
    EXPECT_EQ(first.depthMetres, 1203);
    EXPECT_EQ((*soundings)[3].kind, '1');
    EXPECT_EQ((*soundings)[3].depthMetres, 77);
    // A line too short for its columns reads them as 0.
    EXPECT_EQ((*soundings)[4].kind, '9');
    EXPECT_EQ((*soundings)[4].latitudeDegrees, 0.0f);
    EXPECT_EQ((*soundings)[4].depthMetres, 0);
    EXPECT_FALSE(ReadFixedColumnDepthFile(folder.win + "DP00_000.txt"));
}
