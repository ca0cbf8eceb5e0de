#include "ElevationMesh.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace sampledata {

namespace {

constexpr int kSide = 320;                          // cells a side
constexpr double kCellLat = (2.0 / 3.0) / kSide;    // 7.5 seconds
constexpr double kCellLon = 1.0 / kSide;            // 11.25 seconds
constexpr size_t kHeaderChars = 1009;               // with its line end, the 1010 the readers skip

// The longitudes where the rings' edges cross the latitude, sorted. A point of that latitude is
// inside a ring when an odd number of that ring's crossings lie east of it (the even-odd rule of
// insideRing), so each ring keeps its own list.
std::vector<std::vector<double>> crossings(const std::vector<const Polyline*>& rings, double lat) {
  std::vector<std::vector<double>> lists;
  for (const Polyline* ring : rings) {
    std::vector<double> xs;
    for (size_t i = 0, j = ring->size() - 1; i < ring->size(); j = i++) {
      const LonLat a = (*ring)[i], b = (*ring)[j];
      if ((a.lat > lat) != (b.lat > lat)) xs.push_back((b.lon - a.lon) * (lat - a.lat) / (b.lat - a.lat) + a.lon);
    }
    std::sort(xs.begin(), xs.end());
    if (!xs.empty()) lists.push_back(std::move(xs));
  }
  return lists;
}

bool onLand(const std::vector<std::vector<double>>& lists, double lon) {
  return std::any_of(lists.begin(), lists.end(), [lon](const std::vector<double>& xs) {
    return (xs.end() - std::upper_bound(xs.begin(), xs.end(), lon)) % 2 == 1;
  });
}

std::string header(int mesh) {
  char text[128];
  std::snprintf(text, sizeof text, "%04d 250m elevation mesh derived from ETOPO5 (5-minute grid, bilinear); not survey data",
                mesh);
  std::string line = text;
  line.resize(kHeaderChars, ' ');
  return line;
}

}  // namespace

ByteBuffer elevationMeshFile(const Relief& relief, const std::vector<PrefecturePolygon>& polygons, int mesh) {
  const double south = (mesh / 100) / 1.5, west = 100.0 + mesh % 100;
  const Box box{west, south, west + 1.0, south + 2.0 / 3.0};
  std::vector<const Polyline*> rings;
  for (const PrefecturePolygon& p : polygons) {
    const auto [minLon, maxLon] = std::minmax_element(p.ring.begin(), p.ring.end(),
                                                      [](LonLat a, LonLat b) { return a.lon < b.lon; });
    const auto [minLat, maxLat] = std::minmax_element(p.ring.begin(), p.ring.end(),
                                                      [](LonLat a, LonLat b) { return a.lat < b.lat; });
    if (!p.ring.empty() && minLon->lon <= box.east && maxLon->lon >= box.west && minLat->lat <= box.north &&
        maxLat->lat >= box.south)
      rings.push_back(&p.ring);
  }
  ByteBuffer file;
  appendLine(&file, header(mesh));
  char field[16];
  for (int row = 0; row < kSide; ++row) {
    const double lat = south + (kSide - row - 0.5) * kCellLat;
    const auto lists = crossings(rings, lat);
    std::snprintf(field, sizeof field, "%04d  %03d", mesh, row + 1);
    std::string record = field;
    for (int column = 0; column < kSide; ++column) {
      const LonLat centre{west + (column + 0.5) * kCellLon, lat};
      if (onLand(lists, centre.lon)) {
        const long metres = std::max(0L, std::lround(relief(centre)));
        std::snprintf(field, sizeof field, "%05ld", std::min(metres, 99999L));
        record += field;
      } else {
        record += "-9999";
      }
    }
    appendLine(&file, record);
  }
  return file;
}

std::vector<int> meshBlock5x5(int centreMesh) {
  std::vector<int> meshes;
  for (int dy = -2; dy <= 2; ++dy)
    for (int dx = -2; dx <= 2; ++dx) meshes.push_back(centreMesh + dy * 100 + dx);
  return meshes;
}

}  // namespace sampledata
