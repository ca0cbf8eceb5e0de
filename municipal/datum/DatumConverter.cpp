#include "municipal/datum/DatumConverter.h"

#include "platform/text/Format.h"
#include "platform/text/Numbers.h"
#include "platform/ui/Ui.h"

#include <algorithm>
#include <cmath>

double CDatumConverter::DmsToDegreesChecked(double value, bool isLongitude) const
{
    const double sign = value < 0 ? -1.0 : 1.0;
    // The small addition keeps 35.3938 from reading as 35.39379999.
    // Capped so that an absurd typed value still reads as whole degrees (and lies outside).
    const double v = std::min(std::fabs(value * 0.0001) + 1e-13, 1e9);
    const int degrees = int(v);
    const int minutes = int((v - degrees) * 100);
    const double seconds = ((v - degrees) * 100 - minutes) * 100;
    const double result = sign * (degrees + (minutes + seconds / 60) / 60);

    const int low = isLongitude ? 120 : 20;
    const int high = isLongitude ? 154 : 46;
    if (value >= 0 && degrees >= low && degrees <= high)
        return result;
    const char* format = isLongitude ? "入力された(経度 %d度 %d分 %.4f秒)は日本の領土外です。"
                                     : "入力された(緯度 %d度 %d分 %.4f秒)は日本の領土外です。";
    vd::ui::AfxMessageBox(vd::format(format, int(sign) * degrees, minutes, seconds), vd::MB_OK | vd::MB_ICONEXCLAMATION);
    return kOutside;
}

void CDatumConverter::ConvertTokyoToItrf(double latitude, double longitude)
{
    const double phi = latitude * kRadiansPerDegree;
    const double lambda = longitude * kRadiansPerDegree;

    // Geodetic to geocentric on Bessel, height 0.
    {
        const double a = kSemiMajorAxis[0];
        const double e2 = kEccentricitySquared[0];
        const double n = a / std::sqrt(1 - e2 * std::sin(phi) * std::sin(phi));
        m_dX = n * std::cos(phi) * std::cos(lambda);
        m_dY = n * std::cos(phi) * std::sin(lambda);
        m_dZ = n * (1 - e2) * std::sin(phi);
    }

    m_dX += kShiftX;
    m_dY += kShiftY;
    m_dZ += kShiftZ;

    // Geocentric to geodetic on GRS-80, in closed form.
    const double a = kSemiMajorAxis[1];
    const double e2 = kEccentricitySquared[1];
    const double f = 1 / kInverseFlattening[1];
    const double p = std::sqrt(m_dX * m_dX + m_dY * m_dY);
    double lon = m_dX == 0 ? kHalfPi : std::atan(m_dY / m_dX);
    if (m_dX < 0)
        lon += kPi;
    if (lon > kPi)
        lon -= kTwoPi;
    const double r = std::sqrt(p * p + m_dZ * m_dZ);
    const double u = std::atan((m_dZ / p) * ((1 - f) + e2 * a / r));
    const double sinU = std::sin(u);
    const double cosU = std::cos(u);
    const double lat = std::atan((m_dZ * (1 - f) + e2 * a * sinU * sinU * sinU) /
                                 ((1 - f) * (p - e2 * a * cosU * cosU * cosU)));
    m_dHeight = p * std::cos(lat) + m_dZ * std::sin(lat) - a * std::sqrt(1 - e2 * std::sin(lat) * std::sin(lat));

    m_dLatitude = lat * kDegreesPerRadian;
    m_dLongitude = lon * kDegreesPerRadian;
}

std::string CDatumConverter::DegreesToDmsText(double degrees, int decimals)
{
    const double v = std::fabs(degrees) + 1e-11;
    int whole = int(v);
    int minutes = int((v - whole) * 60);
    double seconds = ((v - whole) * 60 - minutes) * 60;
    // The text shows the seconds with decimals - 4 places: round them to that first, so that a
    // carry happens whenever the printed seconds would read 60.
    const double scale = std::pow(10.0, decimals - 4);
    seconds = std::round(seconds * scale) / scale;
    if (seconds >= 60) {
        seconds -= 60;
        if (++minutes >= 60) {
            minutes = 0;
            ++whole;
        }
    }
    const double dms = (seconds + minutes * 100 + whole * 10000.0) * 0.0001;
    return (degrees < 0 ? "-" : "") + vd::format(decimals == 6 ? "%.6f" : "%.4f", dms);
}

std::optional<CDatumConverter::DmsPair> CDatumConverter::ConvertTexts(const std::string& latitude,
                                                                      const std::string& longitude, int decimals)
{
    const double lat = DmsToDegreesChecked(vd::parseDouble(latitude) * 10000, false);
    const double lon = DmsToDegreesChecked(vd::parseDouble(longitude) * 10000, true);
    if (lat == kOutside || lon == kOutside)
        return std::nullopt;
    ConvertTokyoToItrf(lat, lon);
    m_strLatitude = DegreesToDmsText(m_dLatitude, decimals);
    m_strLongitude = DegreesToDmsText(m_dLongitude, decimals);
    return DmsPair{m_strLatitude, m_strLongitude};
}
