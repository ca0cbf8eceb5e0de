// MAPELMNT\DPRTCITY.DAT: the lines the readers keep, a line taken apart, coordinate texts read
// and registered.
#include "app/settings/StartCityFile.h"

#include "../doc/DocumentTestSupport.h"
#include "platform/text/Cp932.h"

#include <gtest/gtest.h>

namespace {

using namespace doctest;

std::string FilePath()
{
    return StartCityFilePath(vd::applicationFolder());
}

TEST(StartCityFile, KeepsTwentyUsableLinesCutTo98Bytes)
{
    EXPECT_TRUE(ReadStartCityLines(FilePath()).empty()) << "a missing file lists nothing";

    std::string text = "; 始点の都市\r\n\r\n東京@35.4200@139.4930\r\n";
    const std::string longName(60, 'x');
    text += "長い名前" + longName + "@35.0000@135.0000\r\n"; // 8 + 60 + 18 bytes: 86
    text += std::string(100, 'y') + "\r\n";
    for (int i = 0; i < 30; ++i)
        text += "都市" + std::to_string(i) + "@34.00@135.00\r\n";
    WriteBytes(Home() / "MAPELMNT" / "DPRTCITY.DAT", vd::utf8ToCp932(text));

    const std::vector<std::string> lines = ReadStartCityLines(FilePath());
    ASSERT_EQ(lines.size(), 20u);
    EXPECT_EQ(lines[0], "東京@35.4200@139.4930");
    EXPECT_EQ(lines[1], "長い名前" + longName + "@35.0000@135.0000");
    EXPECT_EQ(lines[2], std::string(98, 'y'));
    EXPECT_EQ(lines[19], "都市16@34.00@135.00");
}

TEST(StartCityFile, SplitsALineAtItsFirstTwoAts)
{
    struct Case {
        const char* line;
        StartCityFields fields;
    };
    for (const Case& c : {Case{"大阪@34.4059@135.3121", {"大阪", "34.4059", "135.3121"}},
                          Case{"大阪@34.4059@135.3121@x", {"大阪", "34.4059", "135.3121@x"}},
                          Case{"大阪@34.4059", {"大阪", "", ""}},
                          Case{"大阪", {"大阪", "", ""}},
                          Case{"@@", {"", "", ""}}}) {
        const StartCityFields f = SplitStartCityLine(c.line);
        EXPECT_EQ(f.name, c.fields.name) << c.line;
        EXPECT_EQ(f.latitude, c.fields.latitude) << c.line;
        EXPECT_EQ(f.longitude, c.fields.longitude) << c.line;
    }
}

TEST(StartCityFile, CoordinateTextsReadAndRegistered)
{
    struct Case {
        const char* text;
        double degrees;
        double minutes;
        const char* registered;
    };
    for (const Case& c : {Case{"34.4059", 34, 40, "34.4059"},
                          Case{"135.3121", 135, 31, "135.3121"},
                          Case{"35.75", 35, 75, "35.45"},     // hundredths of a degree: 45 minutes
                          Case{"35.61", 35, 61, "35.36"},
                          Case{"35.60", 35, 60, "35.60"},     // 60 can be minutes
                          Case{"-33.75", -33, 75, "-33.45"},
                          Case{"-0.99", 0, 99, "-0.59"},      // south stays south
                          Case{"35", 35, 0, "35"},
                          Case{"35.7", 35, 7, "35.7"},
                          Case{"", 0, 0, ""},
                          Case{"abc.xyz", 0, 0, "abc.xyz"},
                          Case{"1e999.99", HUGE_VAL, 99, "2147483647.59"}}) {
        const DegreesMinutes value = ParseCoordinateText(c.text);
        EXPECT_EQ(value.degrees, c.degrees) << c.text;
        EXPECT_EQ(value.minutes, c.minutes) << c.text;
        EXPECT_EQ(RegisteredCoordinateText(c.text), c.registered) << c.text;
    }
    EXPECT_EQ(WholeDegreesMinutesText(34, 40.9), "34.40");
    EXPECT_EQ(WholeDegreesMinutesText(-1e300, 5), "-2147483648.5");
}

TEST(StartCityFile, AppendsWithoutTruncatingAndMakesTheFolder)
{
    fs::remove_all(Home() / "MAPELMNT");
    ASSERT_TRUE(AppendStartCity(FilePath(), {"札幌", "43.03", "141.21"}));
    EXPECT_EQ(ReadBytes(Home() / "MAPELMNT" / "DPRTCITY.DAT"), vd::utf8ToCp932("札幌@43.03@141.21\r\n"));
    // A last line without its end is ended first.
    WriteBytes(Home() / "MAPELMNT" / "DPRTCITY.DAT", vd::utf8ToCp932("東京@35.4200@139.4930"));
    ASSERT_TRUE(AppendStartCity(FilePath(), {"那覇", "26.12", "127.41"}));
    EXPECT_EQ(ReadBytes(Home() / "MAPELMNT" / "DPRTCITY.DAT"),
              vd::utf8ToCp932("東京@35.4200@139.4930\r\n那覇@26.12@127.41\r\n"));
    // A folder that cannot be made (a file of that name is in the way) is a failure.
    WriteBytes(Home() / "blocker", "x");
    EXPECT_FALSE(AppendStartCity(StartCityFilePath(vd::applicationFolder() + "blocker\\"), {"札幌", "43.03", "141.21"}));
}

} // namespace
