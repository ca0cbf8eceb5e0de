#include "meshcode/ColourClasses.h"

#include "platform/fs/RawFields.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"

#include <algorithm>
#include <array>
#include <climits>
#include <initializer_list>
#include <optional>

namespace meshcode {

namespace {

int Number(std::string_view line, long long start, int length)
{
    if (start < 0 || start > INT_MAX)
        return 0;
    return vd::rawFieldInt(line, int(start), length);
}

bool IsBlank(std::string_view field) { return field.find_first_not_of(' ') == std::string_view::npos; }

// A width from a caller's table may be 0 or negative: such a width divides as 1.
int Divide(int value, int width) { return value / std::max(width, 1); }

// Tenths of a degree to whole degrees, rounded down so that -3.5 falls in the class below -3.
int FloorTenths(int tenths) { return tenths >= 0 ? tenths / 10 : -((-(tenths + 1)) / 10) - 1; }

DecodedValue NoValue() { return {}; }

// ---- Nature meshes

// Items 0-2: the lengths.
int LengthClass(int value, int width)
{
    if (value <= 20)
        return 0;
    if (value <= 50)
        return 1;
    if (value <= 500)
        return Divide(value, width) + 1;
    if (value <= 1000)
        return 7;
    if (value <= 2000)
        return 8;
    if (value <= 3000)
        return 9;
    return 10;
}

// Item 4: the sea-bed codes 1-26 in their groups.
int SeaBedClass(int code)
{
    static constexpr std::array<int, 27> kClass{-1, 0, 1, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 5, 5,
                                                10, 6, 6, 7, 7, 7, 7, 7, 7, 8, 9, 10};
    return code >= 1 && code <= 26 ? kClass[std::size_t(code)] : kNoClass;
}

// Items 10-12: a class code from single digits, 0 when the record has none.
int DesignationCode(std::string_view line, int item)
{
    const auto digit = [&](int offset) { return Number(line, offset, 1); };
    if (item == 10)
        return digit(15) == 1 ? 2 : digit(14);
    if (item == 11) {
        for (int i = 0; i < 3; ++i)
            if (const int d = digit(16 + i); d == 1 || d == 2)
                return d + 2 * i;
        return 0;
    }
    int code = digit(13);
    if (code == 1 && digit(15) == 1)
        code = 2;
    return code;
}

// ---- Land-use shares (theme 10)

class Shares {
public:
    explicit Shares(std::string_view line) : line_(line), total_(Number(line, 13, 5)) {}
    bool HasTotal() const { return total_ != 0; }
    bool Above(std::initializer_list<int> columns, double threshold) const
    {
        long long sum = 0;
        for (int column : columns)
            sum += Number(line_, column, 5);
        return double(sum) / double(total_) > threshold;
    }

private:
    std::string_view line_;
    int total_;
};

DecodedValue LandUseValue(std::string_view line, int item)
{
    const Shares shares(line);
    if (!shares.HasTotal())
        return NoValue();
    const auto marked = [](int cls) { return DecodedValue{cls, "*"}; };
    switch (item) {
    case 0: return shares.Above({38, 43}, 0.7) ? marked(1) : NoValue();
    case 1: return shares.Above({18}, 0.5) ? marked(6) : NoValue();
    case 2: return shares.Above({23}, 0.7) ? marked(5) : NoValue();
    case 3: {
        static constexpr std::array<int, 4> kClass{7, 8, 10, 0};
        for (int j = 0; j < 4; ++j)
            if (shares.Above({48 + 5 * j}, 0.2))
                return {kClass[std::size_t(j)], vd::format("%d", j + 1)};
        return NoValue();
    }
    case 4: return shares.Above({68, 73, 78, 83}, 0.1) ? marked(0) : NoValue();
    case 5:
        if (shares.Above({78, 83}, 0.1))
            return marked(0);
        if (shares.Above({98, 103}, 0.2))
            return marked(8);
        if (shares.Above({48, 53}, 0.2))
            return marked(7);
        if (shares.Above({38, 43}, 0.7))
            return marked(1);
        if (shares.Above({18}, 0.5))
            return marked(6);
        if (shares.Above({23}, 0.7))
            return marked(5);
        return NoValue();
    case 6: return shares.Above({98, 103}, 0.2) ? marked(8) : NoValue();
    default: return NoValue();
    }
}

// ---- Land classes (theme 20)

DecodedValue LandClassValue(std::string_view line, int item, int width)
{
    const auto sum = [&](std::initializer_list<int> columns) {
        long long total = 0;
        for (int column : columns)
            total += Number(line, column, 6);
        return total;
    };
    const auto any = [&](std::initializer_list<int> columns) {
        return std::any_of(columns.begin(), columns.end(), [&](int c) { return Number(line, c, 6) != 0; });
    };
    DecodedValue v;
    switch (item) {
    case 0:
        v = any({33, 39, 57, 63}) ? DecodedValue{1, "1"} : any({45, 69}) ? DecodedValue{0, "2"} : DecodedValue{5, "3"};
        break;
    case 1: v = sum({33, 39, 57, 63}) != 0 ? DecodedValue{1, "1"} : NoValue(); break;
    case 2: v = sum({45, 69}) != 0 ? DecodedValue{0, "2"} : NoValue(); break;
    case 3: v = sum({51, 75}) != 0 ? DecodedValue{5, "3"} : NoValue(); break;
    default: return NoValue();
    }
    if (v.result != kNoClass)
        v.result = Divide(v.result, width);
    return v;
}

// ---- Climate values (theme 0)

struct ClimateColumn {
    long long offset = 0;
    int length = 4;
    bool tenths = false;  // tenths of a degree: "%.1f" label, class value div 10 + offset
    int classOffset = 0;
    bool blankIsEmpty = false;
    bool reversed = false; // precipitation: the wettest class first
};

// Items 115-153: what is added to the whole degrees of a tenths column.
int MonthlyClassOffset(int item)
{
    if (item <= 123)
        return item == 116 || item == 119 ? 20 : item == 121 ? 14 : 15;
    if (item == 133 || item == 136)
        return -5;
    if (item >= 142 && item <= 144)
        return 5;
    if (item >= 145 && item <= 147)
        return 10;
    if (item == 148 || item == 150)
        return 15;
    if (item == 149)
        return 20;
    if (item == 151)
        return -4;
    if (item == 152)
        return 5;
    return 0;
}

std::optional<ClimateColumn> ClimateColumnOf(int item)
{
    switch (item) {
    case 0:
    case 1:
    case 2: return ClimateColumn{67 + 5 * item, 5, false, 0, false, true};
    case 3: return ClimateColumn{90, 4, true, 15};
    case 4: return ClimateColumn{174, 4, true, 0};
    case 5: return ClimateColumn{234, 4, true, 0};
    case 6:
    case 7:
    case 8: return ClimateColumn{254 + 4 * (item - 6), 4, false, 0, true};
    default: break;
    }
    if (item < 100)
        return std::nullopt;
    const long long i = (long long)item - 100;
    if (i < 12)
        return ClimateColumn{item * 4LL - 381, 4, false, 0, false, true};
    if (i <= 14)
        return ClimateColumn{item * 5LL - 493, 5, false, 0, false, true};
    ClimateColumn column{item * 4LL - 378, 4};
    if (i <= 53) {
        column.tenths = true;
        column.classOffset = MonthlyClassOffset(item);
    } else {
        column.blankIsEmpty = true;
    }
    return column;
}

DecodedValue ClimateValue(std::string_view line, int item, int width, bool labelled)
{
    const std::optional<ClimateColumn> column = ClimateColumnOf(item);
    if (!column || column->offset > INT_MAX)
        return NoValue();
    const std::string_view field = vd::rawField(line, int(column->offset), column->length);
    if (field.empty() || (column->blankIsEmpty && IsBlank(field)))
        return NoValue();
    const int value = vd::rawFieldInt(line, int(column->offset), column->length);
    DecodedValue v;
    if (column->tenths) {
        if (labelled)
            v.label = vd::format("%.1f", value * 0.1);
        v.result = FloorTenths(value) + column->classOffset;
    } else {
        if (labelled)
            v.label = vd::format("%d", value);
        v.result = value;
    }
    v.result = Divide(v.result, width);
    if (column->reversed)
        v.result = int(std::max(10LL - v.result, 0LL));
    return v;
}

} // namespace

int ClassWidth(int theme, int item)
{
    if (theme == 30)
        return item >= 0 && item <= 2 ? 100 : item == 6 || item == 8 ? 3 : 1;
    if (theme != 0 || item < 0)
        return 1;
    struct Range {
        int last;
        int width;
    };
    // Items up to each last one take its width.
    static constexpr std::array<Range, 20> kWidths{{{0, 400},   {1, 250},   {2, 200},   {4, 3},     {5, 2},
                                                    {6, 50},    {7, 60},    {8, 40},    {102, 25},  {109, 50},
                                                    {111, 25},  {112, 400}, {113, 250}, {114, 200}, {150, 3},
                                                    {153, 2},   {157, 30},  {158, 50},  {159, 60},  {160, 40}}};
    for (const Range& r : kWidths)
        if (item <= r.last)
            return r.width;
    return 30;
}

DecodedValue DecodeNatureValue(std::string_view line, int item, int classWidth, bool labelled)
{
    const auto label = [labelled](const char* form, auto value) { return labelled ? vd::format(form, value) : std::string(); };
    switch (item) {
    case 0:
    case 1:
    case 2: {
        const int value = Number(line, 13 + 4 * item, 4);
        if (value == 0)
            return NoValue();
        return {LengthClass(value, classWidth), label("-%2d", value)};
    }
    case 3: {
        const std::string_view field = vd::rawField(line, 38, 40);
        if (field.empty())
            return NoValue();
        return {kNameClass, std::string(field.substr(0, field.find(' ')))};
    }
    case 4: {
        const int code = Number(line, 29, 2);
        const int cls = SeaBedClass(code);
        if (cls == kNoClass)
            return NoValue();
        return {cls, label("%2d", code)};
    }
    case 5:
    case 7: {
        const int value = Number(line, item == 5 ? 83 : 87, 1);
        if (value == 0)
            return NoValue();
        return {value - 1, label("%d", value)};
    }
    case 6:
    case 8: {
        const int value = Number(line, item == 6 ? 84 : 88, 3);
        if (value == 0)
            return NoValue();
        return {Divide(value, classWidth), label("%0.1f", value * 0.1)};
    }
    case 10:
    case 11:
    case 12: {
        const int code = DesignationCode(line, item);
        if (code == 0)
            return NoValue();
        return {code + 4, label("%d", code)};
    }
    default: return NoValue();
    }
}

DecodedValue DecodeMeshValue(std::string_view line, int theme, int item, int classWidth, bool labelled)
{
    switch (theme) {
    case 0: return ClimateValue(line, item, classWidth, labelled);
    case 10: return LandUseValue(line, item);
    case 20: return LandClassValue(line, item, classWidth);
    default: return NoValue();
    }
}

} // namespace meshcode
