// Records of a probabilistic hazard file: the cell of a code, the value classes and their colours.
#include "seismic/probabilistic/ProbabilisticRecord.h"

#include "tests/seismic/SeismicFixtures.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace seismic;

TEST(ProbabilisticRecord, ParsesPublishedLinesAndSkipsTheRest)
{
    const std::string line = seismicfixtures::Record("53394567", 0.26f);
    ASSERT_EQ(line.size() + 2, std::size_t(kPublishedRecordBytes));
    const auto record = ParseProbabilisticRecord(line);
    ASSERT_TRUE(record);
    EXPECT_EQ(record->codeText, "53394567");
    EXPECT_EQ(record->value, 0.26f);
    EXPECT_EQ(ParseProbabilisticRecord("53394567,1,2,3,4,1.5e-02")->value, 0.015f);
    for (const char* bad : {"", "# code,lat,lon", ",1,2,3,4,5", "53394567", "53394567,1,2,3,4", "53394567,1,2,x,4,5",
                            "53394567;1;2;3;4;5"})
        EXPECT_FALSE(ParseProbabilisticRecord(bad)) << bad;
}

TEST(ProbabilisticRecord, CellCornerOfACode)
{
    EXPECT_EQ(ProbabilisticCellCorner("53394567"), (CellCorner{128580, 502965}));
    EXPECT_EQ(ProbabilisticCellCorner("53390000"), (CellCorner{127200, 500400}));
    EXPECT_EQ(ProbabilisticCellCorner("5339"), (CellCorner{127200, 500400})); // a damaged code: its mesh corner
}

TEST(ProbabilisticRecord, ValueClasses)
{
    const struct {
        int kind;
        float value;
        int valueClass;
    } cases[] = {
        // PS in single precision: 0.26 x 1000 is 260 (259.99 in double would fall a class lower).
        {kExceedance, 0.26f, 4},       {kExceedance, 0.0005f, 0},    {kExceedance, 0.001f, 1},
        {kExceedance, 0.03f, 2},       {kExceedance, 0.0599f, 2},    {kExceedance, 0.06f, 3},
        {kExceedance, 0.4f, 5},        {kExceedance, NAN, 5},        {kIntensity, 2.0f, 0},
        {kIntensity, 2.01f, 1},        {kIntensity, 3.5f, 2},        {kIntensity, 4.5f, 3},
        {kIntensity, 5.0f, 4},         {kIntensity, 5.5f, 5},        {kIntensity, 6.0f, 6},
        {kIntensity, NAN, kUnclassified},
        {kSurfaceVelocity, 69.9f, 6},  {kSurfaceVelocity, 70, 7},    {kSurfaceVelocity, 100, 8},
        {kSurfaceVelocity, 159.9f, 13}, {kSurfaceVelocity, 160, 14}, {kSurfaceVelocity, 0, 0},
        {kSurfaceVelocity, -5, 0},     {kSurfaceVelocity, -15, kUnclassified},
        {kBedrockVelocity, 45, 4},     {kBedrockVelocity, 1e30f, 14}, {-1, 0.5f, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ProbabilisticValueClass(c.kind, c.value), c.valueClass) << c.kind << " " << c.value;
    EXPECT_EQ(ProbabilisticLabelValue(kExceedance, 0.26f), 260);
    EXPECT_EQ(ProbabilisticLabelValue(kIntensity, 5.49f), 54);
    EXPECT_EQ(ProbabilisticLabelValue(kBedrockVelocity, 131.9f), 131);
}

TEST(ProbabilisticRecord, ClassColours)
{
    EXPECT_EQ(ProbabilisticClassColour(kExceedance, 4), vd::RGB(232, 0, 56));
    EXPECT_EQ(ProbabilisticClassColour(kExceedance, 0), vd::RGB(144, 255, 80));
    EXPECT_EQ(ProbabilisticClassColour(kExceedance, 17), vd::RGB(255, 0, 0)); // any other class
    EXPECT_EQ(ProbabilisticClassColour(kIntensity, 6), vd::RGB(255, 72, 112));
    EXPECT_EQ(ProbabilisticClassColour(kIntensity, 7), std::nullopt);
    EXPECT_EQ(ProbabilisticClassColour(kSurfaceVelocity, 7), vd::RGB(255, 255, 0));
    EXPECT_EQ(ProbabilisticClassColour(kBedrockVelocity, 14), vd::RGB(168, 0, 0));
    EXPECT_EQ(ProbabilisticClassColour(kBedrockVelocity, kUnclassified), std::nullopt);
    EXPECT_EQ(ProbabilisticClassColour(-1, 0), std::nullopt);
}
