#pragma once
// Cuts lines at the edges of first-level meshes (40 minutes of latitude by 1 degree of
// longitude), adding the crossing point on the edge to both sides.
#include "Geo.h"

#include <functional>
#include <map>

namespace sampledata {

// A point inside one mesh as fractions of its side: east from the west edge, south from the
// north edge, both 0..1; a point on an edge is exactly 0 or 1.
struct MeshFraction {
  double east = 0;
  double south = 0;
};

using MeshPieces = std::map<int, std::vector<std::vector<MeshFraction>>>;

// Adds the pieces of a line to the meshes it crosses, for the meshes that `wanted` accepts.
void splitIntoMeshes(const Polyline& line, const std::function<bool(int)>& wanted,
                     MeshPieces* pieces);

// The runs of a line that lie in meshes accepted by `keep`, each run continuous across the
// edges between accepted meshes and ended at the edge of a refused one.
std::vector<Polyline> keepRunsInMeshes(const Polyline& line, const std::function<bool(int)>& keep);

}  // namespace sampledata
