#pragma once
// Records of the railway data file and of the whole-country river file (W15-52L), in their
// fixed columns, as UTF-8 lines for LayerFolder::WriteLines.
#include "platform/text/Format.h"

#include <string>
#include <utility>
#include <vector>

namespace railway_test {

inline std::string Pad(std::string text, std::size_t width)
{
    text.resize(width, ' ');
    return text;
}

// Name record: " P", mesh, second-level code, node number (4), the name from column 17.
inline std::string NameRecord(const std::string& mesh, int node, const std::string& nameField)
{
    return " P " + mesh + "00" + vd::format("%04d", node) + "   " + nameField;
}

// Node record: the coordinate text (columns 17-32), the station flag in column 33.
inline std::string NodeRecord(const std::string& mesh, int node, int lon, int lat, int flag)
{
    return "N  " + mesh + "00" + vd::format("%06d", node) + " " + vd::format("%06d %07d  ", lon, lat) +
           vd::format("%d", flag);
}

inline std::string LinkRecord(const std::string& mesh, int link, int points)
{
    return Pad("L  " + mesh + "00" + vd::format("%06d", link), 46) + vd::format("%d", points);
}

inline std::string LedgerRecord(const std::string& railway, int railwayClass)
{
    return "DS   " + railway + "     " + vd::format("%2d", railwayClass);
}

inline std::string SectionRecord(const std::string& railway, int entries)
{
    return "S" + std::string(38, ' ') + railway + "  " + vd::format("%6d", entries);
}

inline std::string Entry(const std::string& mesh, int link) { return mesh + "00" + vd::format("%06d", link) + "  "; }

// Seconds as the files hold them: tenths.
inline std::string Points(const std::vector<std::pair<int, int>>& lonLat)
{
    std::string line;
    for (const auto& [lon, lat] : lonLat)
        line += vd::format("%d %d ", lon * 10, lat * 10);
    return line;
}

// A sheet index line: latitude "DD.MMSS" at column 23, longitude "DDD.MMSS" at column 33.
inline std::string SheetLine(int latDeg, int latMin, int lonDeg)
{
    return Pad("X", 22) + vd::format("%02d.%02d00   %03d.0000", latDeg, latMin, lonDeg);
}

// W15-52L link: mesh at column 4, river key at columns 28-33, point count at columns 47-51.
inline std::string RiverLink(const std::string& mesh, const std::string& river, int points)
{
    return Pad("L  " + mesh, 27) + river + std::string(13, ' ') + vd::format("%5d", points);
}

// W15-52L attribute: group key at columns 4-13, the 17-character field at columns 23-39 (class
// digit at its 13th character, number at 14-17).
inline std::string RiverAttribute(const std::string& key, int riverClass, int number)
{
    return Pad("DS " + key, 22) + "ABCDEFGHIJKL" + vd::format("%d%4d", riverClass, number);
}

} // namespace railway_test
