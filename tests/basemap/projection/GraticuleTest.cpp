#include "basemap/projection/Graticule.h"

#include <gtest/gtest.h>

namespace {

constexpr int D = 10000;

int CountParallels(const std::vector<GeoSegment>& segments)
{
    int n = 0;
    for (const auto& s : segments)
        n += s.from.latitude == s.to.latitude;
    return n;
}

TEST(Graticule, BandModeHasSixPiecesAMeridianAndOneSegmentAParallel)
{
    const auto all = JapanGraticule(GraticuleMode::Band, false);
    ASSERT_EQ(all.size(), 5u * 6 + 3);
    EXPECT_EQ(CountParallels(all), 3);
    EXPECT_EQ(all[0], (GeoSegment{{25 * D, 110 * D}, {20 * D, 110 * D}}));
    EXPECT_EQ(all[5], (GeoSegment{{50 * D, 110 * D}, {45 * D, 110 * D}}));
    EXPECT_EQ(all[6], (GeoSegment{{50 * D, 100 * D}, {50 * D, 160 * D}}));
    EXPECT_EQ(all.back(), (GeoSegment{{50 * D, 150 * D}, {45 * D, 150 * D}}));
    const auto japan = JapanGraticule(GraticuleMode::Band, true);
    EXPECT_EQ(japan[6], (GeoSegment{{50 * D, 118 * D}, {50 * D, 150 * D}}));
}

TEST(Graticule, AlbersModeUsesOneDegreePiecesOverTheSameSpans)
{
    const auto all = JapanGraticule(GraticuleMode::Albers, false);
    ASSERT_EQ(all.size(), 5u * 35 + 3 * 60);
    EXPECT_EQ(all[0], (GeoSegment{{21 * D, 110 * D}, {20 * D, 110 * D}}));
    EXPECT_EQ(all[34], (GeoSegment{{55 * D, 110 * D}, {54 * D, 110 * D}}));
    EXPECT_EQ(all[35], (GeoSegment{{50 * D, 100 * D}, {50 * D, 101 * D}}));
    EXPECT_EQ(all[35 + 59], (GeoSegment{{50 * D, 159 * D}, {50 * D, 160 * D}}));
    const auto japan = JapanGraticule(GraticuleMode::Albers, true);
    ASSERT_EQ(japan.size(), 5u * 35 + 3 * 32);
    EXPECT_EQ(japan[35].from.longitude, 118 * D);
    EXPECT_EQ(japan[35 + 31].to.longitude, 150 * D);
}

} // namespace
