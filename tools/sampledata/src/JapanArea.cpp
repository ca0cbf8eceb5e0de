#include "JapanArea.h"

#include <algorithm>

namespace sampledata {
namespace {

struct Unit {
  int32_t lat, lon;
  bool operator==(const Unit&) const = default;
};

LonLat toDegrees(Unit u) { return {u.lon / 10000.0, u.lat / 10000.0}; }

// Where the segment a-b crosses the area's edge: the point on the edge, and the same point
// moved one unit outside.
std::pair<Unit, Unit> edgeCrossing(Unit a, Unit b) {
  const bool aInside = inJapanArea(a.lat, a.lon);
  const Unit in = aInside ? a : b, out = aInside ? b : a;
  // From the inside point toward the outside one: the first edge met ends the inside part.
  double t = 1.0;
  bool viaNorth = false;
  if (out.lat > kJapanAreaNorth) {
    const double tn = static_cast<double>(kJapanAreaNorth - in.lat) / (out.lat - in.lat);
    if (tn < t) { t = tn; viaNorth = true; }
  }
  if (out.lon < kJapanAreaWest) {
    const double tw = static_cast<double>(in.lon - kJapanAreaWest) / (in.lon - out.lon);
    if (tw < t) { t = tw; viaNorth = false; }
  }
  Unit edge{static_cast<int32_t>(std::llround(in.lat + t * (out.lat - in.lat))),
            static_cast<int32_t>(std::llround(in.lon + t * (out.lon - in.lon)))};
  Unit outside = edge;
  if (viaNorth) {
    edge.lat = kJapanAreaNorth;
    outside.lat = kJapanAreaNorth + 1;
  } else {
    edge.lon = kJapanAreaWest;
    outside.lon = kJapanAreaWest - 1;
  }
  edge.lat = std::min(edge.lat, kJapanAreaNorth);
  edge.lon = std::max(edge.lon, kJapanAreaWest);
  return {edge, outside};
}

}  // namespace

std::vector<Polyline> splitAtJapanArea(const Polyline& line) {
  std::vector<Unit> points;
  for (LonLat p : line) {
    Unit u{toTenThousandths(p.lat), toTenThousandths(p.lon)};
    if (points.empty() || !(points.back() == u)) points.push_back(u);
  }
  std::vector<Polyline> runs;
  Polyline current;
  auto flush = [&] {
    if (current.size() >= 2) runs.push_back(current);
    current.clear();
  };
  for (size_t i = 0; i < points.size(); ++i) {
    if (i > 0) {
      const bool wasInside = inJapanArea(points[i - 1].lat, points[i - 1].lon);
      const bool isInside = inJapanArea(points[i].lat, points[i].lon);
      if (wasInside != isInside) {
        auto [edge, outside] = edgeCrossing(points[i - 1], points[i]);
        current.push_back(toDegrees(wasInside ? edge : outside));
        flush();
        current.push_back(toDegrees(wasInside ? outside : edge));
      }
    }
    current.push_back(toDegrees(points[i]));
  }
  flush();
  return runs;
}

}  // namespace sampledata
