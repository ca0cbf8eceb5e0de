#include "MeshSplit.h"

#include <algorithm>
#include <vector>

namespace sampledata {
namespace {

// Mesh space: u = longitude - 100 degrees, v = latitude x 1.5, so mesh edges lie on integers.
struct WalkPoint {
  double t = 0;  // position along the segment
  double u = 0;
  double v = 0;
  LonLat lonLat;
  bool operator==(const WalkPoint& o) const { return u == o.u && v == o.v; }
};

WalkPoint atVertex(LonLat p, double t) { return {t, p.lon - 100.0, p.lat * 1.5, p}; }

// Calls emit(start, end, mesh code) for every piece of the line that lies in one mesh.
template <class Emit>
void walkMeshes(const Polyline& line, Emit emit) {
  for (size_t i = 0; i + 1 < line.size(); ++i) {
    const WalkPoint p = atVertex(line[i], 0.0), q = atVertex(line[i + 1], 1.0);
    std::vector<WalkPoint> cuts{p, q};
    auto addCrossings = [&](double from, double to, bool alongU) {
      for (double k = std::floor(std::min(from, to)) + 1; k < std::max(from, to); k += 1.0) {
        WalkPoint c;
        c.t = (k - from) / (to - from);
        c.u = alongU ? k : p.u + c.t * (q.u - p.u);
        c.v = alongU ? p.v + c.t * (q.v - p.v) : k;
        cuts.push_back(c);
      }
    };
    addCrossings(p.u, q.u, true);
    addCrossings(p.v, q.v, false);
    std::sort(cuts.begin(), cuts.end(), [](const WalkPoint& a, const WalkPoint& b) { return a.t < b.t; });
    // A crossing through a mesh corner shows up on both axes: keep one point with both edges.
    std::vector<WalkPoint> merged;
    for (const WalkPoint& c : cuts) {
      if (!merged.empty() && c.t - merged.back().t < 1e-12 && c.t != 1.0 && merged.back().t != 0.0) {
        if (c.u == std::floor(c.u)) merged.back().u = c.u;
        if (c.v == std::floor(c.v)) merged.back().v = c.v;
        continue;
      }
      merged.push_back(c);
    }
    for (WalkPoint& c : merged)
      if (c.t != 0.0 && c.t != 1.0) c.lonLat = {c.u + 100.0, c.v / 1.5};
    for (size_t k = 0; k + 1 < merged.size(); ++k) {
      const WalkPoint& a = merged[k];
      const WalkPoint& b = merged[k + 1];
      if (a == b) continue;
      const int row = static_cast<int>(std::floor((a.v + b.v) / 2));
      const int column = static_cast<int>(std::floor((a.u + b.u) / 2));
      emit(a, b, row * 100 + column);
    }
  }
}

MeshFraction fractionIn(const WalkPoint& p, int mesh) {
  const int row = mesh / 100, column = mesh % 100;
  return {std::clamp(p.u - column, 0.0, 1.0), std::clamp(row + 1 - p.v, 0.0, 1.0)};
}

}  // namespace

void splitIntoMeshes(const Polyline& line, const std::function<bool(int)>& wanted,
                     MeshPieces* pieces) {
  int currentMesh = -1;
  std::vector<MeshFraction> current;
  auto flush = [&] {
    if (current.size() >= 2 && wanted(currentMesh)) (*pieces)[currentMesh].push_back(current);
    current.clear();
  };
  walkMeshes(line, [&](const WalkPoint& a, const WalkPoint& b, int mesh) {
    if (mesh != currentMesh || current.empty()) {
      flush();
      currentMesh = mesh;
      current.push_back(fractionIn(a, mesh));
    }
    current.push_back(fractionIn(b, mesh));
  });
  flush();
}

std::vector<Polyline> keepRunsInMeshes(const Polyline& line, const std::function<bool(int)>& keep) {
  std::vector<Polyline> runs;
  Polyline current;
  auto flush = [&] {
    if (current.size() >= 2) runs.push_back(current);
    current.clear();
  };
  walkMeshes(line, [&](const WalkPoint& a, const WalkPoint& b, int mesh) {
    if (!keep(mesh)) { flush(); return; }
    if (current.empty()) current.push_back(a.lonLat);
    current.push_back(b.lonLat);
  });
  flush();
  return runs;
}

}  // namespace sampledata
