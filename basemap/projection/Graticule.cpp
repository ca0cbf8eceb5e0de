#include "basemap/projection/Graticule.h"

namespace {

constexpr int kUnitsPerDegree = 10000;

GeoSegment Segment(int lat1, int lon1, int lat2, int lon2)
{
    return {{lat1 * kUnitsPerDegree, lon1 * kUnitsPerDegree}, {lat2 * kUnitsPerDegree, lon2 * kUnitsPerDegree}};
}

} // namespace

std::vector<GeoSegment> JapanGraticule(GraticuleMode mode, bool japanArea)
{
    const int westEnd = japanArea ? 118 : 100;
    const int eastEnd = japanArea ? 150 : 160;
    std::vector<GeoSegment> segments;
    for (int i = 0; i < 5; ++i) {
        const int meridian = 110 + 10 * i;
        if (mode == GraticuleMode::Band) {
            for (int lat = 20; lat <= 45; lat += 5)
                segments.push_back(Segment(lat + 5, meridian, lat, meridian));
        } else {
            for (int lat = 21; lat <= 55; ++lat)
                segments.push_back(Segment(lat, meridian, lat - 1, meridian));
        }
        if (i >= 3)
            continue;
        const int parallel = 50 - 10 * i;
        if (mode == GraticuleMode::Band) {
            segments.push_back(Segment(parallel, westEnd, parallel, eastEnd));
        } else {
            for (int lon = westEnd; lon < eastEnd; ++lon)
                segments.push_back(Segment(parallel, lon, parallel, lon + 1));
        }
    }
    return segments;
}
