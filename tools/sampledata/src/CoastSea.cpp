#include "CoastSea.h"

#include <netcdf.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <stdexcept>

namespace sampledata {
namespace {

void check(int status, const std::string& what) {
  if (status != NC_NOERR) throw std::runtime_error(what + ": " + nc_strerror(status));
}

std::vector<double> axis(int file, const char* name, const std::string& path) {
  int var = 0, dim = 0;
  size_t n = 0;
  check(nc_inq_varid(file, name, &var), path + ": " + name);
  check(nc_inq_vardimid(file, var, &dim), path + ": " + name);
  check(nc_inq_dimlen(file, dim, &n), path + ": " + name);
  std::vector<double> values(n);
  check(nc_get_var_double(file, var, values.data()), path + ": " + name);
  return values;
}

// First and last index of the ascending axis that bracket [low, high].
std::pair<size_t, size_t> span(const std::vector<double>& axis, double low, double high) {
  size_t first = 0, last = axis.size() - 1;
  while (first + 1 < axis.size() && axis[first + 1] <= low) ++first;
  while (last > 0 && axis[last - 1] >= high) --last;
  return {first, last};
}

// A polygon with its box, to pass over most polygons quickly.
struct BoxedPolygon {
  Box box;
  const Polyline* ring;
};

bool inside(LonLat p, const Polyline& ring) {
  bool in = false;
  for (size_t i = 0, j = ring.size() - 1; i < ring.size(); j = i++) {
    const LonLat a = ring[i], b = ring[j];
    if ((a.lat > p.lat) != (b.lat > p.lat) && p.lon < (b.lon - a.lon) * (p.lat - a.lat) / (b.lat - a.lat) + a.lon)
      in = !in;
  }
  return in;
}

// The south-west corner of a third-order cell and its side in degrees.
LonLat cellCorner(const std::string& code) {
  auto digit = [&](size_t i) { return code[i] - '0'; };
  return {100 + std::stoi(code.substr(2, 2)) + digit(5) / 8.0 + digit(7) / 80.0,
          (std::stoi(code.substr(0, 2)) + digit(4) / 8.0 + digit(6) / 80.0) / 1.5};
}
constexpr double kCellLon = 1.0 / 80, kCellLat = 1.0 / 120;

}  // namespace

DepthGrid DepthGrid::read(const std::string& path, const Box& box) {
  int file = 0;
  check(nc_open(path.c_str(), NC_NOWRITE, &file), path);
  DepthGrid grid;
  try {
    const auto lons = axis(file, "ETOPO05_X", path), lats = axis(file, "ETOPO05_Y", path);
    if (!std::is_sorted(lons.begin(), lons.end()) || !std::is_sorted(lats.begin(), lats.end()))
      throw std::runtime_error(path + ": axes not ascending");
    const auto [x0, x1] = span(lons, box.west, box.east);
    const auto [y0, y1] = span(lats, box.south, box.north);
    grid.lons_.assign(lons.begin() + x0, lons.begin() + x1 + 1);
    grid.lats_.assign(lats.begin() + y0, lats.begin() + y1 + 1);
    int var = 0;
    check(nc_inq_varid(file, "ROSE", &var), path + ": ROSE");
    const size_t start[2] = {y0, x0}, count[2] = {y1 - y0 + 1, x1 - x0 + 1};
    grid.values_.resize(count[0] * count[1]);
    check(nc_get_vara_float(file, var, start, count, grid.values_.data()), path + ": ROSE");
  } catch (...) {
    nc_close(file);
    throw;
  }
  nc_close(file);
  return grid;
}

double DepthGrid::elevation(LonLat p) const {
  const auto cell = [](const std::vector<double>& axis, double v) {
    const size_t i = std::upper_bound(axis.begin(), axis.end(), v) - axis.begin();
    return std::clamp<size_t>(i, 1, axis.size() - 1) - 1;
  };
  const size_t i = cell(lons_, p.lon), j = cell(lats_, p.lat);
  const double tx = (p.lon - lons_[i]) / (lons_[i + 1] - lons_[i]), ty = (p.lat - lats_[j]) / (lats_[j + 1] - lats_[j]);
  const size_t w = lons_.size();
  const double south = values_[j * w + i] * (1 - tx) + values_[j * w + i + 1] * tx;
  const double north = values_[(j + 1) * w + i] * (1 - tx) + values_[(j + 1) * w + i + 1] * tx;
  return south * (1 - ty) + north * ty;
}

CellDepths cellDepths(const DepthGrid& grid, const std::string& code) {
  const LonLat corner = cellCorner(code);
  double sum = 0, least = 1e9, greatest = -1e9;
  for (int k = 0; k < 9; ++k) {
    const LonLat p{corner.lon + (k % 3 + 0.5) / 3 * kCellLon, corner.lat + (k / 3 + 0.5) / 3 * kCellLat};
    const double depth = std::max(1.0, -grid.elevation(p));
    sum += depth;
    least = std::min(least, depth);
    greatest = std::max(greatest, depth);
  }
  return {static_cast<int>(std::lround(sum / 9)), static_cast<int>(std::lround(least)),
          static_cast<int>(std::lround(greatest))};
}

Box meshBlockBox(int centreMesh) {
  const int row = centreMesh / 100, column = centreMesh % 100;
  return {100.0 + column - 3, (row - 3) / 1.5, 100.0 + column + 4, (row + 4) / 1.5};
}

ByteBuffer coastSeaFile(const DepthGrid& grid, const std::vector<PrefecturePolygon>& polygons, int centreMesh) {
  std::vector<BoxedPolygon> boxed;
  for (const auto& polygon : polygons) {
    Box box{180, 90, -180, -90};
    for (LonLat v : polygon.ring)
      box = {std::min(box.west, v.lon), std::min(box.south, v.lat), std::max(box.east, v.lon),
             std::max(box.north, v.lat)};
    boxed.push_back({box, &polygon.ring});
  }
  ByteBuffer out;
  for (int row = centreMesh / 100 - 3; row <= centreMesh / 100 + 3; ++row)
    for (int column = centreMesh % 100 - 3; column <= centreMesh % 100 + 3; ++column)
      for (int cell = 0; cell < 6400; ++cell) {
        const int r = cell / 80, c = cell % 80;
        char code[16];
        std::snprintf(code, sizeof code, "%02d%02d%d%d%d%d", row, column, r / 10, c / 10, r % 10, c % 10);
        const LonLat corner = cellCorner(code);
        const LonLat centre{corner.lon + kCellLon / 2, corner.lat + kCellLat / 2};
        const bool onLand = std::any_of(boxed.begin(), boxed.end(), [&](const BoxedPolygon& b) {
          return b.box.contains(centre) && inside(centre, *b.ring);
        });
        if (onLand || grid.elevation(centre) >= 0) continue;
        const CellDepths d = cellDepths(grid, code);
        if (d.mean < 1 || d.mean > 200) continue;
        char line[40];
        std::snprintf(line, sizeof line, "COAST%s%4d%4d%4d", code, d.mean, d.least, d.greatest);
        appendLine(&out, line);
      }
  return out;
}

}  // namespace sampledata
