#pragma once
// The fault files of a scenario map. A fault plane file holds, after a "# FLT" line and a
// following "# JLO" line, the outline's point lines: longitude in characters 1-9, latitude in
// 11-18 (degrees) and depth in 39-47 (metres), at most nine distinct lines. In list-form
// scenarios a "# ASP" line ends the outline; each "# ASP" is followed by a line that is skipped
// and up to nine point lines of an asperity; "# DES" ends the last one. A subduction fault file
// holds, after the same two lines, records "longitude,latitude,n,n,depth" whose runs of one
// longitude are the depth lines of the plate.
#include <string>
#include <string_view>
#include <vector>

namespace seismic {

inline constexpr int kMostOutlinePoints = 9;
inline constexpr int kMostDepthLinePoints = 148;

struct FaultPoint {
    double longitude = 0; // degrees
    double latitude = 0;
    double depthKm = 0;
    friend bool operator==(const FaultPoint&, const FaultPoint&) = default;
};

// The point of a line by its columns; a column the line does not reach reads 0.
FaultPoint ParseFaultPointLine(std::string_view line);

struct FaultOutline {
    std::vector<FaultPoint> points; // not closed
    bool asperitiesFollow = false;
};
FaultOutline ReadFaultOutline(const std::vector<std::string>& lines, bool listForm);

// The asperities of a fault file, each not closed, in file order.
std::vector<std::vector<FaultPoint>> ReadAsperities(const std::vector<std::string>& lines);

struct SubductionRecord {
    float longitude = 0;
    float latitude = 0;
    float depth = 0; // metres
};
std::vector<SubductionRecord> ReadSubductionRecords(const std::vector<std::string>& lines);

} // namespace seismic
