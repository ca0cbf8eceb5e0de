#include "GridCut.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace sampledata {
namespace {

int64_t floorDiv(int64_t a, int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

// The point at which the segment a-b reaches the value v on one axis; that axis lands exactly on v.
TenthPoint crossing(TenthPoint a, TenthPoint b, int64_t v, bool onLon) {
  if (onLon) {
    const double t = double(v - a.lon) / double(b.lon - a.lon);
    return {v, std::llround(a.lat + t * double(b.lat - a.lat))};
  }
  const double t = double(v - a.lat) / double(b.lat - a.lat);
  return {std::llround(a.lon + t * double(b.lon - a.lon)), v};
}

TenthLine clipEdge(const TenthLine& ring, const std::function<bool(TenthPoint)>& inside, int64_t v, bool onLon) {
  TenthLine out;
  for (size_t i = 0; i < ring.size(); ++i) {
    const TenthPoint a = ring[i], b = ring[(i + 1) % ring.size()];
    const bool ia = inside(a), ib = inside(b);
    if (ia) out.push_back(a);
    if (ia != ib) out.push_back(crossing(a, b, v, onLon));
  }
  out.erase(std::unique(out.begin(), out.end()), out.end());
  return out;
}

}  // namespace

TenthLine toTenths(const Polyline& line) {
  TenthLine out;
  for (LonLat p : line) {
    const TenthPoint t{toTenthSeconds(p.lon), toTenthSeconds(p.lat)};
    if (out.empty() || !(out.back() == t)) out.push_back(t);
  }
  return out;
}

TenthBox meshBox(int mesh) {
  const int64_t south = (mesh / 100) * kMeshLatTenths, west = (mesh % 100 + 100) * kMeshLonTenths;
  return {west, south, west + kMeshLonTenths, south + kMeshLatTenths};
}

TenthLine clipRing(const TenthLine& closedRing, const TenthBox& box) {
  TenthLine ring(closedRing.begin(), closedRing.end() - (closedRing.size() > 1 && closedRing.front() == closedRing.back()));
  ring = clipEdge(ring, [&](TenthPoint p) { return p.lon >= box.west; }, box.west, true);
  ring = clipEdge(ring, [&](TenthPoint p) { return p.lon <= box.east; }, box.east, true);
  ring = clipEdge(ring, [&](TenthPoint p) { return p.lat >= box.south; }, box.south, false);
  ring = clipEdge(ring, [&](TenthPoint p) { return p.lat <= box.north; }, box.north, false);
  if (ring.size() > 1 && ring.front() == ring.back()) ring.pop_back();
  // A ring that only touches the box leaves fewer than three corners or no area.
  double twiceArea = 0;
  for (size_t i = 0; i < ring.size(); ++i) {
    const TenthPoint a = ring[i], b = ring[(i + 1) % ring.size()];
    twiceArea += double(a.lon) * double(b.lat) - double(b.lon) * double(a.lat);
  }
  if (ring.size() < 3 || std::fabs(twiceArea) < 1.0) return {};
  ring.push_back(ring.front());
  return ring;
}

std::vector<TenthLine> cutAtGrid(const TenthLine& line, int64_t lonStep, int64_t latStep) {
  std::vector<TenthLine> pieces;
  if (line.size() < 2) return pieces;
  TenthLine current{line.front()};
  auto cellOf = [&](TenthPoint a, TenthPoint b) {
    // The cell of a piece is the cell of its middle.
    return std::pair{floorDiv(a.lon + b.lon, 2 * lonStep), floorDiv(a.lat + b.lat, 2 * latStep)};
  };
  std::pair<int64_t, int64_t> currentCell{};
  bool started = false;
  for (size_t i = 1; i < line.size(); ++i) {
    const TenthPoint a = line[i - 1], b = line[i];
    // Crossings of the segment with grid lines, ordered along it.
    std::vector<std::pair<double, TenthPoint>> cuts;
    auto addCuts = [&](int64_t from, int64_t to, int64_t step, bool onLon) {
      if (from == to) return;
      for (int64_t k = floorDiv(std::min(from, to), step) + 1; k * step < std::max(from, to); ++k)
        cuts.push_back({double(k * step - from) / double(to - from), crossing(a, b, k * step, onLon)});
    };
    addCuts(a.lon, b.lon, lonStep, true);
    addCuts(a.lat, b.lat, latStep, false);
    std::sort(cuts.begin(), cuts.end(), [](const auto& x, const auto& y) { return x.first < y.first; });
    TenthLine stops;
    for (const auto& [t, p] : cuts) stops.push_back(p);
    stops.push_back(b);
    TenthPoint from = a;
    for (TenthPoint to : stops) {
      if (to == from) continue;
      const auto cell = cellOf(from, to);
      if (started && cell != currentCell) {
        pieces.push_back(current);
        current = {from};
      }
      currentCell = cell;
      started = true;
      current.push_back(to);
      from = to;
    }
  }
  if (current.size() >= 2) pieces.push_back(current);
  return pieces;
}

TenthLine densify(const TenthLine& line, int64_t maxTenths) {
  TenthLine out;
  for (size_t i = 0; i < line.size(); ++i) {
    if (i > 0) {
      const TenthPoint a = line[i - 1], b = line[i];
      const int64_t span = std::max(std::llabs(b.lon - a.lon), std::llabs(b.lat - a.lat));
      const int64_t steps = (span + maxTenths - 1) / maxTenths;
      for (int64_t k = 1; k < steps; ++k)
        out.push_back({a.lon + (b.lon - a.lon) * k / steps, a.lat + (b.lat - a.lat) * k / steps});
    }
    out.push_back(line[i]);
  }
  return out;
}

}  // namespace sampledata
