#include "meshcode/CensusRecords.h"

#include "platform/fs/RawFields.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <array>

namespace meshcode {

namespace {

constexpr int kGroupCount = 28;
constexpr int kTableRows = 10;

// The text before the first `mark` and what follows it; none when there is no mark.
std::optional<std::string_view> TakeUntil(std::string_view& text, char mark)
{
    const std::size_t at = text.find(mark);
    if (at == std::string_view::npos)
        return std::nullopt;
    const std::string_view field = text.substr(0, at);
    text.remove_prefix(at + 1);
    return field;
}

int Clamped(long long v) { return v < INT_MIN ? INT_MIN : v > INT_MAX ? INT_MAX : int(v); }

// Fixed columns: how a value is shown and what the total takes.
enum class Shown { Count, Hundredths, TenThousandths };

struct FixedItem {
    std::array<int, 2> offsets{-1, -1}; // summed; -1 unused
    Shown shown = Shown::Count;
};

std::optional<FixedItem> FixedItemOf(int theme, int item)
{
    switch (theme) {
    case kCommerceCensus:
        switch (item) {
        case 0: return FixedItem{{43, -1}};
        case 1: return FixedItem{{63, -1}, Shown::Hundredths};
        case 2: return FixedItem{{53, -1}, Shown::TenThousandths};
        case 3: return FixedItem{{1213, -1}};
        case 4: return FixedItem{{1223, -1}};
        case 5: return FixedItem{{1233, -1}, Shown::TenThousandths};
        case 7: return FixedItem{{1253, -1}};
        default: return std::nullopt;
        }
    case kIndustryCensus:
        switch (item) {
        case 0: return FixedItem{{533, -1}};
        case 1: return FixedItem{{543, -1}};
        case 2: return FixedItem{{553, -1}, Shown::TenThousandths};
        case 3: return FixedItem{{1193, -1}, Shown::TenThousandths};
        case 4: return FixedItem{{1203, -1}, Shown::TenThousandths};
        case 5: return FixedItem{{1213, -1}, Shown::TenThousandths};
        default: return std::nullopt;
        }
    case kAgricultureCensus:
        switch (item) {
        case 0: return FixedItem{{57, -1}};
        case 1: return FixedItem{{945, -1}};
        case 2: return FixedItem{{985, -1}};
        case 4: return FixedItem{{993, 1009}};
        case 5: return FixedItem{{1089, -1}};
        case 6: return FixedItem{{1097, 1105}};
        case 7: return FixedItem{{1321, 1345}};
        case 8: return FixedItem{{1337, 1353}};
        default: return std::nullopt;
        }
    default: return std::nullopt;
    }
}

int FixedWidth(int theme) { return theme == kAgricultureCensus ? 8 : 10; }

// A column that starts outside the record (or below it) has no value.
std::optional<int> ReadColumn(std::string_view line, int offset, int length)
{
    if (offset < 0 || length <= 0 || std::size_t(offset) >= line.size())
        return std::nullopt;
    return vd::rawFieldInt(line, offset, length);
}

std::optional<int> FixedWidthClass(int theme, int item)
{
    switch (theme) {
    case kCommerceCensus:
        switch (item) {
        case 0:
        case 3: return 50;
        case 1: return 500;
        case 2:
        case 5: return 100000;
        case 4:
        case 7: return 250;
        default: return std::nullopt;
        }
    case kIndustryCensus:
        switch (item) {
        case 0: return 50;
        case 1: return 500;
        case 2:
        case 3: return 500000;
        case 4:
        case 5: return 10000;
        default: return std::nullopt;
        }
    case kAgricultureCensus:
        switch (item) {
        case 0: return 100;
        case 1: return 25;
        case 2:
        case 4:
        case 5:
        case 6: return 10;
        case 3: return 1;
        case 7: return 5;
        case 8: return 50;
        default: return std::nullopt;
        }
    default: return std::nullopt;
    }
}

// Which legend text a table item's name becomes: 0 first, 1 second.
std::optional<int> NamedText(int theme, int item)
{
    if ((theme == kCommerceCensus && item == 6) || (theme == kIndustryCensus && item == 7) ||
        (theme == kAgricultureCensus && item == 10))
        return 0;
    if ((theme == kCommerceCensus || theme == kIndustryCensus) && item == 8)
        return 1;
    return std::nullopt;
}

CensusValue AgricultureLargestShare(std::string_view line, int classFlag)
{
    int index = 0;
    int largest = 0;
    for (int j = 0; j < 6; ++j) {
        const std::optional<int> value = ReadColumn(line, 897 + 8 * j, 8);
        if (!value)
            return {};
        if (j == 0 || *value > largest) {
            largest = *value;
            index = j;
        }
    }
    CensusValue v{classFlag == 0 ? index + 1 : index, double(index), {}};
    if (classFlag == 0)
        v.label = vd::format("%d", index + 1);
    return v;
}

} // namespace

CensusClassTable ParseCensusClassSpec(std::string_view spec)
{
    CensusClassTable table;
    for (int k = 0; k < kGroupCount; ++k) {
        std::optional<std::string_view> group = TakeUntil(spec, '#');
        if (!group)
            break;
        std::string_view text = *group;
        CensusGroup& cell = table.cells[std::size_t(k % kTableRows)][std::size_t(k / kTableRows)];
        const auto name = TakeUntil(text, '/');
        const auto first = name ? TakeUntil(text, '/') : std::nullopt;
        const auto last = first ? TakeUntil(text, '/') : std::nullopt;
        if (!last)
            continue;
        cell.name = std::string(*name);
        cell.firstColumn = vd::parseInt(*first);
        cell.lastColumn = vd::parseInt(*last);
        cell.classInterval = vd::parseInt(text);
        cell.complete = true;
    }
    return table;
}

std::optional<CensusCell> CensusTableCell(int theme, int item)
{
    switch (theme) {
    case kCommerceCensus:
        if (item == 6)
            return CensusCell{0, 0};
        if (item >= 8 && item <= 16)
            return CensusCell{item - 7, 0};
        return std::nullopt;
    case kIndustryCensus:
        if (item >= 6 && item <= 15)
            return CensusCell{item - 6, 1};
        return std::nullopt;
    case kAgricultureCensus:
        if (item >= 9 && item <= 16)
            return CensusCell{item - 9, 2};
        return std::nullopt;
    default: return std::nullopt;
    }
}

CensusItems CensusItemsFor(const CensusClassTable& table, int theme, int item, int drawSwitch)
{
    CensusItems items;
    int width = FixedWidthClass(theme, item).value_or(1);
    if (const std::optional<CensusCell> cell = CensusTableCell(theme, item)) {
        const CensusGroup& group = table.cells[std::size_t(cell->row)][std::size_t(cell->column)];
        width = group.classInterval;
        if (const std::optional<int> text = NamedText(theme, item))
            items.names[std::size_t(*text)] = group.name;
    }
    // An interval of 0 or a text that is no number would divide by 0.
    items.classWidth = drawSwitch == 0 ? 1 : std::max(width, 1);
    return items;
}

CensusColumns CensusColumnsOf(const CensusClassTable& table)
{
    CensusColumns columns;
    for (int row = 0; row < kTableRows; ++row)
        for (int column = 0; column < 3; ++column) {
            const CensusGroup& group = table.cells[std::size_t(row)][std::size_t(column)];
            if (!group.complete || group.firstColumn < 1 || group.lastColumn < group.firstColumn)
                continue;
            columns[std::size_t(3 * row + column)] = {group.firstColumn - 1, group.lastColumn - group.firstColumn + 1};
        }
    return columns;
}

CensusValue DecodeCensusValue(std::string_view line, int theme, int item, int classFlag, const CensusColumns& columns)
{
    if (theme == kAgricultureCensus && item == 3)
        return AgricultureLargestShare(line, classFlag);
    Shown shown = Shown::Count;
    long long sum = 0;
    if (const std::optional<FixedItem> fixed = FixedItemOf(theme, item)) {
        for (int offset : fixed->offsets) {
            if (offset < 0)
                continue;
            const std::optional<int> value = ReadColumn(line, offset, FixedWidth(theme));
            if (!value)
                return {};
            sum += *value;
        }
        shown = fixed->shown;
    } else if (const std::optional<CensusCell> cell = CensusTableCell(theme, item)) {
        const CensusColumn& column = columns[std::size_t(3 * cell->row + cell->column)];
        const std::optional<int> value = ReadColumn(line, column.offset, column.length);
        if (!value)
            return {};
        sum = *value;
    } else {
        return {};
    }
    const int value = Clamped(sum);
    if (value == 0)
        return {};
    CensusValue v{value, double(value), {}};
    if (shown == Shown::TenThousandths)
        v.added = value * 0.0001;
    if (classFlag == 0) {
        switch (shown) {
        case Shown::Count: v.label = vd::format("%d", value); break;
        case Shown::Hundredths: v.label = vd::format("%.1f", value * 0.01); break;
        case Shown::TenThousandths: v.label = vd::format("%.1f", value * 0.0001); break;
        }
    }
    return v;
}

std::string CensusTotalText(int theme, int item, double total)
{
    if (theme == kAgricultureCensus && item == 3)
        return {};
    const double whole = std::trunc(total);
    const int shown = std::isnan(whole) ? 0 : whole < INT_MIN ? INT_MIN : whole > INT_MAX ? INT_MAX : int(whole);
    std::string unit;
    if (theme == kCommerceCensus)
        unit = item == 1 ? "m2" : item == 2 || item == 5 ? "億円" : "";
    else if (theme == kIndustryCensus)
        unit = item == 1 ? "人" : item >= 2 && item <= 5 ? "億円" : "";
    else if (theme == kAgricultureCensus)
        unit = item == 0 ? "人" : item == 2 || item == 4 || item == 5 || item == 6 ? "ha" : "";
    return vd::format("計=%d", shown) + unit;
}

} // namespace meshcode
