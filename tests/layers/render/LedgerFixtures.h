#pragma once
// Records of the whole-country "C" line data sets in their fixed columns (1-based), as UTF-8 lines
// for LayerFolder::WriteLines, and the ledger lines built from them.
#include "platform/text/Cp932.h"
#include "platform/text/Format.h"

#include <string>
#include <utility>
#include <vector>

namespace ledger_test {

inline std::string Pad(std::string text, std::size_t width)
{
    text.resize(std::max(text.size(), width), ' ');
    return text;
}

// Mesh code 4, second-level code 2, number 6.
inline std::string Key(const std::string& mesh, int number) { return mesh + "00" + vd::format("%06d", number); }

// The coordinate text of a node and of a ledger line: longitude and latitude in tenths.
inline std::string Coordinates(int lon, int lat) { return vd::format("%07d %07d ", lon * 10, lat * 10); }

inline std::string Node(const std::string& mesh, int number, int lon, int lat)
{
    return "N  " + Key(mesh, number) + " " + Coordinates(lon, lat) + "x";
}

// A link header; its points follow in the lines of Points().
inline std::string Link(const std::string& mesh, int number, int points)
{
    return Pad("L  " + Key(mesh, number), 46) + vd::format("%d", points);
}

inline std::string Points(const std::vector<std::pair<int, int>>& lonLat)
{
    std::string line;
    for (const auto& [lon, lat] : lonLat)
        line += vd::format("%d %d ", lon * 10, lat * 10);
    return line;
}

// A section naming the link key and the data key (columns 38-47), with one entry line to follow.
inline std::string Section(const std::string& linkKey, const std::string& dataKey)
{
    return Pad("S  " + linkKey, 37) + dataKey + "     1";
}

// Texts placed at ledger columns: column c of a ledger line is column c - 13 of the data record.
using Fields = std::vector<std::pair<int, std::string>>;

inline std::string Place(std::string line, int offset, const std::string& utf8)
{
    const std::string raw = vd::utf8ToCp932(utf8);
    line = Pad(std::move(line), std::size_t(offset) + raw.size());
    line.replace(std::size_t(offset), raw.size(), raw);
    return line;
}

// A data record, raw CP932: the data key in columns 4-13, the fields at their ledger columns.
inline std::string DataRaw(const std::string& dataKey, const Fields& fields = {})
{
    std::string line = "D  " + dataKey;
    for (const auto& [column, text] : fields)
        line = Place(line, column - 14, text);
    return line;
}

// The same record as a UTF-8 line of the data file.
inline std::string Data(const std::string& dataKey, const Fields& fields = {})
{
    return vd::cp932ToUtf8(DataRaw(dataKey, fields));
}

// A ledger line, raw CP932: the coordinates, then the record from its column 4.
inline std::string LedgerRaw(int lon, int lat, const std::string& dataKey, const Fields& fields = {})
{
    return Coordinates(lon, lat) + DataRaw(dataKey, fields).substr(3);
}

} // namespace ledger_test
