#include "basemap/projection/AlbersProjection.h"
#include "basemap/projection/LinearLatitudeRatio.h"
#include "basemap/projection/SansonProjection.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(LinearLatitudeRatio, BothFormsUseTheirOwnStoredConstants)
{
    EXPECT_EQ(LinearLatitudeRatioSingle(450000), 1.4079999923706055);
    EXPECT_EQ(LinearLatitudeRatioDouble(450000), 1.4079999923706055);
    // 1.408 - 100000 x slope, with the slope stored as a float or as a double.
    EXPECT_DOUBLE_EQ(LinearLatitudeRatioSingle(350000), 1.4079999923706055 - 100000 * 1.5549999261565972e-6);
    EXPECT_DOUBLE_EQ(LinearLatitudeRatioDouble(350000), 1.4079999923706055 - 100000 * 1.5549999475479126e-6);
    EXPECT_NEAR(LinearLatitudeRatioSingle(350000), 1.2525, 1e-6);
    EXPECT_NE(LinearLatitudeRatioSingle(350000), LinearLatitudeRatioDouble(350000));
}

TEST(SansonProjection, ReferencePointIsTheOriginAndQuotientsTruncateTowardZero)
{
    const SansonProjection p(400, 300, 355000.f, 1375000.f, 10.f);
    EXPECT_EQ(p.project(355000, 1375000), (PixelPoint{400, 300}));
    // (355000 - 355037) / 10 = -3.7 -> -3; (1375000 - 1375037) / 10 / k -> toward zero as well.
    const PixelPoint north = p.project(355037, 1375000);
    EXPECT_EQ(north.y, 297);
    EXPECT_EQ(p.project(355000, 1374990).x, 400); // -1 / k is above -1
}

TEST(SansonProjection, LongitudeScaleJumpsAtTheWholeDegree)
{
    const SansonProjection p(0, 0, 355000.f, 1375000.f, 100.f);
    // 250 pixels of latitude scale east of lon0, shrunk by T[35] = 1.2152789 or T[34] = 1.2020018.
    EXPECT_EQ(p.project(350000, 1400000).x, 205);
    EXPECT_EQ(p.project(349999, 1400000).x, 207);
    EXPECT_EQ(p.project(359999, 1400000).x, 205); // 35.9999 still takes row 35
}

TEST(SansonProjection, PointsOutsideTheTableTakeTheNearestRow)
{
    const SansonProjection p(0, 0, 355000.f, 1375000.f, 100.f);
    EXPECT_EQ(p.project(100000, 1400000).x, p.project(150000, 1400000).x);
    EXPECT_EQ(p.project(-50000, 1400000).x, p.project(150000, 1400000).x);
    EXPECT_EQ(p.project(890000, 1400000).x, p.project(700000, 1400000).x);
}

TEST(SansonProjection, UnprojectInvertsWithTheRatioOfTheNamedRow)
{
    const SansonProjection p(400, 300, 355000.f, 1375000.f, 850.f);
    EXPECT_EQ(p.unproject(400, 300, 300), (GeoPoint{355000, 1375000}));
    // T[35] x 100 x 850 + 1375000 = 1478298.7
    EXPECT_EQ(p.unproject(500, 300, 300), (GeoPoint{355000, 1478298}));
    // A row 20 pixels further south reads the ratio at 33.8 degrees (T[33]).
    const GeoPoint fixedRow = p.unproject(500, 300, 320);
    EXPECT_EQ(fixedRow.latitude, 355000);
    EXPECT_EQ(fixedRow.longitude, static_cast<int>(std::trunc(p.table[33] * 100.0 * 850 + 1375000)));
    // Round trip within the band: the pixel comes back.
    for (int x : {0, 123, 400, 777})
        for (int y : {290, 300, 310}) {
            const GeoPoint g = p.unproject(x, y, y);
            const PixelPoint back = p.project(g.latitude, g.longitude);
            EXPECT_LE(std::abs(back.x - x), 1) << x << "," << y;
            EXPECT_LE(std::abs(back.y - y), 1) << x << "," << y;
        }
}

TEST(AlbersProjection, ReferencePointAndUpperStandardParallel)
{
    const AlbersProjection a(500, 375000.f, 1375000.f, 3000.f);
    // x = origin x; y = trunc(rho0) - trunc(rho1) with rho1 = 3380.696...
    EXPECT_EQ(a.project(375000, 1375000), (PixelPoint{500, 529}));
    EXPECT_EQ(a.project(475000, 1375000), (PixelPoint{500, 0}));
    EXPECT_EQ(a.project(350000, 1400000), (PixelPoint{605, 661}));
    EXPECT_EQ(static_cast<int>(a.rho1), 3380);
}

TEST(AlbersProjection, UnprojectRecoversProjectedPointsAndNeverGivesNaN)
{
    const AlbersProjection a(500, 375000.f, 1375000.f, 3000.f);
    for (int lat : {250000, 350000, 450000})
        for (int lon : {1250000, 1375000, 1450000}) {
            const PixelPoint p = a.project(lat, lon);
            const auto g = a.unproject(p.x, p.y);
            ASSERT_TRUE(g.has_value());
            // One pixel is about 0.019 degree at this radius.
            EXPECT_NEAR(g->latitude, lat, 400) << lat << "," << lon;
            EXPECT_NEAR(g->longitude, lon, 400) << lat << "," << lon;
        }
    // The cone's apex has no direction.
    EXPECT_FALSE(a.unproject(500, -3380).has_value());
    // Far outside the sphere's image: no overflow of the squared distance, clamped, not NaN.
    for (const PixelPoint far : {PixelPoint{60000, 60000}, PixelPoint{-60000, -60000}, PixelPoint{500, 2000000}}) {
        const auto g = a.unproject(far.x, far.y);
        if (g) {
            EXPECT_FALSE(std::isnan(g->latitude));
            EXPECT_FALSE(std::isnan(g->longitude));
        }
    }
}

} // namespace
