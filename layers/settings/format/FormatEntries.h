#pragma once
// The data sets whose description pages the format viewer lists: the rows switched on in the
// program's 102 "|"-closed fields (a row takes part when its field is exactly 1), with the display
// name and the data file that the seven layer settings files give each row.
#include <string>
#include <string_view>
#include <vector>

inline constexpr int kFormatFlagCount = 102;
inline constexpr int kMaxFormatEntries = 50;

struct FormatEntry {
    std::string name; // may be empty: the list then shows the page
    std::string page;
};

// In the order of the files DDDPFILE.DAT, DddMFile.dat, DddSFile.dat, DDMSFILE.DAT, DDMCFILE.DAT,
// DDFTFILE.DAT, DGEOFILE.DAT (read from the folder), rows by tab and row; a row without a data
// file is left out (it has no page); at most 50.
std::vector<FormatEntry> CollectFormatEntries(std::string_view flags, const std::string& folder);
