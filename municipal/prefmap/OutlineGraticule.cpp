#include "municipal/prefmap/OutlineGraticule.h"

#include <algorithm>

namespace surrick {

namespace {

constexpr int kUnits = 10000; // 1/10000 degree per degree
constexpr int kInsetMeridian = 140;
constexpr int kInsetMeridianStart = 33;

GraticuleSegment Segment(int lat1, int lon1, int lat2, int lon2, bool parallel = false)
{
    return {{lat1 * kUnits, lon1 * kUnits}, {lat2 * kUnits, lon2 * kUnits}, parallel};
}

} // namespace

std::vector<GraticuleSegment> OutlineGraticule(bool band, bool inset)
{
    std::vector<GraticuleSegment> segments;
    const int step = band ? 5 : 1;
    const int south = band ? 15 : 20;
    const int north = band ? 70 : 75;
    for (int meridian = 105; meridian <= 150; meridian += 5) {
        const int start = inset && meridian == kInsetMeridian ? kInsetMeridianStart : south;
        for (int upper = south + step; upper <= north; upper += step) {
            if (upper <= start)
                continue;
            segments.push_back(Segment(upper, meridian, std::max(upper - step, start), meridian));
        }
    }
    for (int parallel = 55; parallel >= 10; parallel -= 5) {
        if (band) {
            segments.push_back(Segment(parallel, 100, parallel, 160, true));
            continue;
        }
        for (int lon = 100; lon < 160; ++lon)
            segments.push_back(Segment(parallel, lon, parallel, lon + 1, true));
    }
    return segments;
}

std::vector<GraticuleSegment> InsetFrame()
{
    return {Segment(30, 138, 34, 141), Segment(34, 141, 34, 144)};
}

} // namespace surrick
