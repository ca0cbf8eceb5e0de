#include "basemap/projection/GreatCircleDistance.h"

#include <algorithm>
#include <cmath>

double AngleRadians(DegreesMinutes angle)
{
    constexpr double kPerDegree = 0.005555555555555556;  // 1/180
    constexpr double kPerMinute = 9.259259259259259e-5;  // 1/10800
    const double halfTurns = angle.degrees >= 0 ? angle.degrees * kPerDegree + angle.minutes * kPerMinute
                                                : angle.degrees * kPerDegree + angle.minutes * -kPerMinute;
    return halfTurns * 3.14159;
}

double GreatCircleDistance(DegreesMinutes latitude1, DegreesMinutes longitude1, DegreesMinutes latitude2,
                           DegreesMinutes longitude2)
{
    const double lat1 = AngleRadians(latitude1);
    const double lon1 = AngleRadians(longitude1);
    const double lat2 = AngleRadians(latitude2);
    const double lon2 = AngleRadians(longitude2);
    double cosine = std::cos(lat1) * std::cos(lat2) * std::cos(6.28318 - (lon1 - lon2)) + std::sin(lat1) * std::sin(lat2);
    if (cosine >= 1.0)
        return 0.0;
    // Rounding can push the cosine of nearly opposite places below -1: that is half the globe.
    cosine = std::max(cosine, -1.0);
    return (1.570795 - std::atan(cosine / std::sqrt(1 - cosine * cosine))) * 6369.978259416411;
}
