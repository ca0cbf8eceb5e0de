#pragma once
// The census mesh records (commerce 200, industry 210, agriculture 220): the caller's class
// table (CensusClassSpec), the class width and legend names of an item, the value of an item in
// a record and the text of a running total. Columns of the record count from 0.
#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace meshcode {

inline constexpr int kCommerceCensus = 200;
inline constexpr int kIndustryCensus = 210;
inline constexpr int kAgricultureCensus = 220;

// One "#"-closed group: the item name, the first and last column of its value (counted from 1),
// each closed by "/", then the class interval. A group without its three "/" is incomplete.
struct CensusGroup {
    std::string name;
    int firstColumn = 0;
    int lastColumn = 0;
    int classInterval = 0;
    bool complete = false;
};

// 28 groups: group k is row k mod 10, column k div 10 (column 0 commerce, 1 industry, 2
// agriculture). Missing groups stay empty and incomplete.
struct CensusClassTable {
    std::array<std::array<CensusGroup, 3>, 10> cells; // [row][column]
};
CensusClassTable ParseCensusClassSpec(std::string_view spec);

// The table cell (row, column) of the items that take their column and class interval from the
// caller's table; none for the items of fixed columns and for items outside the census.
struct CensusCell {
    int row = 0;
    int column = 0;
};
std::optional<CensusCell> CensusTableCell(int theme, int item);

// The class width of an item (a width below 1 counts as 1; 1 when the draw switch is 0) and the
// texts the legend shows for the items named by the table: commerce item 6, industry item 7 and
// agriculture item 10 as the first text, commerce and industry item 8 as the second.
struct CensusItems {
    int classWidth = 1;
    std::array<std::string, 3> names;
};
CensusItems CensusItemsFor(const CensusClassTable& table, int theme, int item, int drawSwitch);

// Where the table items' values lie in a record: k = 3 x row + column; offset -1 for groups
// that do not say (those items have no value).
struct CensusColumn {
    int offset = -1;
    int length = 0;
};
inline constexpr int kCensusColumnSlots = 30;
using CensusColumns = std::array<CensusColumn, kCensusColumnSlots>;
CensusColumns CensusColumnsOf(const CensusClassTable& table);

// The value of an item: result -1 for no value (0, a column outside the record, an item outside
// the census); agriculture item 3 is the index 0-5 of its largest share (index + 1 in the label
// form, class flag 0). `added` is what the running total takes; the label is set in the label form.
struct CensusValue {
    int result = -1;
    double added = 0;
    std::string label;
};
CensusValue DecodeCensusValue(std::string_view line, int theme, int item, int classFlag, const CensusColumns& columns);

// "計=%d" of the whole part of the total and the item's unit; empty for agriculture item 3.
std::string CensusTotalText(int theme, int item, double total);

} // namespace meshcode
