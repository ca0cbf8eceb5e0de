#pragma once
// Where the line-data settings keep each row. The settings file, the program's inputs and the
// answer count tabs 1 to 7 and rows 1 to 5; the dialog keeps the 35 rows in tables indexed by
// page slot: entry = 5 x slot + (row - 1), with tab t in slot t - 1 except tabs 2 and 3, which
// trade places (slot 2 and slot 1).
#include <array>
#include <string>

inline constexpr int kLineDataTabs = 7;
inline constexpr int kLineDataRows = 5;
inline constexpr int kLineDataEntries = kLineDataTabs * kLineDataRows;

// The slot of a file tab (1 to 7).
constexpr int PageSlot(int fileTab)
{
    return fileTab == 2 ? 2 : fileTab == 3 ? 1 : fileTab - 1;
}

// The table entry of a file tab and row (both from 1).
constexpr int SlotEntry(int fileTab, int row)
{
    return 5 * PageSlot(fileTab) + (row - 1);
}

using LineDataInts = std::array<int, kLineDataEntries>;
using LineDataTexts = std::array<std::string, kLineDataEntries>;
