#include "DepthPoints.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace sampledata {
namespace {

constexpr int kRowsPerDegree = 240;     // 15 seconds of latitude
constexpr int kColumnsPerDegree = 160;  // 22.5 seconds of longitude
constexpr int kNodesPerDegree = 12;     // ETOPO5: 5 minutes

struct BoxedRing {
  Box box;
  const Polyline* ring;
};

std::vector<BoxedRing> boxedRings(const std::vector<PrefecturePolygon>& polygons) {
  std::vector<BoxedRing> rings;
  for (const auto& polygon : polygons) {
    Box box{180, 90, -180, -90};
    for (LonLat v : polygon.ring)
      box = {std::min(box.west, v.lon), std::min(box.south, v.lat), std::max(box.east, v.lon),
             std::max(box.north, v.lat)};
    rings.push_back({box, &polygon.ring});
  }
  return rings;
}

bool onLand(const std::vector<BoxedRing>& rings, LonLat p) {
  return std::any_of(rings.begin(), rings.end(),
                     [&](const BoxedRing& r) { return r.box.contains(p) && insideRing(p, *r.ring); });
}

// The written text of a coordinate and the value read back from it, so that a node is put in the
// cell where its written position falls.
double written(double degrees) {
  char text[32];
  std::snprintf(text, sizeof text, "%.6f", degrees);
  return std::strtod(text, nullptr);
}

int depthOf(double elevation) { return std::max(1, static_cast<int>(std::lround(-elevation))); }

void appendPoint(ByteBuffer* out, char kind, LonLat p, int depth) {
  char line[64];
  std::snprintf(line, sizeof line, "%c %.6f %.6f %d", kind, p.lat, p.lon, depth);
  appendLine(out, line);
}

ByteBuffer squareFile(const DepthGrid& grid, const std::vector<BoxedRing>& rings, int lat, int lon) {
  // The grid nodes of the square by the cell their written position falls in.
  std::map<std::pair<int, int>, LonLat> nodes;
  for (int a = 0; a < kNodesPerDegree; ++a)
    for (int b = 0; b < kNodesPerDegree; ++b) {
      const LonLat node{written(lon + double(b) / kNodesPerDegree), written(lat + double(a) / kNodesPerDegree)};
      const int row = static_cast<int>(std::floor((node.lat - lat) * kRowsPerDegree));
      const int column = static_cast<int>(std::floor((node.lon - lon) * kColumnsPerDegree));
      if (row >= 0 && row < kRowsPerDegree && column >= 0 && column < kColumnsPerDegree)
        nodes[{row, column}] = node;
    }
  ByteBuffer out;
  for (int row = 0; row < kRowsPerDegree; ++row)
    for (int column = 0; column < kColumnsPerDegree; ++column) {
      const LonLat centre{lon + (column + 0.5) / kColumnsPerDegree, lat + (row + 0.5) / kRowsPerDegree};
      if (onLand(rings, centre) || grid.elevation(centre) >= 0) continue;
      const auto node = nodes.find({row, column});
      if (node != nodes.end() && grid.elevation(node->second) < 0)
        appendPoint(&out, '0', node->second, depthOf(grid.elevation(node->second)));
      else
        appendPoint(&out, '1', centre, depthOf(grid.elevation(centre)));
    }
  return out;
}

}  // namespace

Box depthSquaresBox(const DepthSquares& s) {
  return {double(s.westLon), double(s.southLat), double(s.eastLon + 1), double(s.northLat + 1)};
}

std::map<std::string, ByteBuffer> depthPointFiles(const DepthGrid& grid, const std::vector<PrefecturePolygon>& polygons,
                                                  const DepthSquares& squares) {
  const auto rings = boxedRings(polygons);
  std::map<std::string, ByteBuffer> files;
  for (int lat = squares.southLat; lat <= squares.northLat; ++lat)
    for (int lon = squares.westLon; lon <= squares.eastLon; ++lon) {
      char name[32];
      std::snprintf(name, sizeof name, "DP%d_%d.txt", lat, lon);
      files[name] = squareFile(grid, rings, lat, lon);
    }
  return files;
}

}  // namespace sampledata
