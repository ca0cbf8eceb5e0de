#include "basemap/projection/GreatCircleDistance.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(GreatCircleDistance, OneDegreeOfLatitudeIs111Kilometres)
{
    EXPECT_EQ(static_cast<int>(GreatCircleDistance({35, 0}, {135, 0}, {36, 0}, {135, 0})), 111);
    // 6.28318 is not quite a full turn: the same place twice is a few metres, written as 0 km.
    EXPECT_EQ(static_cast<int>(GreatCircleDistance({35, 41}, {139, 46}, {35, 41}, {139, 46})), 0);
}

TEST(GreatCircleDistance, NegativeDegreesCountTheirMinutesAwayFromZero)
{
    EXPECT_NEAR(AngleRadians({-35, 30}), -35.5 / 180 * 3.14159, 1e-12);
    EXPECT_NEAR(AngleRadians({35, 30}), 35.5 / 180 * 3.14159, 1e-12);
    EXPECT_NEAR(GreatCircleDistance({-35, 30}, {140, 0}, {-34, 30}, {140, 0}),
                GreatCircleDistance({35, 30}, {140, 0}, {34, 30}, {140, 0}), 1e-9);
}

TEST(GreatCircleDistance, OppositePlacesGiveHalfTheGlobeNotNaN)
{
    const double km = GreatCircleDistance({0, 0}, {0, 0}, {0, 0}, {180, 0});
    EXPECT_FALSE(std::isnan(km));
    EXPECT_NEAR(km, 3.14159265 * 6369.978, 1.0);
}

} // namespace
