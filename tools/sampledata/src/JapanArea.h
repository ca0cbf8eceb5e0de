#pragma once
// The Japan-area rule of the overview: points north of 50 degrees or west of 115 degrees east
// are passed over without lifting the pen. Lines are cut where they leave that area, so that
// nothing is ever bridged across the passed-over part.
#include "Geo.h"

namespace sampledata {

inline constexpr int32_t kJapanAreaNorth = 500000;  // 1/10000 degree, kept when at most this
inline constexpr int32_t kJapanAreaWest = 1150000;  // kept when at least this

inline bool inJapanArea(int32_t lat, int32_t lon) {
  return lat <= kJapanAreaNorth && lon >= kJapanAreaWest;
}

// Cuts a line into runs wholly inside the area (ending exactly on its edge) and runs wholly
// outside (starting and ending one unit outside the edge, so they join the inside runs to
// within one unit when everything is drawn). Points come back on the 1/10000-degree grid.
std::vector<Polyline> splitAtJapanArea(const Polyline& line);

}  // namespace sampledata
