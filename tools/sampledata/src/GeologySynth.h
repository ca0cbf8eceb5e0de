#pragma once
// A natural-terrain mesh set derived from relief alone: terrain class, maximum slope, its
// direction and a valley-density figure computed from elevation and its gradient. Rock, era and
// soil are unknown to relief and are written as the codes for "no data".
#include "Output.h"
#include "Prefectures.h"

#include <functional>
#include <map>
#include <set>

namespace sampledata {

// Elevation in metres at a point (negative at sea).
using Relief = std::function<double(LonLat)>;

// GEOSYNTHpp.txt by prefecture code: one record for each third-level cell of first-level mesh
// `mesh` whose centre lies inside the polygon of one of `prefectures`. Prefectures without such
// a cell get no file.
std::map<int, ByteBuffer> terrainSynthFiles(const Relief& relief, const std::vector<PrefecturePolygon>& polygons,
                                            int mesh, const std::set<int>& prefectures);

}  // namespace sampledata
