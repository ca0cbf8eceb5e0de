#pragma once
// Douglas-Peucker thinning of lines for the small-scale outline files.
#include "Geo.h"

namespace sampledata {

// Keeps the end points and every vertex needed so that no dropped vertex lies farther than
// toleranceKm from the kept line (distances on a local equirectangular plane).
Polyline simplify(const Polyline& line, double toleranceKm);

}  // namespace sampledata
