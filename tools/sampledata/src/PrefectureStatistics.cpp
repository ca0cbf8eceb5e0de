#include "PrefectureStatistics.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>
#include <cstdio>
#include <map>
#include <sstream>
#include <stdexcept>

namespace sampledata {

namespace {

constexpr int kPrefectures = 47;
// The authalic radius of the GRS80 ellipsoid: a sphere of the same surface.
constexpr double kAuthalicRadiusKm = 6371.0072;
constexpr double kPi = 3.14159265358979323846;

// The area of a ring on the sphere (km², positive), by the spherical-excess sum over its edges.
double ringArea(const QJsonArray& ring) {
  const int n = ring.size();
  if (n < 3) return 0;
  double sum = 0;
  for (int i = 0; i < n; ++i) {
    const QJsonArray prev = ring[(i + n - 1) % n].toArray(), here = ring[i].toArray(), next = ring[(i + 1) % n].toArray();
    const double dLon = (next[0].toDouble() - prev[0].toDouble()) * kPi / 180;
    sum += dLon * std::sin(here[1].toDouble() * kPi / 180);
  }
  return std::fabs(sum) * kAuthalicRadiusKm * kAuthalicRadiusKm / 2;
}

// A polygon is its outer ring less its holes.
double polygonArea(const QJsonArray& polygon) {
  double area = 0;
  for (int r = 0; r < polygon.size(); ++r) area += (r == 0 ? 1 : -1) * ringArea(polygon[r].toArray());
  return area;
}

}  // namespace

std::vector<PrefectureCount> readPopulationTable(const std::string& tsvPath) {
  std::vector<PrefectureCount> rows;
  for (const std::string& line : readLines(tsvPath)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    std::string code, name, population;
    std::getline(fields, code, '\t');
    std::getline(fields, name, '\t');
    std::getline(fields, population, '\t');
    if (std::stoi(code) != static_cast<int>(rows.size()) + 1) throw std::runtime_error("population: code order at " + code);
    rows.push_back({name, std::stod(population)});
  }
  if (rows.size() != kPrefectures) throw std::runtime_error("population: not 47 prefectures");
  return rows;
}

std::vector<PrefectureCount> prefectureAreas(const std::string& geoJsonPath, const std::vector<std::string>& names) {
  QFile file(QString::fromStdString(geoJsonPath));
  if (!file.open(QIODevice::ReadOnly)) throw std::runtime_error("cannot read " + geoJsonPath);
  std::map<std::string, double> areas;
  for (const auto& value : QJsonDocument::fromJson(file.readAll()).object()["features"].toArray()) {
    const QJsonObject feature = value.toObject();
    const std::string name = feature["properties"].toObject()["N03_001"].toString().toStdString();
    const QJsonObject geometry = feature["geometry"].toObject();
    const QJsonArray coordinates = geometry["coordinates"].toArray();
    if (geometry["type"].toString() == "Polygon") {
      areas[name] += polygonArea(coordinates);
    } else {
      for (const auto& polygon : coordinates) areas[name] += polygonArea(polygon.toArray());
    }
  }
  std::vector<PrefectureCount> rows;
  for (const std::string& name : names) {
    const auto it = areas.find(name);
    if (it == areas.end()) throw std::runtime_error("areas: no polygon of " + name);
    rows.push_back({name, it->second});
  }
  return rows;
}

ByteBuffer prefectureDataFile(const std::string& dataName, const std::vector<PrefectureCount>& rows, int decimals) {
  ByteBuffer buffer;
  appendLine(&buffer, toCp932("データ名称=" + dataName));
  for (const PrefectureCount& row : rows) {
    char value[64];
    std::snprintf(value, sizeof value, "%.*f", decimals, row.value);
    appendLine(&buffer, toCp932(row.name + " " + value));
  }
  return buffer;
}

}  // namespace sampledata
