#pragma once
// Plain geographic types shared by the converter's steps.
#include <cmath>
#include <cstdint>
#include <vector>

namespace sampledata {

struct LonLat {
  double lon = 0;  // degrees east
  double lat = 0;  // degrees north
  bool operator==(const LonLat&) const = default;
};

using Polyline = std::vector<LonLat>;

struct Box {
  double west, south, east, north;
  bool contains(LonLat p) const {
    return p.lon >= west && p.lon <= east && p.lat >= south && p.lat <= north;
  }
};

// Japan as the sample covers it: from Okinotorishima to the northern islands, from Yonaguni to
// Minamitorishima.
inline constexpr Box kJapanBox{122.0, 20.0, 154.0, 46.0};

// 1/10000 degree, the unit of the outline files; rounded to the nearest unit.
inline int32_t toTenThousandths(double degrees) {
  return static_cast<int32_t>(std::llround(degrees * 10000.0));
}

// Tenths of an arc-second, the unit of the national-land records; rounded to the nearest.
inline int32_t toTenthSeconds(double degrees) {
  return static_cast<int32_t>(std::llround(degrees * 36000.0));
}

// Whole arc-seconds, the unit of the lake file; rounded to the nearest second.
inline int32_t toArcSeconds(double degrees) {
  return static_cast<int32_t>(std::llround(degrees * 3600.0));
}

// First-level mesh code of the mesh that holds a point (latitude code x 100 + longitude code).
inline int meshCodeOf(LonLat p) {
  return static_cast<int>(std::floor(p.lat * 1.5)) * 100 +
         static_cast<int>(std::floor(p.lon - 100.0));
}

// Even-odd test of a point against a ring.
inline bool insideRing(LonLat p, const Polyline& ring) {
  bool inside = false;
  for (size_t i = 0, j = ring.size() - 1; i < ring.size(); j = i++) {
    const LonLat a = ring[i], b = ring[j];
    if ((a.lat > p.lat) != (b.lat > p.lat) &&
        p.lon < (b.lon - a.lon) * (p.lat - a.lat) / (b.lat - a.lat) + a.lon)
      inside = !inside;
  }
  return inside;
}

}  // namespace sampledata
