#include "GeologySynth.h"

#include "RecordLine.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace sampledata {

namespace {

constexpr double kCellLon = 1.0 / 80, kCellLat = 1.0 / 120;  // a third-level cell, degrees
constexpr double kMetresPerDegree = 111320.0;
constexpr double kPi = 3.14159265358979323846;

struct Slope {
  int degrees = 0;
  int direction = 0;  // the way the slope faces, N = 1, NE = 2 ... NW = 8; 0 on level ground
};

// Central differences one cell either side of the centre.
Slope slopeAt(const Relief& relief, LonLat c) {
  const double dx = 2 * kCellLon * kMetresPerDegree * std::cos(c.lat * kPi / 180);
  const double dy = 2 * kCellLat * kMetresPerDegree;
  const double east = (relief({c.lon + kCellLon, c.lat}) - relief({c.lon - kCellLon, c.lat})) / dx;
  const double north = (relief({c.lon, c.lat + kCellLat}) - relief({c.lon, c.lat - kCellLat})) / dy;
  const double gradient = std::hypot(east, north);
  Slope s;
  s.degrees = std::clamp(static_cast<int>(std::lround(std::atan(gradient) * 180 / kPi)), 0, 89);
  if (gradient > 0) {
    // Downhill bearing, clockwise from north.
    const double bearing = std::atan2(-east, -north) * 180 / kPi;
    s.direction = static_cast<int>(std::lround((bearing < 0 ? bearing + 360 : bearing) / 45)) % 8 + 1;
  }
  return s;
}

// Mountains by height (large, middle, small relief), hills, terraces and lowland; gentle ground
// below 300 m steps down a class.
int terrainClass(double height, int slopeDegrees) {
  if (height >= 800) return 1;
  if (height >= 500) return 2;
  if (height >= 300) return 3;
  if (height >= 150) return slopeDegrees >= 2 ? 9 : 13;
  if (height >= 50) return slopeDegrees >= 2 ? 13 : 12;
  return 12;
}

// Steeper ground is cut by more valleys; 49 keeps the figure within the ten classes.
int valleyDensity(int slopeDegrees) { return std::min(49, slopeDegrees * 4); }

}  // namespace

std::map<int, ByteBuffer> terrainSynthFiles(const Relief& relief, const std::vector<PrefecturePolygon>& polygons,
                                            int mesh, const std::set<int>& prefectures) {
  std::map<int, ByteBuffer> files;
  const int row = mesh / 100, column = mesh % 100;
  for (int cell = 0; cell < 6400; ++cell) {
    const int r = cell / 80, c = cell % 80;
    const LonLat centre{100.0 + column + (c + 0.5) * kCellLon, row / 1.5 + (r + 0.5) * kCellLat};
    const auto holder = std::find_if(polygons.begin(), polygons.end(), [&](const PrefecturePolygon& p) {
      return prefectures.count(p.code) && insideRing(centre, p.ring);
    });
    if (holder == polygons.end()) continue;
    const double height = std::max(0.0, relief(centre));
    const Slope slope = slopeAt(relief, centre);
    RecordLine line(59);
    line.put(0, "GSYN");
    line.put(5, number("%04d", mesh) + number("%d", r / 10) + number("%d", c / 10) + number("%d", r % 10) +
                    number("%d", c % 10));
    line.put(13, "0001");                              // data count
    line.put(28, number("%02d", slope.degrees));
    line.put(31, number("%02d", slope.direction));
    line.put(38, number("%02d", terrainClass(height, slope.degrees)));
    line.put(40, "0");                                 // no sub-classification
    line.put(41, "00");                                // rock: unclassified
    line.put(43, "000");                               // hardness, era, structure: none
    line.put(46, "00");                                // soil: no item
    line.put(48, "0");                                 // no soil symbol
    line.put(57, number("%02d", valleyDensity(slope.degrees)));
    appendLine(&files[holder->code], line.text());
  }
  return files;
}

}  // namespace sampledata
