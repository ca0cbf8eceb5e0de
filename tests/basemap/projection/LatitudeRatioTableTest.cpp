#include "basemap/projection/LatitudeRatioTable.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>

namespace {

std::uint32_t bitsOf(float value) { return std::bit_cast<std::uint32_t>(value); }

TEST(LatitudeRatioTable, AnchorsAndInterpolatedEntriesAreBitExact)
{
    float table[kLatitudeRatioTableSize] = {};
    BuildLatitudeRatioTable(table);
    const struct { int degree; std::uint32_t bits; } cases[] = {
        {15, 0x3F83AFF0}, {20, 0x3F8768BC}, {25, 0x3F8C7460}, {30, 0x3F930EF1},
        {35, 0x3F9B8E42}, {40, 0x3FA66F2C}, {45, 0x3FB46942}, {50, 0x3FC6946D},
        {55, 0x3FDEAB06}, {60, 0x3FFFD147}, {65, 0x40174151}, {70, 0x403AF9D4},
        {16, 0x3F846E7F}, {33, 0x3F982822}, {36, 0x3F9DBB3E}, {69, 0x4033D4ED},
    };
    for (const auto& c : cases)
        EXPECT_EQ(bitsOf(table[c.degree]), c.bits) << "degree " << c.degree;
}

TEST(LatitudeRatioTable, LeavesLowDegreesUnwrittenAndReadsOnlyTheBuiltRange)
{
    float table[kLatitudeRatioTableSize] = {};
    BuildLatitudeRatioTable(table);
    for (int d = 0; d < kLatitudeRatioFirstDegree; ++d)
        EXPECT_EQ(table[d], 0.0f) << d;
    for (int d = kLatitudeRatioFirstDegree; d < kLatitudeRatioLastDegree; ++d)
        EXPECT_LT(table[d], table[d + 1]) << d;
    EXPECT_EQ(LatitudeRatioAt(table, 3), table[15]);
    EXPECT_EQ(LatitudeRatioAt(table, -40), table[15]);
    EXPECT_EQ(LatitudeRatioAt(table, 90), table[70]);
    EXPECT_EQ(LatitudeRatioAt(table, 35), table[35]);
}

} // namespace
