#include "app/statistics/PrefectureRanking.h"

#include "basemap/files/PrefectureDataFile.h"

namespace {

// A value taken by a rank is marked with this; only values above it are still to be ranked.
constexpr double kTaken = -999999;

} // namespace

PrefectureRanking RankPrefectureValues(const PrefectureValues& values)
{
    PrefectureRanking out;
    out.sum = 0;
    out.max = -9999989760.f;
    std::array<double, kRankedPrefectures> work{};
    std::array<bool, kRankedPrefectures> ranked{};
    for (int i = 0; i < kRankedPrefectures; ++i) {
        work[i] = values[i].value_or(kTaken);
        if (values[i]) {
            out.sum = float(double(out.sum) + *values[i]);
            if (*values[i] > out.max)
                out.max = float(*values[i]);
        }
    }
    int next = 0;
    for (; next < kRankedPrefectures; ++next) {
        int best = -1;
        double largest = kTaken;
        for (int i = 0; i < kRankedPrefectures; ++i)
            if (work[i] > largest) {
                largest = work[i];
                best = i;
            }
        if (best < 0)
            break;
        out.rank[next][0] = best;
        work[best] = kTaken;
        ranked[best] = true;
    }
    // The ranks no value reached go to the remaining prefectures in index order.
    for (int i = 0; i < kRankedPrefectures && next < kRankedPrefectures; ++i)
        if (!ranked[i])
            out.rank[next++][0] = i;
    for (int k = 0; k < kRankedPrefectures; ++k)
        out.rank[out.rank[k][0]][1] = k;
    out.mean = out.sum * 0.021276595f;
    return out;
}

std::optional<std::string> DivisorFileName(int method)
{
    if (method == 8 || method == 10)
        return std::string("MAPELMNT\\県別人口.DAT");
    if (method == 9 || method == 11)
        return std::string("MAPELMNT\\県別面積.DAT");
    return std::nullopt;
}

PrefectureValues ReadPrefectureDivisors(const std::string& appDir, int method)
{
    PrefectureValues divisors;
    const auto name = DivisorFileName(method);
    if (!name)
        return divisors;
    const auto file = ReadPrefectureDataFile(appDir + *name);
    if (!file)
        return divisors;
    for (std::size_t k = 0; k < file->rows.size() && k < divisors.size(); ++k)
        divisors[k] = file->rows[k].value;
    return divisors;
}

std::optional<double> BracketValue(const BracketBasis& basis, double value, std::optional<double> divisor)
{
    // The quotient, or none where the method would divide by zero.
    const auto over = [](double v, double d) -> std::optional<double> {
        if (d == 0)
            return std::nullopt;
        return v / d;
    };
    const auto percent = [&](double d) -> std::optional<double> {
        if (d == 0)
            return std::nullopt;
        return value / d * 100;
    };
    switch (basis.method) {
    case 1:
    case 2:
        return over(value, basis.sum);
    case 3:
    case 4:
        return over(value, basis.max);
    case 5:
        return percent(basis.sum);
    case 6:
        return percent(basis.mean);
    case 7:
        return percent(basis.max);
    case 8:
    case 9:
        if (!divisor)
            return std::nullopt;
        return over(value, *divisor);
    case 10:
    case 11:
        if (!divisor || *divisor == 0)
            return std::nullopt;
        return over(value / *divisor, basis.largestDivisor);
    default:
        return value;
    }
}

const char* BracketFormat(double smallest)
{
    if (smallest >= 0.1)
        return " [%.1f]";
    if (smallest >= 0.01)
        return " [%.2f]";
    return " [%.3f]";
}
