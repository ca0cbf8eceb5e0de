#pragma once
// A small sheet index in BlcMap20.idx's columns and a MAPFILE.DAT, in the test's application
// folder.
#include "platform/text/Cp932.h"
#include "tests/municipal/prefmap/MapFixtures.h"

#include <string>
#include <vector>

namespace sheets_test {

// Code, name blank-padded to 12 CP932 bytes, the corner latitude (7) and longitude (8).
inline std::string IndexLine(const std::string& code, const std::string& name, const std::string& latitude,
                             const std::string& longitude)
{
    std::string line = code;
    line.resize(9, ' ');
    line += name + std::string(12 - std::min<std::size_t>(12, vd::utf8ToCp932(name).size()), ' ');
    return line + " " + latitude + "   " + longitude + " romaji";
}

inline std::vector<std::string> SmallIndex()
{
    return {
        "; 1:200,000 sheets",
        IndexLine("6841", "稚内", "45.2000", "141.0000"),
        IndexLine("6040", "函館", "41.2000", "140.0000"),
        IndexLine("5740", "仙台", "38.0000", "140.0000"),
        IndexLine("5339", "東京", "35.2000", "139.0000"),
        IndexLine("5235", "京都及大阪", "34.4000", "135.0000"),
        IndexLine("5031", "大分", "33.2000", "131.4500"),
        IndexLine("5032", "八幡浜", "33.2000", "132.0000"),
        IndexLine("4929", "福江Ｂ", "32.4000", "128.0000"),
        IndexLine("4928", "男女群島Ｏ", "32.0000", "128.0000"),
    };
}

} // namespace sheets_test
