#pragma once
// GPS track files of each logger kind, all starting in the Tokyo sheet (south-west corner 35.2000,
// 139.0000) and running from the palace north to Ueno: the PCX5 texts in DM, DMS and DEG, a
// waypoint "pot", MapFan routes in both forms and a logger's "log". UTF-8 lines; the tests write
// them in CP932 with CR LF.
#include <string>
#include <vector>

namespace trackfixture {

inline std::vector<std::string> PcxHeader(const std::string& unit)
{
    return {"H  SOFTWARE NAME & VERSION",
            "I  PCX5 2.09",
            "",
            "H  R DATUM                IDX DA            DF            DX            DY            DZ",
            "M  G WGS 84               121 +0.000000e+00 +0.000000e+00 +0.000000e+00 +0.000000e+00",
            "",
            "H  COORDINATE SYSTEM",
            "U  LAT LON " + unit,
            "",
            "H  皇居から上野",
            "H  LATITUDE    LONGITUDE    DATE      TIME     ALT"};
}

inline std::vector<std::string> WithPoints(std::vector<std::string> lines, const std::vector<std::string>& points)
{
    lines.insert(lines.end(), points.begin(), points.end());
    return lines;
}

inline std::vector<std::string> TrkDm()
{
    return WithPoints(PcxHeader("DM"), {"T  N3540.87 E13946.01 10-DEC-26 09:00:00 00010",
                                        "T  N3541.50 E13946.20 10-DEC-26 09:10:00 00012",
                                        "T  N3542.20 E13946.35 10-DEC-26 09:20:00 00015",
                                        "T  N3542.83 E13946.47 10-DEC-26 09:30:00 00018"});
}

inline std::vector<std::string> TrkDms()
{
    return WithPoints(PcxHeader("DMS"), {"T  N354052.0 E1394601.0 10-DEC-26 09:00:00 00010",
                                         "T  N354250.0 E1394628.0 10-DEC-26 09:30:00 00018"});
}

inline std::vector<std::string> TrkDeg()
{
    return WithPoints(PcxHeader("DEG"), {"T  N35.6811 E139.7670 10-DEC-26 09:00:00 00010",
                                         "T  N35.7139 E139.7744 10-DEC-26 09:30:00 00018"});
}

inline std::vector<std::string> Pot()
{
    return {"POT  皇居から上野",
            "DAT=WGS84",
            "ORD=POI,0001,0001,35,40,52,+0000,139,46,01,E,00010,0000000000,000000000,10-DEC-26,palace",
            "ORD=POI,0002,0001,35,41,30,+0000,139,46,12,E,00012,0000000000,000000000,10-DEC-26,otemachi",
            "ORD=POI,0003,0001,35,42,12,+0000,139,46,21,E,00015,0000000000,000000000,10-DEC-26,akihabara",
            "ORD=POI,0004,0001,35,42,50,+0000,139,46,28,E,00018,0000000000,000000000,10-DEC-26,ueno"};
}

// MapFan routes: the longitude, a separator and the latitude ("E… N…").
inline std::vector<std::string> Rot()
{
    return {"; MapFan route 皇居から上野", "144,4",
            "E139.46.01.0,N35.40.52.0",    "E139.46.12.0,N35.41.30.0",
            "E139.46.21.0,N35.42.12.0",    "E139.46.28.0,N35.42.50.0"};
}

// The same route in 1/256 arc-second, "latitude,longitude" from column 6.
inline std::vector<std::string> RotSixteenths()
{
    return {"; MapFan route", "00001,32883712,128809216", "00002,32893440,128812032", "00003,32904192,128814336",
            "00004,32913920,128816128"};
}

inline std::vector<std::string> Log()
{
    return {"26/12/10 09:00:00,N35:40:52.0 E139:46:01.0", "26/12/10 09:10:00,N35:41:30.0 E139:46:12.0",
            "26/12/10 09:20:00,N35:42:12.0 E139:46:21.0", "26/12/10 09:30:00,N35:42:50.0 E139:46:28.0"};
}

} // namespace trackfixture
