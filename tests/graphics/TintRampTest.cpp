#include "graphics/ColourSet.h"
#include "graphics/TintRamp.h"

#include <gtest/gtest.h>

namespace {

TintRow Row(int level, int r, int g, int b)
{
    return TintRow{std::uint8_t(level), std::uint8_t(r), std::uint8_t(g), std::uint8_t(b)};
}

struct RampColour {
    int r, g, b;
    friend bool operator==(const RampColour&, const RampColour&) = default;
};

RampColour At(const TintRamp& ramp, int i)
{
    return {ramp.red[i], ramp.green[i], ramp.blue[i]};
}

TEST(TintRamp, LevelsOfTheColourSetColumns)
{
    struct Case {
        int metres;
        int level;
    } cases[] = {{0, 0}, {1, 1}, {14, 0}, {15, 1}, {100, 6}, {500, 33}, {3000, 200}, {3825, 255},
                 {4000, 255}, {3840, 255}, {9999, 255}, {-30, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(TintLevelOfElevation(c.metres), c.level) << c.metres;
}

TEST(TintRamp, ColourSetLinesAreCutInFixedColumns)
{
    EXPECT_EQ(ParseColourSetLine("   0   0 128 255    青（海域）  1:15"), Row(0, 0, 128, 255));
    EXPECT_EQ(ParseColourSetLine("   1  10 200  30         0m"), Row(1, 10, 200, 30));
    EXPECT_EQ(ParseColourSetLine("4000 255 255 255     4,000m"), Row(255, 255, 255, 255));
    // Columns, not fields: a value that runs into the next column is cut at its own.
    EXPECT_EQ(ParseColourSetLine(" 5001234567890123"), Row(33, 234, 255, 12));
    EXPECT_EQ(ParseColourSetLine(" 100 300  -5   7"), Row(6, 255, 0, 7)) << "colours stay bytes";
    EXPECT_EQ(ParseColourSetLine(" 100"), Row(6, 0, 0, 0)) << "a short line";
    EXPECT_FALSE(ParseColourSetLine(""));
    EXPECT_FALSE(ParseColourSetLine(";地図帳(通常)  Z:\\x\\ATLAS1.PLT  "));
}

TEST(TintRamp, ZeroOneAndFourThousandMetres)
{
    const TintRamp ramp = InterpolateTintRamp({Row(0, 0, 0, 255), Row(1, 0, 100, 0), Row(255, 254, 200, 100)});
    EXPECT_EQ(At(ramp, 0), (RampColour{0, 0, 255}));
    EXPECT_EQ(At(ramp, 1), (RampColour{0, 100, 0}));
    EXPECT_EQ(At(ramp, 255), (RampColour{254, 200, 100}));
    // Entry 128 on the straight line from level 1 to level 255, truncated.
    EXPECT_EQ(At(ramp, 128), (RampColour{127, 150, 50}));
    EXPECT_EQ(ramp.red[256], 0) << "the spare entry";
}

TEST(TintRamp, BlackClassesLeftOutAreInterpolatedAcross)
{
    // 100 m (6) to 1000 m (66) with the 200 m and 500 m classes left out of the file.
    const TintRamp ramp = InterpolateTintRamp({Row(0, 1, 2, 3), Row(1, 0, 0, 0), Row(6, 0, 60, 0), Row(66, 120, 0, 240)});
    EXPECT_EQ(At(ramp, 13), (RampColour{14, 53, 28}));
    EXPECT_EQ(At(ramp, 33), (RampColour{54, 33, 108}));
    EXPECT_EQ(At(ramp, 67), (RampColour{0, 0, 0})) << "above the last row stays black";
}

TEST(TintRamp, FallingAndEqualLevelsStayInsideTheRamp)
{
    // A falling pair writes nothing; a pair of one level takes the later row's colour rather
    // than dividing by zero.
    const TintRamp ramp =
        InterpolateTintRamp({Row(10, 10, 10, 10), Row(20, 20, 20, 20), Row(5, 99, 99, 99), Row(5, 50, 60, 70)});
    EXPECT_EQ(At(ramp, 15), (RampColour{15, 15, 15}));
    EXPECT_EQ(At(ramp, 5), (RampColour{50, 60, 70}));
    EXPECT_EQ(At(ramp, 4), (RampColour{0, 0, 0}));
    const TintRamp same = InterpolateTintRamp({Row(255, 1, 2, 3), Row(255, 4, 5, 6)});
    EXPECT_EQ(At(same, 255), (RampColour{4, 5, 6}));
}

TEST(TintRamp, ColourStepsQuantiseIntoBands)
{
    TintRamp ramp;
    for (int i = 0; i < 256; ++i) {
        ramp.red[i] = i;
        ramp.green[i] = 255 - i;
        ramp.blue[i] = 7;
    }
    struct Case {
        int step;
        int metres;
        std::vector<std::pair<int, int>> entrySource;
    } cases[] = {
        {2, 50, {{1, 1}, {3, 1}, {4, 4}, {6, 4}, {7, 7}, {10, 11}, {11, 11}, {255, 254}}},
        {3, 100, {{1, 1}, {6, 1}, {7, 7}, {13, 7}, {14, 14}, {20, 21}, {255, 254}}},
        {4, 200, {{1, 1}, {13, 1}, {14, 14}, {26, 14}, {27, 27}, {255, 254}}},
        {5, 250, {{1, 1}, {16, 1}, {17, 17}, {33, 17}, {34, 34}, {255, 251}}},
        {6, 500, {{1, 1}, {33, 1}, {34, 34}, {66, 34}, {67, 67}, {255, 234}}},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(ColourStepMetres(c.step), c.metres);
        TintRamp banded = ramp;
        banded.red[0] = 77;
        QuantiseTintRamp(banded, c.metres);
        EXPECT_EQ(banded.red[0], 77) << "the sea keeps its colour";
        for (auto [entry, source] : c.entrySource) {
            EXPECT_EQ(banded.red[entry], source) << c.metres << " m, entry " << entry;
            EXPECT_EQ(banded.green[entry], 255 - source) << c.metres << " m, entry " << entry;
        }
    }
    for (int step : {0, 1, 7, -1})
        EXPECT_EQ(ColourStepMetres(step), 0) << step;
    TintRamp unchanged = ramp;
    QuantiseTintRamp(unchanged, 0);
    EXPECT_EQ(unchanged.red, ramp.red);
}

TEST(TintRamp, ReliefStyleOfAColourSet)
{
    const std::vector<TintRow> rising{Row(0, 200, 0, 0), Row(1, 10, 10, 10), Row(6, 20, 20, 10), Row(255, 30, 40, 50)};
    const std::vector<TintRow> falling{Row(0, 0, 0, 0), Row(1, 250, 250, 250), Row(6, 200, 250, 100), Row(255, 0, 0, 0)};
    const std::vector<TintRow> mixed{Row(0, 0, 0, 255), Row(1, 0, 128, 0), Row(6, 200, 200, 0), Row(255, 128, 64, 0)};
    const std::vector<TintRow> two{Row(0, 0, 0, 0), Row(1, 1, 1, 1)};
    EXPECT_EQ(DetectReliefStyle(rising, "緑色(ﾓﾉｸﾛｰﾑ)"), "ﾓﾉｸﾛｰﾑ") << "the sea row does not count";
    EXPECT_EQ(DetectReliefStyle(falling, "灰色"), "ﾓﾉｸﾛｰﾑ");
    EXPECT_EQ(DetectReliefStyle(mixed, "地図帳(通常)"), "");
    EXPECT_EQ(DetectReliefStyle(two, "x"), "") << "fewer than three rows";
    EXPECT_EQ(DetectReliefStyle(mixed, "地図帳(高度帯)"), "地図帳(高度帯)");
    EXPECT_EQ(DetectReliefStyle(rising, "地図帳(高度帯)"), "地図帳(高度帯)");
    EXPECT_EQ(DetectReliefStyle(mixed, "黄金(ﾓﾉｸﾛｰﾑ)"), "ﾓﾉｸﾛｰﾑ");
}

} // namespace
