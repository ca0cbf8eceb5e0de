#pragma once
// The arithmetic of the prefecture statistics: the ranking of the 47 values (rank 0 the
// largest, the lower index on ties), their sum, largest value and mean in single precision as
// the statistics map expects them, the divisors of the per-inhabitant and per-area methods, and
// the computed value that the ranking list shows in brackets. A prefecture without a value (a
// line missing from its file, a missing or zero divisor) is never ranked by value and takes one
// of the ranks left over, in index order.
#include <array>
#include <optional>
#include <string>

inline constexpr int kRankedPrefectures = 47;
using PrefectureValues = std::array<std::optional<double>, kRankedPrefectures>;

struct PrefectureRanking {
    // [k][0] the prefecture index at rank k, [k][1] the rank of prefecture k.
    std::array<std::array<int, 2>, kRankedPrefectures> rank{};
    float sum = 0;
    float max = 0;
    float mean = 0;
};

PrefectureRanking RankPrefectureValues(const PrefectureValues& values);

// The divisor file of a display method: MAPELMNT\県別人口.DAT for 8 and 10, 県別面積.DAT for 9
// and 11, none for the others.
std::optional<std::string> DivisorFileName(int method);

// The first 47 divisors of the method's file (after its header line), none for a file that
// cannot be read or a line it lacks.
PrefectureValues ReadPrefectureDivisors(const std::string& appDir, int method);

// What the list shows in brackets for a value: none when the method would divide by zero or
// by a missing divisor.
struct BracketBasis {
    int method = 0;
    double sum = 0;
    double max = 0;
    double mean = 0;
    double largestDivisor = 0;
};
std::optional<double> BracketValue(const BracketBasis& basis, double value, std::optional<double> divisor);

// " [%.1f]" from 0.1 on, " [%.2f]" from 0.01 on, else " [%.3f]".
const char* BracketFormat(double smallest);
