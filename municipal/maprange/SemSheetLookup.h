#pragma once
// The 1:200,000 sheet of a 250 m mesh file: the four characters before the "." of its name are
// the first-level mesh code, latitude code then longitude code. The sheet's corner is then the
// latitude code x 2/3 degrees with 0, 20 or 40 minutes and the longitude code + 100 degrees,
// looked up in the sheet index's corner columns.
#include <string>

// "53.2000" and "139.0000" for a name ending "5339.sem".
struct SemSheetCorner {
    std::string latitude;
    std::string longitude;
};
SemSheetCorner SemFileSheetCorner(const std::string& semPath);

inline constexpr const char* kNoSheet = "図幅無";

// The name of the first index line whose columns 22-31 hold the latitude text and 32-41 the
// longitude text, cut before its first blank; kNoSheet when none does or the index is missing.
std::string SemFileSheetName(const std::string& semPath, const std::string& sheetIndexPath);
