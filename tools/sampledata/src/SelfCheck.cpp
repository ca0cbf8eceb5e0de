#include "SelfCheck.h"

#include "BaseMapFiles.h"
#include "JapanArea.h"
#include "Output.h"

#include <iconv.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <set>
#include <stdexcept>

namespace sampledata {
namespace {

using Pair = std::pair<int32_t, int32_t>;

class Report {
 public:
  void fault(const std::string& file, const std::string& what) {
    std::printf("FAULT %s: %s\n", file.c_str(), what.c_str());
    ++faults_;
  }
  void expect(bool ok, const std::string& file, const std::string& what) {
    if (!ok) fault(file, what);
  }
  int faults() const { return faults_; }

 private:
  int faults_ = 0;
};

int32_t le32(const std::string& bytes, size_t at) {
  uint32_t v = 0;
  for (int i = 0; i < 4; ++i) v |= static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + i])) << (8 * i);
  return static_cast<int32_t>(v);
}

int16_t le16(const std::string& bytes, size_t at) {
  return static_cast<int16_t>(static_cast<uint8_t>(bytes[at]) |
                              (static_cast<uint8_t>(bytes[at + 1]) << 8));
}

std::vector<Pair> int32Records(const std::string& bytes) {
  std::vector<Pair> records;
  for (size_t at = 0; at + 8 <= bytes.size(); at += 8) records.push_back({le32(bytes, at), le32(bytes, at + 4)});
  return records;
}

std::string fromCp932(const std::string& bytes) {
  iconv_t cd = iconv_open("UTF-8", "CP932");
  std::string in = bytes, out(bytes.size() * 3 + 4, '\0');
  char* inPtr = in.data();
  char* outPtr = out.data();
  size_t inLeft = in.size(), outLeft = out.size();
  const size_t rc = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
  iconv_close(cd);
  if (rc == static_cast<size_t>(-1)) return "\xEF\xBF\xBD";
  out.resize(out.size() - outLeft);
  return out;
}

// Lines of a text file; faults for a line end other than CR LF.
std::vector<std::string> crlfLines(const std::string& bytes, const std::string& file, Report* report) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < bytes.size()) {
    const size_t lf = bytes.find('\n', start);
    if (lf == std::string::npos) {
      report->fault(file, "last line has no line end");
      lines.push_back(bytes.substr(start));
      break;
    }
    if (lf == start || bytes[lf - 1] != '\r') report->fault(file, "line end is not CR LF");
    const std::string line = bytes.substr(start, lf - start - (lf > start && bytes[lf - 1] == '\r'));
    if (line.find('\r') != std::string::npos) report->fault(file, "stray CR");
    lines.push_back(line);
    start = lf + 1;
  }
  return lines;
}

std::set<Pair> roundedVertices(const std::vector<Polyline>& lines, double unitsPerDegree) {
  std::set<Pair> set;
  for (const auto& line : lines)
    for (LonLat p : line)
      set.insert({static_cast<int32_t>(std::llround(p.lat * unitsPerDegree)),
                  static_cast<int32_t>(std::llround(p.lon * unitsPerDegree))});
  return set;
}

// A point of 1/10000 degree that lies on a mesh edge (cut points are not source vertices).
bool onMeshEdge(Pair latLon) {
  if (latLon.second % 10000 == 0) return true;
  const double v = latLon.first * 1.5 / 10000.0;
  return std::abs(v - std::round(v)) <= 0.75e-4 + 1e-9;
}

struct OutlineCounts {
  size_t lines = 0, points = 0;
};

enum class Cuts { None, MeshEdges, JapanArea };

bool onJapanAreaEdge(Pair latLon) {
  return latLon.first == kJapanAreaNorth || latLon.first == kJapanAreaNorth + 1 ||
         latLon.second == kJapanAreaWest || latLon.second == kJapanAreaWest - 1;
}

OutlineCounts checkOutlineFile(const std::string& dir, const std::string& name,
                               const std::vector<Polyline>& source, Cuts cuts, Report* report) {
  const std::string bytes = readFile(dir + "/Coast_JB/" + name);
  report->expect(bytes.size() % 8 == 0, name, "size is not a multiple of 8");
  const auto records = int32Records(bytes);
  const auto vertices = roundedVertices(source, 10000.0);
  OutlineCounts counts;
  size_t run = 0, foreign = 0, bridges = 0;
  bool passedOver = false, keptBefore = false;  // the Japan-area rule within the current line
  for (size_t i = 0; i < records.size(); ++i) {
    const Pair r = records[i];
    if (r == Pair{kPenUp, kPenUp}) {
      report->expect(i == records.size() - 1 || run != 1, name, "a line of one point");
      run = 0;
      passedOver = keptBefore = false;
      continue;
    }
    if (inJapanArea(r.first, r.second)) {
      if (passedOver && keptBefore) ++bridges;
      keptBefore = true;
      passedOver = false;
    } else {
      passedOver = true;
    }
    report->expect(i > 0, name, "does not start with a pen lift");
    report->expect(r.first > -900000 && r.first < 900000 && r.second >= 0 && r.second < 1800000,
                   name, "point out of range");
    if (run == 0) ++counts.lines;
    ++run;
    ++counts.points;
    if (!vertices.contains(r) && !(cuts == Cuts::MeshEdges && onMeshEdge(r)) &&
        !(cuts == Cuts::JapanArea && onJapanAreaEdge(r)))
      ++foreign;
  }
  report->expect(!records.empty() && records.back() == Pair{kPenUp, kPenUp}, name,
                 "does not end with a pen lift");
  if (cuts == Cuts::JapanArea && bridges)
    report->fault(name, std::to_string(bridges) + " lines bridged across points the Japan area passes over");
  if (foreign)
    report->fault(name, std::to_string(foreign) + " points farther than half a unit from every source vertex");
  std::printf("%-26s %9zu bytes %7zu lines %8zu points\n", ("Coast_JB/" + name).c_str(), bytes.size(),
              counts.lines, counts.points);
  return counts;
}

// Mesh-cut files of one kind: headers, ranges, file regions, and every point either on a mesh
// edge or within half a unit of a source vertex of that mesh; and every source vertex of a
// covered mesh present.
void checkMeshFiles(const std::string& dir, const std::string& stem, int fileCount, int units,
                    int (*fileOfMesh)(int), const std::vector<Polyline>& source,
                    const std::set<int>& wantedMeshes, Report* report) {
  std::map<int, std::set<std::pair<int, int>>> written;
  size_t totalPoints = 0;
  for (int f = 1; f <= fileCount; ++f) {
    char name[32];
    std::snprintf(name, sizeof name, "%s%02d.dat", stem.c_str(), f);
    const std::string bytes = readFile(dir + "/Coast_JB/" + name);
    report->expect(bytes.size() % 4 == 0, name, "size is not a multiple of 4");
    int mesh = -1;
    size_t points = 0, pieces = 0, meshes = 0;
    std::pair<int, int> last{-1, -1};
    for (size_t at = 0; at + 4 <= bytes.size(); at += 4) {
      const int a = le16(bytes, at), b = le16(bytes, at + 2);
      if (a == kMeshHeader) {
        mesh = b;
        ++meshes;
        report->expect(!written.contains(mesh), name, "mesh " + std::to_string(mesh) + " twice");
        report->expect(fileOfMesh(mesh) == f, name, "mesh " + std::to_string(mesh) + " in the wrong file");
        written[mesh];
        last = {-1, -1};
        continue;
      }
      report->expect(mesh >= 0, name, "record before the first header");
      if (a == kMeshPenUp) { ++pieces; last = {-1, -1}; continue; }
      report->expect(a >= 0 && a <= units && b >= 0 && b <= units, name, "point outside its mesh");
      report->expect(std::pair{a, b} != last, name, "repeated point");
      last = {a, b};
      written[mesh].insert({a, b});
      ++points;
    }
    totalPoints += points;
    std::printf("%-26s %9zu bytes %7zu meshes %6zu lines %8zu points\n", (std::string("Coast_JB/") + name).c_str(),
                bytes.size(), meshes, pieces, points);
  }
  // Both ways against the source vertices that lie inside a mesh (not on an edge).
  std::map<int, std::set<std::pair<int, int>>> expected;
  for (const auto& line : source)
    for (LonLat p : line) {
      const double u = p.lon - 100.0, v = p.lat * 1.5;
      const int column = static_cast<int>(std::floor(u)), row = static_cast<int>(std::floor(v));
      const int mesh = row * 100 + column;
      if (!wantedMeshes.contains(mesh) || fileOfMesh(mesh) == 0) continue;
      const double east = u - column, south = row + 1 - v;
      if (east * units < 0.5 || east * units > units - 0.5 || south * units < 0.5 || south * units > units - 0.5)
        continue;
      expected[mesh].insert({static_cast<int>(std::llround(east * units)),
                             static_cast<int>(std::llround(south * units))});
    }
  size_t missing = 0, foreign = 0;
  for (const auto& [mesh, points] : expected)
    for (const auto& p : points)
      if (!written[mesh].contains(p)) ++missing;
  for (const auto& [mesh, points] : written)
    for (const auto& p : points)
      if (p.first != 0 && p.first != units && p.second != 0 && p.second != units &&
          !expected[mesh].contains(p))
        ++foreign;
  report->expect(missing == 0, stem, std::to_string(missing) + " source vertices not written");
  report->expect(foreign == 0, stem, std::to_string(foreign) + " points not within half a unit of a source vertex");
  std::printf("%-26s %9zu points in %zu meshes, all within half a unit of their source\n", (stem + "*").c_str(),
              totalPoints, written.size());
}

void checkLakes(const std::string& dir, const CheckSources& sources, Report* report) {
  const std::string bytes = readFile(dir + "/Coast_JB/TLR0001.DAT");
  const auto records = int32Records(bytes);
  const auto vertices = roundedVertices(sources.lakes, 3600.0);
  size_t at = 0, lakes = 0, points = 0, foreign = 0, largest = 0;
  while (at < records.size()) {
    if (at + 2 > records.size()) { report->fault("TLR0001.DAT", "lake header cut short"); break; }
    const Pair southWest = records[at], northEast = records[at + 1];
    at += 2;
    std::vector<Pair> ring;
    while (at < records.size() && records[at] != Pair{kPenUp, kPenUp}) ring.push_back(records[at++]);
    report->expect(at < records.size(), "TLR0001.DAT", "last lake not ended by (999, 999)");
    ++at;
    ++lakes;
    points += ring.size();
    largest = std::max(largest, ring.size());
    report->expect(ring.size() >= 4, "TLR0001.DAT", "lake of fewer than four points");
    report->expect(!ring.empty() && ring.front() == ring.back(), "TLR0001.DAT",
                   "lake " + std::to_string(lakes) + " not closed");
    Pair lo = ring.empty() ? Pair{} : ring[0], hi = lo;
    for (Pair p : ring) {
      lo = {std::min(lo.first, p.first), std::min(lo.second, p.second)};
      hi = {std::max(hi.first, p.first), std::max(hi.second, p.second)};
      if (!vertices.contains(p)) ++foreign;
      report->expect(kJapanBox.contains({p.second / 3600.0, p.first / 3600.0}), "TLR0001.DAT",
                     "lake point outside Japan");
    }
    report->expect(lo == southWest && hi == northEast, "TLR0001.DAT", "lake box is not its points' box");
  }
  report->expect(lakes == sources.lakes.size(), "TLR0001.DAT", "lake count differs from the source");
  report->expect(foreign == 0, "TLR0001.DAT", "points farther than half a second from the source");
  std::printf("%-26s %9zu bytes %7zu lakes  %8zu points (largest %zu), all closed\n",
              "Coast_JB/TLR0001.DAT", bytes.size(), lakes, points, largest);
  report->expect(std::filesystem::exists(dir + "/Coast_JB/TLR0002.DAT") &&
                     std::filesystem::file_size(dir + "/Coast_JB/TLR0002.DAT") == 0,
                 "TLR0002.DAT", "missing or not empty");
}

void checkPrefecturePolygons(const std::string& dir, const CheckSources& sources, Report* report) {
  const std::string name = "PRFCT_RK.DAT";
  const std::string bytes = readFile(dir + "/Coast_JB/" + name);
  const auto records = int32Records(bytes);
  std::vector<Polyline> rings;
  for (const auto& p : sources.prefecturePolygons) rings.push_back(p.ring);
  const auto vertices = roundedVertices(rings, 10000.0);
  std::map<int, size_t> filledRings;
  size_t polygons = 0, points = 0, foreign = 0, largest = 0;
  report->expect(!records.empty() && records[0] == Pair{kPenUp, kPenUp}, name, "does not start with (999, 999)");
  size_t at = 0;
  while (at < records.size()) {
    report->expect(records[at] == Pair{kPenUp, kPenUp}, name, "polygon not introduced by (999, 999)");
    if (at + 1 >= records.size()) { report->fault(name, "no header after the last (999, 999)"); break; }
    const int code = records[at + 1].first;
    report->expect(code >= 1 && code <= 47, name, "header code out of 1..47");
    at += 2;
    size_t n = 0;
    while (at < records.size() && records[at] != Pair{kPenUp, kPenUp}) {
      if (!vertices.contains(records[at])) ++foreign;
      report->expect(kJapanBox.contains({records[at].second / 1e4, records[at].first / 1e4}), name,
                     "point outside Japan");
      ++at;
      ++n;
    }
    if (at >= records.size()) {
      report->expect(n == 0, name, "last polygon not closed off by (999, 999) and a header");
      break;
    }
    if (n > 0) ++polygons;
    points += n;
    largest = std::max(largest, n);
    if (n > 10) ++filledRings[code];
  }
  for (int code = 1; code <= 47; ++code)
    report->expect(filledRings[code] > 0, name, "prefecture " + std::to_string(code) + " has no polygon of more than 10 points");
  report->expect(largest <= 1000, name, "a polygon of more than 1000 points");
  report->expect(foreign == 0, name, "points not from the source");
  std::printf("%-26s %9zu bytes %7zu rings  %8zu points (largest %zu), 47 prefectures\n",
              ("Coast_JB/" + name).c_str(), bytes.size(), polygons, points, largest);
}

void checkPrefectureTable(const std::string& dir, const CheckSources& sources, Report* report) {
  const std::string name = "MAPELMNT/都道府県.DAT";
  const std::string bytes = readFile(dir + "/MAPELMNT/都道府県.DAT");
  size_t index = 0;
  for (const std::string& line : crlfLines(bytes, name, report)) {
    report->expect(line.size() <= 99, name, "line longer than 99 bytes");
    if (line.empty() || line[0] == ';') continue;
    if (index >= sources.prefectures.size()) { report->fault(name, "more data lines than prefectures"); break; }
    const Prefecture& p = sources.prefectures[index++];
    int latD, latM, latS, lonD, lonM, lonS;
    char rest[64] = "";
    if (std::sscanf(line.c_str(), "%d.%2d%2d %d.%2d%2d %63s", &latD, &latM, &latS, &lonD, &lonM, &lonS, rest) != 7) {
      report->fault(name, "bad line " + line);
      continue;
    }
    // The label reader's reading: seconds times 2.7777777 in single precision, 1/10000 degree.
    const float lat = static_cast<float>((latD * 60 + latM) * 60 + latS) * 2.7777777f;
    const float lon = static_cast<float>((lonD * 60 + lonM) * 60 + lonS) * 2.7777777f;
    report->expect(kJapanBox.contains({lon / 1e4, lat / 1e4}), name, p.romaji + " label outside Japan");
    const int mesh = ((latD * 60 + latM) * 60 + latS) / 2400 * 100 + ((lonD * 60 + lonM) * 60 + lonS) / 3600 - 100;
    report->expect(mesh == p.officeMesh, name, p.romaji + " label not in the office's mesh");
    // The statistics map reads degrees and minutes (D.MM) of the same fields: same point.
    report->expect(latS == 0 && lonS == 0, name, p.romaji + " has seconds, so the two readings differ");
    report->expect(fromCp932(rest) == p.name, name, p.romaji + " name differs");
  }
  report->expect(index == 47, name, "not 47 data lines");
  std::printf("%-26s %9zu bytes %7zu labels inside Japan, each in its office's mesh\n", name.c_str(),
              bytes.size(), index);
}

void checkSheetIndex(const std::string& dir, const CheckSources& sources, Report* report) {
  const std::string name = "BlcMap20.idx";
  const std::string bytes = readFile(dir + "/" + name);
  const auto lines = crlfLines(bytes, name, report);
  const std::string fullB = toCp932("Ｂ"), fullO = toCp932("Ｏ");
  size_t sheetLines = 0;
  for (const std::string& line : lines) {
    report->expect(line.size() <= 199, name, "line longer than 199 bytes");
    if (!line.empty() && line[0] == ';') continue;
    ++sheetLines;
    const std::string text = fromCp932(line);
    report->expect(text.find("Ｂ", 1) == std::string::npos && text.find("Ｏ", 1) == std::string::npos &&
                       line.find(fullB, 1) == std::string::npos && line.find(fullO, 1) == std::string::npos,
                   name, "a marked line");
  }
  report->expect(sheetLines == sources.sheets.size(), name, "not one line per sheet");
  // Every sheet is found by its name as the sheet look-up searches: the first line whose name
  // columns contain the name, a name of four bytes or fewer with a blank behind it.
  for (const Sheet& sheet : sources.sheets) {
    std::string wanted = sheet.name;
    if (toCp932(wanted).size() <= 4) wanted += ' ';
    const std::string* found = nullptr;
    for (const std::string& line : lines) {
      std::string field = line.size() > 9 ? line.substr(9, 12) : std::string();
      if (fromCp932(field).find(wanted) != std::string::npos) { found = &line; break; }
    }
    if (!found) { report->fault(name, "sheet " + sheet.romaji + " not found by its name"); continue; }
    report->expect(found->substr(0, 4) == sheetIndexLine(sheet).substr(0, 4), name,
                   "the name " + sheet.romaji + " finds another sheet's line");
    report->expect(found->substr(22, 7) == cornerLatitudeText(sheet.mesh) &&
                       found->substr(32, 8) == cornerLongitudeText(sheet.mesh),
                   name, "corner texts of " + sheet.romaji);
    // Cell of the index map: rows from 24 degrees north, columns from 123 degrees east.
    const int row = 32 - ((std::stoi(found->substr(22, 2)) - 24) * 60 + std::stoi(found->substr(25, 2))) / 40;
    const int column = std::stoi(found->substr(32, 3)) - 123;
    report->expect(row >= 0 && row <= 32 && column >= 0 && column <= 26, name,
                   "sheet " + sheet.romaji + " outside the index map's grid");
  }
  std::printf("%-26s %9zu bytes %7zu sheets, each found by its name\n", name.c_str(), bytes.size(), sheetLines);
}

}  // namespace

int checkOutput(const std::string& dir, const CheckSources& sources) {
  Report report;
  try {
    checkOutlineFile(dir, "BN_JMAPA.DAT", sources.coast, Cuts::JapanArea, &report);
    checkOutlineFile(dir, "BN_FECST.DAT", sources.coast, Cuts::MeshEdges, &report);
    checkOutlineFile(dir, "FEBORDER.DAT", sources.nationalBorders, Cuts::JapanArea, &report);
    checkOutlineFile(dir, "JILSPFTR.DAT", sources.prefectureBorders, Cuts::None, &report);
    checkPrefecturePolygons(dir, sources, &report);
    const std::set<int> japan(sources.japanMeshes.begin(), sources.japanMeshes.end());
    checkMeshFiles(dir, "coast", 6, 3190, coastFileOfMesh, sources.coast, japan, &report);
    std::set<int> everyMesh;
    for (int lat = 0; lat < 100; ++lat)
      for (int lon = 0; lon < 100; ++lon) everyMesh.insert(lat * 100 + lon);
    checkMeshFiles(dir, "pfctr", 3, 319, borderFileOfMesh, sources.prefectureBorders, everyMesh, &report);
    checkLakes(dir, sources, &report);
    checkPrefectureTable(dir, sources, &report);
    checkSheetIndex(dir, sources, &report);
  } catch (const std::exception& e) {
    report.fault("check", e.what());
  }
  return report.faults();
}

}  // namespace sampledata
