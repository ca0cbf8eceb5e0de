#include "CountryFilesCheck.h"

#include "Output.h"

#include "GridCut.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <tuple>
#include <vector>

namespace sampledata {
namespace {

long field(const std::string& line, size_t column, size_t width) {
  return line.size() <= column ? 0 : std::atol(line.substr(column, width).c_str());
}

int fault(const std::string& what) {
  std::printf("  fault: %s\n", what.c_str());
  return 1;
}

int checkAreaFile(const std::string& path, int* areas) {
  const auto text = readLines(path);
  int faults = 0;
  std::map<std::tuple<long, long, long>, TenthLine> chains;
  size_t i = 0;
  for (; i < text.size() && !text[i].starts_with("D"); ++i) {
    const std::string& line = text[i];
    if (line.starts_with("L")) {
      const long n = field(line, 46, 10);
      TenthLine& points = chains[{field(line, 3, 4), field(line, 7, 2), field(line, 27, 6)}];
      if (n < 2 || n > 500) faults += fault(path + ": chain of " + std::to_string(n) + " points");
      for (long k = 0; k < n; ++k) {
        const std::string& p = text.at(i + 1 + k / 5);
        points.push_back({field(p, 16 * (k % 5), 8), field(p, 16 * (k % 5) + 8, 8)});
      }
      i += (n - 1) / 5 + 1;
    } else if (line.starts_with("A")) {
      ++*areas;
      const long m = field(line, 45, 6);
      TenthLine ring;
      long mesh = 0;
      for (long k = 0; k < m; ++k) {
        const std::string ref = text.at(i + 1 + k / 5).substr(14 * (k % 5), 14);
        const long chainNumber = field(ref, 6, 6);
        mesh = field(ref, 0, 4);
        auto found = chains.find({mesh, field(ref, 4, 2), std::labs(chainNumber)});
        if (found == chains.end() || chainNumber == 0) {
          faults += fault(path + ": reference " + ref + " finds no chain");
          continue;
        }
        TenthLine chain = found->second;
        if (chainNumber < 0) std::reverse(chain.begin(), chain.end());
        if (!ring.empty() && !(ring.back() == chain.front())) faults += fault(path + ": chains do not join at " + ref);
        ring.insert(ring.end(), chain.begin(), chain.end());
      }
      i += (m - 1) / 5 + 1;
      if (ring.size() < 4 || !(ring.front() == ring.back())) faults += fault(path + ": area does not close: " + line);
      const TenthBox box = meshBox(int(mesh));
      for (const TenthPoint& p : ring)
        if (p.lon < box.west || p.lon > box.east || p.lat < box.south || p.lat > box.north) {
          faults += fault(path + ": area leaves mesh " + std::to_string(mesh));
          break;
        }
    }
  }
  int names = 0;
  for (; i < text.size(); ++i) names += text[i].starts_with("D") && text[i].size() > 64;
  if (names != *areas) faults += fault(path + ": " + std::to_string(names) + " names for " + std::to_string(*areas) + " areas");
  return faults;
}

int checkRiverFile(const std::string& path, int* links) {
  const auto text = readLines(path);
  int faults = 0;
  std::vector<std::pair<std::string, long>> linkKeys;  // group key columns and point count
  size_t i = 0;
  long lastMesh = 0;
  for (; i < text.size() && !text[i].starts_with("DS"); ++i) {
    const std::string& line = text[i];
    if (!line.starts_with("L")) {
      faults += fault(path + ": stray line " + line);
      continue;
    }
    const long mesh = field(line, 3, 4), n = field(line, 46, 5);
    if (mesh < lastMesh) faults += fault(path + ": links out of mesh order at " + line);
    lastMesh = mesh;
    const TenthBox box = meshBox(int(mesh));
    std::vector<long> values;
    for (long k = 0; k < (n + 4) / 5; ++k) {
      const std::string& p = text.at(i + 1 + k);
      for (char* at = const_cast<char*>(p.c_str()); *at;) {
        char* end = nullptr;
        values.push_back(std::strtol(at, &end, 10));
        if (end == at) break;
        at = end;
      }
    }
    for (long k = 0; k + 1 < long(values.size()) && k / 2 < n; k += 2)
      if (values[k] < box.west || values[k] > box.east || values[k + 1] < box.south || values[k + 1] > box.north) {
        faults += fault(path + ": link point outside its mesh: " + line);
        break;
      }
    linkKeys.push_back({line.substr(27, 6), n});
    i += (n + 4) / 5;
  }
  *links = int(linkKeys.size());
  size_t link = 0;
  while (i < text.size()) {
    const std::string key = text[i].substr(3, 10);
    long count = 0;
    for (; i < text.size() && text[i].substr(3, 10) == key; ++i, ++count) {
      const char cls = text[i].size() > 34 ? text[i][34] : ' ';
      if (cls != '1' && cls != '3' && cls != '4') faults += fault(path + ": bad class in " + text[i]);
    }
    if (link >= linkKeys.size() || key.substr(4) != linkKeys[link].first || count != linkKeys[link].second)
      faults += fault(path + ": attribute group " + key + " does not match its link");
    ++link;
  }
  if (link != linkKeys.size()) faults += fault(path + ": " + std::to_string(link) + " groups for " + std::to_string(linkKeys.size()) + " links");
  return faults;
}

int checkLakeFile(const std::string& path, int* cells, int* subCells) {
  int faults = 0, names = 0;
  for (const std::string& line : readLines(path)) {
    if (line.starts_with("D")) {
      names += line.size() >= 50 && line.find("\x81\x40", 14) != std::string::npos;
      continue;
    }
    ++*cells;
    if (line.size() < 187 || field(line, 37, 4) <= 0) faults += fault(path + ": record without a lake: " + line);
    for (size_t j = 87; j < line.size() && j < 187; ++j) *subCells += line[j] == '1';
  }
  if (names != 1) faults += fault(path + ": " + std::to_string(names) + " lake names");
  return faults;
}

// Every station node finds its name the way the station file's builder looks it up.
int checkStationFile(const std::string& path, int* stations) {
  int faults = 0;
  std::map<std::string, std::string> names;  // mesh, second-level code and node number
  for (const std::string& line : readLines(path)) {
    if (line.size() > 16 && line[1] == 'P') {
      const std::string name = line.substr(16, 56);
      const size_t blank = name.find(' ');
      names[line.substr(3, 6) + std::to_string(field(line, 9, 4))] = blank == std::string::npos ? "" : name.substr(0, blank);
    } else if (line.starts_with("N")) {
      ++*stations;
      const long lon = field(line, 16, 6), lat = field(line, 23, 7);
      const std::string key = line.substr(3, 6) + std::to_string(field(line, 9, 6));
      if (field(line, 31, 2) == 0) faults += fault(path + ": node without its station flag: " + line);
      if (names[key].empty()) faults += fault(path + ": station without a name: " + line);
      if (lat / 2400 * 100 + lon / 3600 - 100 != field(line, 3, 4)) faults += fault(path + ": station outside its mesh: " + line);
    }
  }
  return faults;
}

}  // namespace

int checkCountryFiles(const std::string& dataDir) {
  int faults = 0, files = 0, areas = 0;
  for (int code = 1; code <= 47; ++code) {
    char name[32];
    std::snprintf(name, sizeof name, "/KSJ/AREA_S__%02d.txt", code);
    if (!std::ifstream(dataDir + name)) {
      faults += fault(std::string(name) + " missing");
      continue;
    }
    ++files;
    int fileAreas = 0;
    faults += checkAreaFile(dataDir + name, &fileAreas);
    areas += fileAreas;
  }
  std::printf("AREA_S__pp.txt: %d files, %d areas\n", files, areas);
  int links = 0;
  faults += checkRiverFile(dataDir + "/KSJ/W15-52L_S.TXT", &links);
  std::printf("W15-52L_S.TXT: %d links\n", links);
  int cells = 0, subCells = 0;
  faults += checkLakeFile(dataDir + "/KSJ/LAKE_S.TXT", &cells, &subCells);
  std::printf("LAKE_S.TXT: %d cells, %d sub-cells\n", cells, subCells);
  int stations = 0;
  faults += checkStationFile(dataDir + "/KSJ/N02-23L.TXT", &stations);
  std::printf("N02-23L.TXT: %d stations\n", stations);
  return faults;
}

}  // namespace sampledata
