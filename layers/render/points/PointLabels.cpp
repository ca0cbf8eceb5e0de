#include "layers/render/points/PointLabels.h"

#include "layers/render/points/PointColumns.h"
#include "platform/text/Cp932.h"
#include "platform/text/Format.h"

#include <algorithm>
#include <array>

namespace points {

namespace {

struct LengthColumn {
    int start;
    int length;
    enum Form { Code, Kilometres, Metres } form;
};

constexpr std::array<LengthColumn, 7> kLengthColumns{{
    {25, 5, LengthColumn::Code},       // 水系域ｺｰﾄﾞ
    {30, 3, LengthColumn::Code},       // 河川ｺｰﾄﾞ
    {33, 4, LengthColumn::Code},       // 単位流路ｺｰﾄﾞ
    {39, 6, LengthColumn::Kilometres}, // 河口からの延長距離
    {45, 6, LengthColumn::Kilometres}, // 下流からの延長距離
    {51, 6, LengthColumn::Kilometres}, // 最下流点延長距離
    {57, 4, LengthColumn::Metres},     // 河床標高値
}};

std::string WholeLine(std::string_view line) { return vd::cp932ToUtf8(line); }

// from x 10000 + to, 1-based: from - 1 (at least 0) up to to + extra.
std::string RangeText(std::string_view line, int selector, int extra)
{
    const int from = selector / 10000;
    const int to = selector % 10000;
    const int start = std::max(from - 1, 0);
    const int length = std::max(to - start + extra, 0);
    return ColumnText(line, start, length);
}

} // namespace

int PublicFacilityCategory(std::string_view line) { return ColumnNumber(line, 35, 2); }

std::string PublicFacilityLabel(std::string_view line, int selector)
{
    return CutAtBlank(selector == 0 ? ColumnText(line, 72, 60) : ColumnText(line, 42, 30));
}

std::string RiverLengthLabel(std::string_view line, int selector)
{
    if (selector < 0 || selector >= int(kLengthColumns.size()))
        return WholeLine(line);
    const LengthColumn& c = kLengthColumns[std::size_t(selector)];
    const int value = ColumnNumber(line, c.start, c.length);
    switch (c.form) {
    case LengthColumn::Code:
        return vd::format("%d", value);
    case LengthColumn::Kilometres:
        return vd::format("%.1fkm", value * 0.001);
    case LengthColumn::Metres:
        return vd::format("%dm", value);
    }
    return {};
}

std::string HeritageLabel(std::string_view line, int selector)
{
    switch (selector) {
    case 0:
        return ColumnText(line, 25, 4);
    case 1:
        return ColumnNumber(line, 29, 1) == 1 ? "史跡等" : "埋蔵文化財";
    default:
        return WholeLine(line);
    }
}

std::string DamLabel(std::string_view line, int selector)
{
    switch (selector) {
    case 0:
        return CutAtBlank(ColumnText(line, 127, 18));
    case 1:
        return CutAtBlank(ColumnText(line, 145, 18));
    case 2:
        return vd::format("%dm", ColumnNumber(line, 47, 4));
    case 3:
        return vd::format("%d万t", ColumnNumber(line, 63, 6));
    default:
        return WholeLine(line);
    }
}

std::string NamedPointLabel(std::string_view line, int selector) { return RangeText(line, selector, 1); }

std::string PlainPointLabel(std::string_view line, int selector) { return CutAtBlank(RangeText(line, selector, 0)); }

} // namespace points
