#pragma once
// What the statistics map shows of each prefecture: by display kind (0..11) the chart at its
// point and the quantity q worked out from its value, and the sums over the data set that the
// quantities and the totals box need. All sums and quantities are double. A quantity whose
// divisor is zero or missing (an empty set, a prefecture without population or area) has no
// value, and its chart or label is left out rather than drawn from a NaN.
#include "basemap/files/PrefectureDataFile.h"

#include <optional>
#include <string>
#include <vector>

namespace surrick {

enum class ChartShape { None, Marker, Pie, Bar, Number };

struct DisplayKind {
    ChartShape shape = ChartShape::None;
    const char* label = ""; // the kind label box's text; empty for kind 0
    bool perPopulation = false; // divided by 県別人口.DAT
    bool perArea = false;       // divided by 県別面積.DAT
};
DisplayKind DisplayKindOf(int kind);

struct DataSummary {
    double total = 0;
    double mean = 0;
    std::optional<double> maximum; // with the prefecture names of the first extreme value
    std::string maximumName;
    std::optional<double> minimum;
    std::string minimumName;
    std::optional<double> largestRatio; // kinds 10 and 11: the largest value / divisor
};

class StatisticsQuantities {
public:
    // divisors: the values of the population or area set in line order (empty for other kinds).
    StatisticsQuantities(int kind, const PrefectureDataFile& data, std::vector<double> divisors);

    const DataSummary& Summary() const { return summary_; }
    // q of data line `line`; nullopt for a line that does not exist or has no divisor.
    std::optional<double> Quantity(int line) const;
    // The printf form of the number labels, chosen by the quantity of the last-ranked line.
    static const char* NumberFormat(std::optional<double> lastRankedQuantity);

private:
    std::optional<double> PerDivisor(int line) const;

    int kind_;
    const PrefectureDataFile& data_;
    std::vector<double> divisors_;
    DataSummary summary_;
};

} // namespace surrick
