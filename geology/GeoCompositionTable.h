#pragma once
// The page layout of the geology composition table: 62 columns of rock types (six of them gaps)
// by six eras. A column's rock number may differ between the older eras (1-4) and the younger
// ones (5-6).
#include <optional>

inline constexpr int kGeoTableColumns = 62;

// Left edge of column c and top edge of era e (1-6) of the cells, 11 x 80 pixels.
inline constexpr int GeoTableCellLeft(int column) { return 30 + 13 * column; }
inline constexpr int GeoTableCellTop(int era) { return 640 - 90 * era; }

// The rock number of a column in an era (era 0 counts as the older eras); 0 for a gap.
int GeoTableColumnRock(int column, int era);
// The column of a rock number in an era (82 shares the column of 81); none when no column has it.
std::optional<int> GeoTableColumnOf(int rock, int era);
