#include "basemap/projection/CoordinateText.h"

#include "platform/text/Numbers.h"
#include "platform/text/Cp932Text.h"

#include <cmath>
#include <cstdint>

int DmsToSeconds(std::string_view text)
{
    const auto point = text.find('.');
    const std::string_view degreesText = point == std::string_view::npos ? std::string_view{} : text.substr(0, point);
    const std::string rest = point == std::string_view::npos ? std::string(text) : std::string(text.substr(point + 1));
    const int degrees = vd::parseInt(degreesText);
    const int minutes = vd::parseInt(vd::cp932Mid(rest, 0, 2));
    const int seconds = vd::parseInt(vd::cp932Mid(rest, 2, 2));

    // The sign written before the degrees belongs to the whole value, also for "-0.3000".
    const auto first = degreesText.find_first_not_of(" \t\n\v\f\r");
    const bool negative = first != std::string_view::npos && degreesText[first] == '-';
    const std::int64_t magnitude = (negative ? -std::int64_t{degrees} : degrees) * 3600 + minutes * 60 + seconds;
    return static_cast<int>(negative ? -magnitude : magnitude);
}

double DmsToTenThousandthDegrees(std::string_view text)
{
    return DmsToSeconds(text) * 2.7777777777777777;
}

double DegreesMinutesToTenThousandthDegrees(double value)
{
    const double degrees = std::trunc(value);
    return (degrees + (value - degrees) * 1.6666666) * 10000.0;
}

double TenThousandthDegreesToDmsWholeSeconds(double value)
{
    const double magnitude = std::fabs(value);
    const double degrees = std::trunc(magnitude / 10000.0);
    const int seconds = static_cast<int>((magnitude - degrees * 10000.0) * 0.36);
    const double dms = degrees + (seconds / 60) / 100.0 + (seconds % 60) / 10000.0;
    return value < 0 ? -dms : dms;
}

double TenThousandthDegreesToDmsFractionalSeconds(double value)
{
    const int degrees = static_cast<int>(value / 10000.0);
    const double seconds = (value - degrees * 10000.0) * 0.36;
    const int minutes = static_cast<int>(seconds / 60.0);
    return degrees + minutes / 100.0 + (seconds - minutes * 60.0) / 10000.0;
}

namespace {

std::string TwoDigits(std::int64_t value)
{
    if (value == 0)
        return "00";
    if (value < 10)
        return "0" + std::to_string(value);
    return std::to_string(value);
}

} // namespace

std::string SecondsToDms(int seconds)
{
    const bool negative = seconds < 0;
    const std::int64_t magnitude = negative ? -std::int64_t{seconds} : seconds;
    return (negative ? "-" : "") + std::to_string(magnitude / 3600) + "." + TwoDigits(magnitude % 3600 / 60) +
           TwoDigits(magnitude % 3600 % 60);
}
