#include "municipal/prefmap/OutlineProjection.h"

#include <algorithm>
#include <cmath>

namespace surrick {

namespace {

constexpr double kRadiansPerUnit = 1.745328888888889e-6; // pi as 3.141592, per 1/10000 degree
constexpr double kTenDegrees = 0.1745328888888889;
constexpr double kOneDegree = 0.01745328888888889;
// Mode 1 draws the main islands with the ratio of 35 degrees throughout.
constexpr int kFixedRatioDegree = 35;
constexpr int kFixedRatioFirst = 16;
constexpr int kFixedRatioLast = 59;

// Coordinates far outside any map (a damaged file's, or past the cone's edge) are held to a
// pixel well off the picture rather than converted out of int's range.
constexpr double kOffMap = 1.0e7;

int ToPixel(double value)
{
    if (std::isnan(value))
        return static_cast<int>(kOffMap);
    return static_cast<int>(std::clamp(std::trunc(value), -kOffMap, kOffMap));
}

} // namespace

OutlineProjection::OutlineProjection(int projectionMode, int originX, float refLatitude, float refLongitude,
                                     float scale, int lastRatioDegree)
    : band_(projectionMode < 2), originX_(originX), refLatitude_(refLatitude), refLongitude_(refLongitude),
      scale_(scale), lastRatioDegree_(lastRatioDegree)
{
    if (band_) {
        BuildLatitudeRatioTable(ratios_);
        if (projectionMode == 1)
            std::fill(ratios_ + kFixedRatioFirst, ratios_ + kFixedRatioLast + 1, ratios_[kFixedRatioDegree]);
        return;
    }
    const double phi0 = refLatitude_ * kRadiansPerUnit;
    sinUpper_ = std::sin(phi0 + kTenDegrees);
    n_ = (std::sin(phi0 - kTenDegrees) + sinUpper_) / 2;
    rho1_ = scale_ * std::cos(phi0 + kTenDegrees) / n_;
}

float OutlineProjection::RatioAt(int degree) const
{
    return ratios_[std::clamp(degree, kLatitudeRatioFirstDegree, lastRatioDegree_)];
}

PixelPoint OutlineProjection::Project(double latitude, double longitude, int ratioDegree) const
{
    if (band_) {
        const double ratio = RatioAt(ratioDegree);
        return {ToPixel((longitude - refLongitude_) / scale_ / ratio) + originX_,
                ToPixel((refLatitude_ - latitude) / scale_)};
    }
    const double rho = std::sqrt(rho1_ * rho1_ + 2 * scale_ * scale_ *
                                                     (sinUpper_ - std::sin(latitude * 0.0001 * kOneDegree)) / n_);
    const double theta = n_ * kOneDegree * (longitude * 0.0001 - refLongitude_ * 0.0001);
    return {ToPixel(rho * std::sin(theta)) + originX_, ToPixel(rho * std::cos(theta)) - ToPixel(rho1_)};
}

PixelPoint OutlineProjection::Project(double latitude, double longitude) const
{
    return Project(latitude, longitude, static_cast<int>(latitude) / 10000);
}

bool InInsetArea(double latitude, double longitude)
{
    return latitude > 250000 && latitude < 290000 && longitude > 1250000 && longitude < 1310000;
}

GeoPoint ShiftIntoInset(GeoPoint point)
{
    if (InInsetArea(point.latitude, point.longitude))
        return {point.latitude + static_cast<int>(kInsetShiftNorth), point.longitude + static_cast<int>(kInsetShiftEast)};
    return point;
}

} // namespace surrick
