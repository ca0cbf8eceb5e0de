#include "GshhgReader.h"

#include <netcdf.h>

#include <map>
#include <stdexcept>

namespace sampledata {
namespace {

class NcFile {
 public:
  explicit NcFile(const std::string& path) : path_(path) {
    check(nc_open(path.c_str(), NC_NOWRITE, &id_), "open");
  }
  ~NcFile() { nc_close(id_); }
  NcFile(const NcFile&) = delete;
  NcFile& operator=(const NcFile&) = delete;

  int scalar(const char* name) { return ints(name).at(0); }

  std::vector<int> ints(const char* name) {
    int var = varId(name);
    std::vector<int> values(length(var));
    check(nc_get_var_int(id_, var, values.data()), name);
    return values;
  }

  std::vector<short> shorts(const char* name) {
    int var = varId(name);
    std::vector<short> values(length(var));
    check(nc_get_var_short(id_, var, values.data()), name);
    return values;
  }

 private:
  int varId(const char* name) {
    int var = 0;
    check(nc_inq_varid(id_, name, &var), name);
    return var;
  }
  size_t length(int var) {
    int dim = 0;
    check(nc_inq_vardimid(id_, var, &dim), "dimension");
    size_t n = 0;
    check(nc_inq_dimlen(id_, dim, &n), "dimension length");
    return n;
  }
  void check(int status, const char* what) {
    if (status != NC_NOERR)
      throw std::runtime_error(path_ + ": " + what + ": " + nc_strerror(status));
  }

  std::string path_;
  int id_ = -1;
};

struct Piece {
  int level;
  std::vector<GridPoint> points;
};

// Joins pieces whose end meets the start of another piece of the same level. Chains start at
// pieces that nothing leads into; what is left are rings. File order keeps the result stable.
std::vector<GshhgLine> joinPieces(const std::vector<Piece>& pieces) {
  std::map<std::pair<int, GridPoint>, std::vector<size_t>> byStart;
  std::map<std::pair<int, GridPoint>, int> endCount;
  for (size_t i = 0; i < pieces.size(); ++i) {
    byStart[{pieces[i].level, pieces[i].points.front()}].push_back(i);
    ++endCount[{pieces[i].level, pieces[i].points.back()}];
  }
  std::vector<bool> used(pieces.size(), false);
  std::vector<GshhgLine> lines;
  auto follow = [&](size_t first) {
    GshhgLine line;
    line.level = pieces[first].level;
    size_t current = first;
    for (;;) {
      used[current] = true;
      const auto& pts = pieces[current].points;
      line.points.insert(line.points.end(), pts.begin() + (line.points.empty() ? 0 : 1), pts.end());
      auto next = byStart.find({line.level, line.points.back()});
      if (next == byStart.end()) break;
      size_t chosen = pieces.size();
      for (size_t candidate : next->second)
        if (!used[candidate]) { chosen = candidate; break; }
      if (chosen == pieces.size()) break;
      current = chosen;
    }
    line.closed = line.points.size() > 2 && line.points.front() == line.points.back();
    lines.push_back(std::move(line));
  };
  for (size_t i = 0; i < pieces.size(); ++i)
    if (!used[i] && !endCount.contains({pieces[i].level, pieces[i].points.front()})) follow(i);
  for (size_t i = 0; i < pieces.size(); ++i)
    if (!used[i]) follow(i);
  return lines;
}

}  // namespace

LonLat GshhgGrid::toLonLat(GridPoint p) const {
  const double side = binMinutes / 60.0;
  return {static_cast<double>(p.x) * side / 65535.0,
          -90.0 + static_cast<double>(p.y) * side / 65535.0};
}

std::vector<GshhgLine> readGshhgLines(const std::string& path, GshhgKind kind, const Box& box,
                                      GshhgGrid* grid) {
  NcFile nc(path);
  const int binMinutes = nc.scalar("Bin_size_in_minutes");
  const int binsAcross = nc.scalar("N_bins_in_360_longitude_range");
  const int binsDown = nc.scalar("N_bins_in_180_degree_latitude_range");
  grid->binMinutes = binMinutes;
  const double side = binMinutes / 60.0;

  const auto firstSegment = nc.ints("Id_of_first_segment_in_a_bin");
  const auto segmentCount = nc.shorts("N_segments_in_a_bin");
  const auto firstPoint = nc.ints("Id_of_first_point_in_a_segment");
  std::vector<int> packed;
  std::vector<short> pointCount, levels;
  if (kind == GshhgKind::Coast) {
    packed = nc.ints("Embedded_npts_levels_exit_entry_for_a_segment");
  } else {
    pointCount = nc.shorts("N_points_for_a_segment");
    levels = nc.shorts("Hierarchial_level_of_a_segment");
  }
  const auto dx = nc.shorts("Relative_longitude_from_SW_corner_of_bin");
  const auto dy = nc.shorts("Relative_latitude_from_SW_corner_of_bin");

  std::vector<Piece> pieces;
  for (int b = 0; b < binsAcross * binsDown; ++b) {
    const int row = b / binsAcross;  // from the north
    const int column = b % binsAcross;
    const double south = 90.0 - (row + 1) * side;
    const double west = column * side;
    if (west + side < box.west || west > box.east || south + side < box.south || south > box.north)
      continue;
    const int64_t x0 = int64_t{column} * 65535;
    const int64_t y0 = int64_t{binsDown - 1 - row} * 65535;
    for (int s = firstSegment[b]; s < firstSegment[b] + segmentCount[b]; ++s) {
      Piece piece;
      int n = 0;
      if (kind == GshhgKind::Coast) {
        n = packed[s] >> 9;
        piece.level = (packed[s] >> 6) & 7;
      } else {
        n = pointCount[s];
        piece.level = levels[s];
      }
      for (int k = 0; k < n; ++k) {
        const size_t i = static_cast<size_t>(firstPoint[s]) + k;
        GridPoint p{x0 + static_cast<uint16_t>(dx.at(i)), y0 + static_cast<uint16_t>(dy.at(i))};
        if (piece.points.empty() || !(piece.points.back() == p)) piece.points.push_back(p);
      }
      if (piece.points.size() >= 2) pieces.push_back(std::move(piece));
    }
  }
  return joinPieces(pieces);
}

}  // namespace sampledata
