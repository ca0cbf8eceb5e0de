#include "Simplify.h"

#include <vector>

namespace sampledata {
namespace {

constexpr double kKmPerDegree = 111.195;

struct Plane {
  double cosLat;
  double x(LonLat p) const { return p.lon * cosLat * kKmPerDegree; }
  double y(LonLat p) const { return p.lat * kKmPerDegree; }
};

double distanceToSegment(const Plane& plane, LonLat p, LonLat a, LonLat b) {
  const double px = plane.x(p), py = plane.y(p);
  const double ax = plane.x(a), ay = plane.y(a);
  const double bx = plane.x(b), by = plane.y(b);
  const double dx = bx - ax, dy = by - ay;
  const double length2 = dx * dx + dy * dy;
  double t = length2 > 0 ? ((px - ax) * dx + (py - ay) * dy) / length2 : 0.0;
  t = t < 0 ? 0 : (t > 1 ? 1 : t);
  const double ex = ax + t * dx - px, ey = ay + t * dy - py;
  return std::sqrt(ex * ex + ey * ey);
}

}  // namespace

Polyline simplify(const Polyline& line, double toleranceKm) {
  if (line.size() <= 2) return line;
  const Plane plane{std::cos(line.front().lat * M_PI / 180.0)};
  std::vector<bool> keep(line.size(), false);
  keep.front() = keep.back() = true;
  // An explicit stack: coastlines have tens of thousands of vertices.
  std::vector<std::pair<size_t, size_t>> spans{{0, line.size() - 1}};
  while (!spans.empty()) {
    auto [first, last] = spans.back();
    spans.pop_back();
    double worst = -1;
    size_t worstIndex = first;
    for (size_t i = first + 1; i < last; ++i) {
      const double d = distanceToSegment(plane, line[i], line[first], line[last]);
      if (d > worst) { worst = d; worstIndex = i; }
    }
    if (worst > toleranceKm) {
      keep[worstIndex] = true;
      spans.push_back({first, worstIndex});
      spans.push_back({worstIndex, last});
    }
  }
  Polyline result;
  for (size_t i = 0; i < line.size(); ++i)
    if (keep[i]) result.push_back(line[i]);
  return result;
}

}  // namespace sampledata
