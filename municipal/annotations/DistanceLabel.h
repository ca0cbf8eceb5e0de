#pragma once
// The text of the distance and slope label: the great-circle distance between two places given
// in D.MMSS, and a gradient, a slope angle or a length before it.
#include <optional>
#include <string>
#include <string_view>

namespace surrick {

// The first place as the caller holds it (single precision D.MMSS), in degrees: the minutes and
// seconds rounded to whole units after x 10000, so that 139.4500 reads 45'00" and not 44'99".
double DmsFloatDegrees(float dms);
// The second place as a D.MMSS text, in degrees; a text that is no number reads 0.
double DmsTextDegrees(std::string_view dms);

// Kilometres between two places in degrees, never below 0; 0 for the same place twice.
double DistanceKm(double longitude1, double latitude1, double longitude2, double latitude2);

// "%0.1f‰(%0.1fkm)" (mode 0, the value over the distance), "%0.1f°(%0.1fkm)" (mode 1, the slope
// of the value over the distance in degrees), "%0.1fm(%0.1fkm)" (mode 3, the value); nothing for
// any other mode. A first number with no value (a gradient over no distance) is written 0.0.
std::optional<std::string> DistanceLabelText(int mode, double value, double distanceKm);

} // namespace surrick
