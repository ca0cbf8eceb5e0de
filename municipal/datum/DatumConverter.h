#pragma once
// Tokyo datum (Bessel ellipsoid) to JGD2000 (GRS-80) by the three-parameter method: geodetic to
// geocentric on Bessel, a fixed shift of the origin, geocentric back to geodetic on GRS-80.
// Coordinates come and go as D.MMSS values (35.3938 is 35 degrees 39 minutes 38 seconds); the
// datum export converts one typed point, the map information dialog the corners of its map.
#include <optional>
#include <string>

class CDatumConverter {
public:
    static constexpr double kPi = 3.14159265358979;
    static constexpr double kTwoPi = 6.28318530717959;
    static constexpr double kHalfPi = 1.5707963267949;
    static constexpr double kDegreesPerRadian = 57.2957795130823;
    static constexpr double kRadiansPerDegree = 0.0174532925199433;
    // Index 0 Bessel (the Tokyo datum), 1 GRS-80 (JGD2000).
    static constexpr double kSemiMajorAxis[2] = {6377397.155, 6378137.0};
    static constexpr double kInverseFlattening[2] = {299.152813, 298.257222101};
    static constexpr double kEccentricitySquared[2] = {0.006674372227347433, 0.006694380022900787};
    // The origin of the Tokyo datum seen from JGD2000, metres.
    static constexpr double kShiftX = -146.414;
    static constexpr double kShiftY = 507.337;
    static constexpr double kShiftZ = 680.507;
    // What DmsToDegreesChecked gives for a point outside Japan.
    static constexpr double kOutside = -999.0;

    // The decimal degrees of a D.MMSS value times 10000, or kOutside (after the message naming
    // it) when a latitude lies outside 20..46 degrees or a longitude outside 120..154.
    double DmsToDegreesChecked(double value, bool isLongitude) const;

    // Tokyo-datum degrees in; m_dLatitude, m_dLongitude (degrees) and m_dHeight (metres) on
    // JGD2000 out.
    void ConvertTokyoToItrf(double latitude, double longitude);

    // Degrees as a D.MMSS text with 4 or 6 decimals. The seconds are rounded to what the text
    // shows before 60 of them carry into the minutes, so 59.67 seconds never print as "60".
    static std::string DegreesToDmsText(double degrees, int decimals);

    // Two D.MMSS texts on the Tokyo datum converted to JGD2000 D.MMSS texts with `decimals`
    // decimals; nullopt (after the message) when either lies outside Japan.
    struct DmsPair {
        std::string latitude;
        std::string longitude;
    };
    std::optional<DmsPair> ConvertTexts(const std::string& latitude, const std::string& longitude, int decimals);

    // The working coordinates of the last step, metres.
    double m_dX = 0;
    double m_dY = 0;
    double m_dZ = 0;
    // The result of the last conversion.
    double m_dLatitude = 0;
    double m_dLongitude = 0;
    double m_dHeight = 0;
    // The texts of the last conversion.
    std::string m_strLatitude;
    std::string m_strLongitude;
};
