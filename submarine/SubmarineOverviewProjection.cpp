#include "submarine/SubmarineOverviewProjection.h"

namespace {

constexpr int kCentreLongitude = 1350000;
constexpr int kTopLatitude = 470000;
constexpr int kUnitsPerDegree = 10000;
// The single-precision factor, widened: the pixel positions depend on its exact value.
constexpr double kPixelsPerUnit = static_cast<double>(0.0031f);

} // namespace

SubmarineOverviewProjection::SubmarineOverviewProjection(int originX, int originY)
    : originX_(originX), originY_(originY)
{
    BuildLatitudeRatioTable(table_);
}

PixelPoint SubmarineOverviewProjection::Project(const GeoPoint& p) const
{
    const double k = LatitudeRatioAt(table_, p.latitude / kUnitsPerDegree);
    const int x = originX_ + static_cast<int>((p.longitude - kCentreLongitude) * kPixelsPerUnit / k);
    const int y = originY_ + static_cast<int>((kTopLatitude - p.latitude) * kPixelsPerUnit);
    return {x, y};
}
