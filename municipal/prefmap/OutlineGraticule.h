#pragma once
// The graticule of Surrick's Japan outline map: meridians 105..150 degrees east and parallels
// 55..10 degrees north, every five degrees, as segments whose ends are projected one by one.
// The conic takes one-degree pieces (meridians 20..75 N, parallels 100..160 E); the latitude
// band five-degree meridian pieces (15..70 N) and each parallel as one line, whose ends take the
// parallel's own ratio. With the south-western inset, 140 E starts at 33 N so that it does not
// cross the inset.
#include "basemap/projection/MapPoints.h"

#include <vector>

namespace surrick {

struct GraticuleSegment {
    GeoPoint from;
    GeoPoint to;
    bool parallel = false; // both ends take the ratio of the parallel's degree
    friend bool operator==(const GraticuleSegment&, const GraticuleSegment&) = default;
};

// Meridians west to east, then parallels north to south.
std::vector<GraticuleSegment> OutlineGraticule(bool band, bool inset);

// The two grey lines that set the inset off: 30N 138E -> 34N 141E -> 34N 144E.
std::vector<GraticuleSegment> InsetFrame();

} // namespace surrick
