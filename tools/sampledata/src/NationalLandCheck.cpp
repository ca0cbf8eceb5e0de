#include "NationalLandCheck.h"

#include "Output.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>

namespace sampledata {
namespace {

using TenthPoint = std::pair<int32_t, int32_t>;  // longitude, latitude in tenths of a second

TenthPoint tenths(LonLat p) { return {toTenthSeconds(p.lon), toTenthSeconds(p.lat)}; }

int number(const std::string& line, size_t column, size_t width) {
  return line.size() < column ? 0 : std::atoi(line.substr(column, width).c_str());
}

class Checker {
 public:
  explicit Checker(const std::string& dataDir) {
    for (const auto& line : readLines(dataDir + "/Msh_prft.dat")) {
      const size_t equals = line.find('=');
      if (equals == std::string::npos) continue;
      std::istringstream codes(line.substr(equals + 1));
      for (int code; codes >> code;) listed_.insert({std::atoi(line.c_str()), code});
    }
  }
  // One written point of a record of the prefecture.
  void point(TenthPoint p, int prefecture, const std::set<TenthPoint>& sourcePoints, const char* file) {
    ++points_;
    const LonLat at{p.first / 36000.0, p.second / 36000.0};
    if (!sourcePoints.contains(p)) fault(file, "a point that is no source point", p);
    if (!kJapanBox.contains(at)) fault(file, "a point outside Japan", p);
    if (!listed_.contains({meshCodeOf(at), prefecture})) fault(file, "a mesh that Msh_prft.dat does not list", p);
  }
  int points() const { return points_; }
  int faults() const { return faults_; }

 private:
  void fault(const char* file, const char* what, TenthPoint p) {
    if (faults_++ < 10) std::printf("check: %s: %s (%d %d)\n", file, what, p.first, p.second);
  }
  std::set<std::pair<int, int>> listed_;
  int points_ = 0, faults_ = 0;
};

}  // namespace

int checkNationalLand(const std::string& dataDir, const NationalLandSources& sources) {
  Checker check(dataDir);
  const std::string ksj = dataDir + "/KSJ/";

  std::set<TenthPoint> riverPoints;
  for (const auto& river : sources.rivers)
    for (LonLat p : river) riverPoints.insert(tenths(p));
  int riverFiles = 0, records = 0;
  for (int code = 1; code <= 47; ++code) {
    char name[32];
    std::snprintf(name, sizeof name, "RIVER_S_%02d.txt", code);
    const auto text = readLines(ksj + name);
    if (text.empty()) continue;
    ++riverFiles;
    if (text.back() != "S") check.point({0, 0}, code, {}, name);
    for (size_t i = 0; i < text.size(); ++i) {
      if (text[i].empty() || text[i][0] != 'L') continue;
      ++records;
      const int n = number(text[i], 46, 10);
      std::istringstream values;
      std::string joined;
      for (size_t k = i + 1; k <= i + (n + 4) / 5 && k < text.size(); ++k) joined += text[k] + " ";
      values.str(joined);
      int read = 0;
      for (int32_t lon, lat; read < n && values >> lon >> lat; ++read) check.point({lon, lat}, code, riverPoints, name);
      if (read != n || n < 2) check.point({0, 0}, code, {}, name);
    }
  }
  std::printf("KSJ/RIVER_S_*.txt %5d files %6d records %6d points\n", riverFiles, records, check.points());

  int cells = 0;
  for (int code = 1; code <= 47; ++code) {
    char name[32];
    std::snprintf(name, sizeof name, "RVLEN_S_%02d.txt", code);
    for (const auto& line : readLines(ksj + name)) {
      ++cells;
      const int mesh = number(line, 5, 4);
      const double lat = (mesh / 100 + number(line, 9, 1) / 8.0 + number(line, 11, 1) / 80.0 + 1 / 160.0) / 1.5;
      const double lon = 100 + mesh % 100 + number(line, 10, 1) / 8.0 + number(line, 12, 1) / 80.0 + 1 / 160.0;
      const TenthPoint centre = tenths({lon, lat});
      const bool tagOk = line.size() >= 81 && line[0] != 'H' && line[0] != 'D';
      const int metres = number(line, 33, 6) + number(line, 45, 6) + number(line, 51, 6);
      if (!tagOk || metres <= 0 || thirdMeshCodeOf({lon, lat}) != line.substr(5, 8))
        check.point(centre, code, {}, name);
      else
        check.point(centre, code, {centre}, name);
    }
  }
  std::printf("KSJ/RVLEN_S_*.txt %5d cells\n", cells);

  const int before = check.points();
  for (const auto& p : sources.prefectures) {
    char name[32];
    std::snprintf(name, sizeof name, "FACIL_S_%02d.txt", p.code);
    const auto text = readLines(ksj + name);
    const std::set<TenthPoint> office{{p.officeLonMinutes * 600, p.officeLatMinutes * 600}};
    if (text.size() != 1 || text[0].substr(35, 2) != "02") check.point({0, 0}, p.code, {}, name);
    for (const auto& line : text) check.point({number(line, 9, 8), number(line, 17, 8)}, p.code, office, name);
  }
  std::printf("KSJ/FACIL_S_*.txt %5d offices\n", check.points() - before);

  const auto airportLines = readLines(ksj + "AIRPORT_S.TXT");
  std::set<TenthPoint> airportPoints;
  for (const auto& a : sources.airports) airportPoints.insert(tenths(a.at));
  if (airportLines.size() != sources.airports.size()) check.point({0, 0}, 0, {}, "AIRPORT_S.TXT");
  for (const auto& line : airportLines)
    check.point({number(line, 9, 8), number(line, 17, 8)}, number(line, 26, 2), airportPoints, "AIRPORT_S.TXT");
  std::printf("KSJ/AIRPORT_S.TXT %5zu airports\n", airportLines.size());

  const auto townLines = readLines(ksj + "CITIES_S.TXT");
  std::set<TenthPoint> townPoints;
  for (const auto& t : sources.towns) townPoints.insert(tenths(t.at));
  if (townLines.size() != sources.towns.size()) check.point({0, 0}, 0, {}, "CITIES_S.TXT");
  for (size_t i = 0; i < townLines.size() && i < sources.towns.size(); ++i) {
    const TenthPoint at{number(townLines[i], 9, 8), number(townLines[i], 17, 8)};
    const LonLat p{at.first / 36000.0, at.second / 36000.0};
    if (number(townLines[i], 60, 10) != sources.towns[i].population) check.point({0, 0}, 0, {}, "CITIES_S.TXT");
    if (!kJapanBox.contains(p)) check.point(at, 0, townPoints, "CITIES_S.TXT");
  }
  std::printf("KSJ/CITIES_S.TXT  %5zu towns\n", townLines.size());

  const auto seaLines = readLines(ksj + "COASTSEA_S.TXT");
  int seaFaults = 0;
  for (const auto& line : seaLines) {
    const std::string code = line.substr(5, 8);
    const CellDepths d = cellDepths(*sources.depths, code);
    const int mean = number(line, 13, 4), least = number(line, 17, 4), greatest = number(line, 21, 4);
    const bool ok = line.size() == 25 && line[0] != 'H' && line[0] != 'D' && std::abs(mean - d.mean) <= 1 &&
                    std::abs(least - d.least) <= 1 && std::abs(greatest - d.greatest) <= 1 && least >= 1 &&
                    least <= mean && mean <= greatest && mean <= 200;
    if (!ok && seaFaults++ < 10) std::printf("check: COASTSEA_S.TXT: %s\n", line.c_str());
  }
  std::printf("KSJ/COASTSEA_S.TXT %4zu cells\n", seaLines.size());
  return check.faults() + seaFaults;
}

}  // namespace sampledata
