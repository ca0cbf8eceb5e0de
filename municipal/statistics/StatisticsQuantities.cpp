#include "municipal/statistics/StatisticsQuantities.h"

#include <cmath>

namespace surrick {

namespace {

// 1/47, the constant the mean has always been taken with.
constexpr double kOneOverPrefectures = 0.021276595;

std::optional<double> Divide(double value, std::optional<double> divisor)
{
    if (!divisor || *divisor == 0)
        return std::nullopt;
    const double q = value / *divisor;
    return std::isfinite(q) ? std::optional<double>(q) : std::nullopt;
}

} // namespace

DisplayKind DisplayKindOf(int kind)
{
    switch (kind) {
    case 0: return {ChartShape::Marker, ""};
    case 1: return {ChartShape::Pie, "円グラフ(構成比)"};
    case 2: return {ChartShape::Bar, "棒グラフ(構成比)"};
    case 3: return {ChartShape::Pie, "円グラフ(対最大値比)"};
    case 4: return {ChartShape::Bar, "棒グラフ(対最大値比)"};
    case 5: return {ChartShape::Number, "構成比（％）"};
    case 6: return {ChartShape::Number, "対平均比（％）"};
    case 7: return {ChartShape::Number, "対最大値比（％）"};
    case 8: return {ChartShape::Number, "対県民１万人当り ", true, false};
    case 9: return {ChartShape::Number, "対県面積(１平方km当り)", false, true};
    case 10: return {ChartShape::Pie, "円ｸﾞﾗﾌ(対県民の最大値比)", true, false};
    case 11: return {ChartShape::Pie, "円ｸﾞﾗﾌ(対県面積の最大値比)", false, true};
    default: return {};
    }
}

StatisticsQuantities::StatisticsQuantities(int kind, const PrefectureDataFile& data, std::vector<double> divisors)
    : kind_(kind), data_(data), divisors_(std::move(divisors))
{
    // Both extremes start from the first value, so that any set, however large or small its
    // values, names its own extremes.
    for (std::size_t line = 0; line < data_.rows.size(); ++line) {
        const PrefectureDataRow& row = data_.rows[line];
        summary_.total += row.value;
        if (!summary_.maximum || row.value > *summary_.maximum) {
            summary_.maximum = row.value;
            summary_.maximumName = row.name;
        }
        if (!summary_.minimum || row.value < *summary_.minimum) {
            summary_.minimum = row.value;
            summary_.minimumName = row.name;
        }
        if (kind_ == 10 || kind_ == 11)
            if (const auto ratio = PerDivisor(static_cast<int>(line)))
                if (!summary_.largestRatio || *ratio > *summary_.largestRatio)
                    summary_.largestRatio = ratio;
    }
    summary_.mean = summary_.total * kOneOverPrefectures;
}

std::optional<double> StatisticsQuantities::PerDivisor(int line) const
{
    if (line < 0 || line >= static_cast<int>(divisors_.size()))
        return std::nullopt;
    return Divide(data_.rows[std::size_t(line)].value, divisors_[std::size_t(line)]);
}

std::optional<double> StatisticsQuantities::Quantity(int line) const
{
    if (line < 0 || line >= static_cast<int>(data_.rows.size()))
        return std::nullopt;
    const double v = data_.rows[std::size_t(line)].value;
    const auto percent = [](std::optional<double> q) {
        return q && std::isfinite(*q * 100) ? std::optional<double>(*q * 100) : std::nullopt;
    };
    switch (kind_) {
    case 0: return std::isfinite(v) ? std::optional<double>(v) : std::nullopt;
    case 1:
    case 2: return Divide(v, summary_.total);
    case 3:
    case 4: return Divide(v, summary_.maximum);
    case 5: return percent(Divide(v, summary_.total));
    case 6: return percent(Divide(v, summary_.mean));
    case 7: return percent(Divide(v, summary_.maximum));
    case 8:
    case 9: return PerDivisor(line);
    case 10:
    case 11:
        if (const auto ratio = PerDivisor(line))
            return Divide(*ratio, summary_.largestRatio);
        return std::nullopt;
    default: return std::nullopt;
    }
}

const char* StatisticsQuantities::NumberFormat(std::optional<double> lastRankedQuantity)
{
    if (lastRankedQuantity && *lastRankedQuantity < 0.01)
        return "%.3f";
    if (lastRankedQuantity && *lastRankedQuantity < 0.1)
        return "%.2f";
    return "%.1f";
}

} // namespace surrick
