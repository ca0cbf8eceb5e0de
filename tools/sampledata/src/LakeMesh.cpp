#include "LakeMesh.h"

#include "RecordLine.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace sampledata {
namespace {

constexpr int kCellLatSeconds = 30, kCellLonSeconds = 45;  // a third-order cell

// The cell's code as the mesh layers read it: mesh, second-level row and column, then the
// third-order row and column.
std::string cellCode(long row, long column) {
  return number("%02ld", row / 80) + number("%02ld", column / 80) + number("%ld", row % 80 / 10) +
         number("%ld", column % 80 / 10) + number("%ld", row % 10) + number("%ld", column % 10);
}

}  // namespace

std::vector<LakeFacts> readLakeTable(const std::string& path) {
  std::ifstream in(path);
  if (!in) throw std::runtime_error(path + ": cannot be read");
  std::vector<LakeFacts> lakes;
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    LakeFacts lake;
    std::string elevation, prefecture, lon, lat;
    if (!std::getline(fields, lake.code, '\t') || !std::getline(fields, lake.name, '\t') ||
        !std::getline(fields, elevation, '\t') || !std::getline(fields, prefecture, '\t') ||
        !std::getline(fields, lon, '\t') || !std::getline(fields, lat, '\t') || lake.code.size() != 7)
      throw std::runtime_error(path + ": bad line: " + line);
    lake.elevation = std::stoi(elevation);
    lake.prefecture = std::stoi(prefecture);
    lake.inside = {std::stod(lon), std::stod(lat)};
    lakes.push_back(lake);
  }
  return lakes;
}

const Polyline& ringOfLake(const LakeFacts& facts, const std::vector<Polyline>& lakes) {
  for (const Polyline& ring : lakes)
    if (insideRing(facts.inside, ring)) return ring;
  throw std::runtime_error("no lake ring holds the point of " + facts.code);
}

ByteBuffer lakeMeshFile(const std::vector<std::pair<LakeFacts, Polyline>>& lakes, MeshPrefectures* meshes) {
  ByteBuffer out;
  for (const auto& [facts, ring] : lakes) {
    Box box{180, 90, -180, -90};
    for (LonLat p : ring)
      box = {std::min(box.west, p.lon), std::min(box.south, p.lat), std::max(box.east, p.lon), std::max(box.north, p.lat)};
    const long south = std::lround(std::floor(box.south * 3600 / kCellLatSeconds));
    const long north = std::lround(std::floor(box.north * 3600 / kCellLatSeconds));
    const long west = std::lround(std::floor((box.west - 100) * 3600 / kCellLonSeconds));
    const long east = std::lround(std::floor((box.east - 100) * 3600 / kCellLonSeconds));
    for (long row = south; row <= north; ++row)
      for (long column = west; column <= east; ++column) {
        std::string digits(100, '0');
        bool covered = false;
        for (int j = 0; j < 100; ++j) {
          // The sub-cell's corner in whole seconds, as the layer places it.
          const long lat = row * kCellLatSeconds + (j / 10) * 3;
          const long lon = column * kCellLonSeconds + (j % 10) * kCellLonSeconds / 10 + 360000;
          if (insideRing({lon / 3600.0, lat / 3600.0}, ring)) {
            digits[j] = '1';
            covered = true;
          }
        }
        if (!covered) continue;
        RecordLine record(187);
        record.put(0, "W09");
        record.put(5, cellCode(row, column));
        record.put(20, number("%02ld", facts.prefecture));
        record.put(33, facts.code.substr(0, 6));
        for (int slot = 2; slot <= 9; ++slot) record.put(33 + 6 * (slot - 1), "000000");
        record.put(87, digits);
        appendLine(&out, record.text());
        (*meshes)[std::stoi(cellCode(row, column).substr(0, 4))].insert(facts.prefecture);
      }
  }
  for (const auto& [facts, ring] : lakes) {
    RecordLine record(50);
    record.put(0, "D");
    record.put(5, facts.code);
    record.putText(14, toCp932(facts.name + "　"), 32);
    record.put(46, number("%4ld", facts.elevation));
    appendLine(&out, record.text());
  }
  return out;
}

}  // namespace sampledata
