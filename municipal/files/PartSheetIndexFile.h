#pragma once
// blcmap_5.idx, the index of the sixteen 1:50,000 sheets of each 1:200,000 sheet: CP932 text;
// empty lines and lines beginning with ";" are skipped; a line belongs to a 1:200,000 sheet when
// it holds that sheet's name anywhere; columns 20-21 (0-based bytes) hold the part number 1 to
// 16 ("  " for none) and columns 23-34 the 1:50,000 sheet's name, cut before its first blank.
#include <array>
#include <string>
#include <string_view>

inline constexpr int kPartSheets = 16;
inline constexpr const char* kPartSheetIndexName = "blcmap_5.idx";

// The names of the parts 1 to 16 (index 0 is part 1), empty where the index names none; a line
// with a part number outside 1..16 is not used, a later line of the same part wins. All empty
// when the file cannot be opened or the sheet name is empty.
std::array<std::string, kPartSheets> ReadPartSheetNames(std::string_view winPath, std::string_view sheetName);
