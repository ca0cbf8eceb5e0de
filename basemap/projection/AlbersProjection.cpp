#include "basemap/projection/AlbersProjection.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kRadiansPerUnit = 1.745328888888889e-6; // 3.141592 / 180 / 10000
constexpr double kTenDegrees = 0.1745328888888889;
constexpr double kOneDegree = 0.01745328888888889;
constexpr double kDegreesPerRadian = 57.29579143313326; // 180 / 3.141592

} // namespace

AlbersProjection::AlbersProjection(int originX_, float lat0, float lon0_, float scale)
    : originX(originX_), lon0(lon0_)
{
    const double phi0 = static_cast<double>(lat0) * kRadiansPerUnit;
    const double phi1 = phi0 - kTenDegrees;
    const double phi2 = phi0 + kTenDegrees;
    sinPhi2 = std::sin(phi2);
    n = (std::sin(phi1) + sinPhi2) * 0.5;
    radius = scale;
    rho1 = radius * std::cos(phi2) / n;
}

PixelPoint AlbersProjection::project(double latitude, double longitude) const
{
    const double phi = latitude * kOneDegree * 0.0001;
    const double rho = std::sqrt(rho1 * rho1 - (sinPhi2 - std::sin(phi)) * radius * radius * (-2.0) / n);
    const double theta = (longitude * 0.0001 - static_cast<double>(lon0) * 0.0001) * kOneDegree * n;
    return {static_cast<int>(std::trunc(rho * std::sin(theta))) + originX,
            static_cast<int>(std::trunc(rho * std::cos(theta))) - static_cast<int>(std::trunc(rho1))};
}

std::optional<GeoPointF> AlbersProjection::unproject(int x, int y) const
{
    // In double: the squared distances of a large window overflow 32 bits.
    const double dx = static_cast<double>(x) - originX;
    const double m = static_cast<double>(y) + std::trunc(rho1);
    const double rho2 = dx * dx + m * m;
    if (!(rho2 > 0))
        return std::nullopt;
    // Rounding can carry the sine just past 1 at the cone's edge: clamp instead of giving NaN.
    const double theta = std::asin(std::clamp(dx / std::sqrt(rho2), -1.0, 1.0));
    const double sinPhi = sinPhi2 - (rho2 - rho1 * rho1) * n / (radius * radius * 2);
    const double phi = std::asin(std::clamp(sinPhi, -1.0, 1.0));
    const double longitude = (theta / (n * kOneDegree) + static_cast<double>(lon0) * 0.0001) * 10000;
    const double latitude = phi * kDegreesPerRadian * 10000;
    if (!std::isfinite(longitude) || !std::isfinite(latitude))
        return std::nullopt;
    return GeoPointF{static_cast<float>(latitude), static_cast<float>(longitude)};
}
