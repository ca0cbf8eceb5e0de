#pragma once
// Reads the segments of GSHHG's binned netCDF files (coastlines and borders) inside a box.
#include "Geo.h"

#include <string>

namespace sampledata {

// A point in GSHHG's own grid: units of 1/65535 of a bin side, counted from longitude 0 and from
// the south pole. Bins share their edge points exactly, so pieces are joined on these integers.
struct GridPoint {
  int64_t x = 0;
  int64_t y = 0;
  bool operator==(const GridPoint&) const = default;
  auto operator<=>(const GridPoint&) const = default;
};

struct GshhgLine {
  int level = 0;  // coast file: 1 coast, 2 lake, 3 island in lake, 4 pond; border file: 1 national
  std::vector<GridPoint> points;
  bool closed = false;  // first point == last point after joining
};

struct GshhgGrid {
  int binMinutes = 0;
  LonLat toLonLat(GridPoint p) const;
};

enum class GshhgKind { Coast, Border };

// Segments of the bins that meet the box, joined across bin edges into whole lines (a lake
// becomes one closed ring). Throws std::runtime_error when the file cannot be read.
std::vector<GshhgLine> readGshhgLines(const std::string& path, GshhgKind kind, const Box& box,
                                      GshhgGrid* grid);

}  // namespace sampledata
