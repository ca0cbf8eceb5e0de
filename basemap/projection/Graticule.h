#pragma once
// The graticule of the Japan map: meridians 110..150 degrees east every 10 degrees and the
// parallels 50, 40 and 30 degrees north, as segments whose two ends are projected separately
// (each end takes the ratio of its own whole degree in the band projection).
#include "basemap/projection/SansonProjection.h"

#include <vector>

struct GeoSegment {
    GeoPoint from;
    GeoPoint to;
    friend bool operator==(const GeoSegment&, const GeoSegment&) = default;
};

enum class GraticuleMode { Band, Albers };

// In drawing order: pass i gives meridian 110 + 10 i, then (i < 3) parallel 50 - 10 i.
// The band projection joins five-degree meridian pieces and draws a parallel as one segment;
// the conic needs one-degree pieces on both. japanArea narrows the parallels to 118..150 east.
std::vector<GeoSegment> JapanGraticule(GraticuleMode mode, bool japanArea);
