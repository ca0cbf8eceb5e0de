#pragma once
// Geometry in tenths of an arc-second, the unit of the national-land records: lines cut at the
// lines of a mesh grid (a crossing lands exactly on the grid line) and rings clipped to a mesh.
#include "Geo.h"

#include <cstdint>

namespace sampledata {

struct TenthPoint {
  int64_t lon = 0;  // tenths of an arc-second east
  int64_t lat = 0;  // and north
  bool operator==(const TenthPoint&) const = default;
};
using TenthLine = std::vector<TenthPoint>;

// First-level mesh: 1 degree by 40 minutes; second-level cell: an eighth of each.
inline constexpr int64_t kMeshLonTenths = 36000, kMeshLatTenths = 24000;
inline constexpr int64_t kCellLonTenths = 4500, kCellLatTenths = 3000;

TenthLine toTenths(const Polyline& line);

struct TenthBox {
  int64_t west, south, east, north;
};

// The box of a first-level mesh code.
TenthBox meshBox(int mesh);

// The closed ring clipped to the box (Sutherland-Hodgman): closed again, or empty when nothing
// of the ring is left inside.
TenthLine clipRing(const TenthLine& ring, const TenthBox& box);

// Cuts the line where it crosses a grid line (multiples of the steps): each piece lies in one
// grid cell, the crossing ends one piece and starts the next.
std::vector<TenthLine> cutAtGrid(const TenthLine& line, int64_t lonStep, int64_t latStep);

// Inserts points so that no two neighbours are farther apart than maxTenths in either axis.
TenthLine densify(const TenthLine& line, int64_t maxTenths);

}  // namespace sampledata
