#include "Prefectures.h"

#include <QByteArray>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <stdexcept>

namespace sampledata {
namespace {

using Key = std::pair<double, double>;  // (lon, lat), exact as the source writes them

Key keyOf(LonLat p) { return {p.lon, p.lat}; }
LonLat pointOf(Key k) { return {k.first, k.second}; }

int minutesOf(const std::string& text) {
  // "DDD.MM": whole degrees and minutes.
  const auto dot = text.find('.');
  if (dot == std::string::npos || text.size() != dot + 3) throw std::runtime_error("bad angle " + text);
  return std::stoi(text.substr(0, dot)) * 60 + std::stoi(text.substr(dot + 1));
}

Polyline ringOf(const QJsonArray& coordinates) {
  Polyline ring;
  for (const auto& value : coordinates) {
    const QJsonArray pair = value.toArray();
    ring.push_back({pair.at(0).toDouble(), pair.at(1).toDouble()});
  }
  if (ring.size() >= 2 && !(ring.front() == ring.back())) ring.push_back(ring.front());
  return ring;
}

double kmBetween(LonLat a, LonLat b) {
  const double cosLat = std::cos((a.lat + b.lat) / 2 * M_PI / 180.0);
  const double dx = (a.lon - b.lon) * cosLat * 111.195, dy = (a.lat - b.lat) * 111.195;
  return std::sqrt(dx * dx + dy * dy);
}

}  // namespace

std::vector<Prefecture> readPrefectureTable(const std::string& path) {
  std::ifstream in(path);
  if (!in) throw std::runtime_error("cannot read " + path);
  std::vector<Prefecture> table;
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    Prefecture p;
    std::string lat, lon;
    if (!(fields >> p.code >> p.hasc >> p.romaji >> p.name >> lat >> lon >> p.officeMesh))
      throw std::runtime_error(path + ": bad line: " + line);
    p.officeLatMinutes = minutesOf(lat);
    p.officeLonMinutes = minutesOf(lon);
    if (p.code != static_cast<int>(table.size()) + 1)
      throw std::runtime_error(path + ": codes must run from 1 in order");
    table.push_back(p);
  }
  if (table.size() != 47) throw std::runtime_error(path + ": expected 47 prefectures");
  return table;
}

std::vector<PrefecturePolygon> readPrefecturePolygons(const std::string& geoJsonPath,
                                                      const std::vector<Prefecture>& table) {
  QFile file(QString::fromStdString(geoJsonPath));
  if (!file.open(QIODevice::ReadOnly)) throw std::runtime_error("cannot read " + geoJsonPath);
  QJsonParseError error;
  const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &error);
  if (doc.isNull()) throw std::runtime_error(geoJsonPath + ": " + error.errorString().toStdString());

  std::map<std::string, int> codeOf;
  for (const auto& p : table) codeOf[p.hasc] = p.code;
  std::map<int, std::vector<Polyline>> rings;
  for (const auto& featureValue : doc.object().value("features").toArray()) {
    const QJsonObject feature = featureValue.toObject();
    const std::string hasc =
        feature.value("properties").toObject().value("code_hasc").toString().toStdString();
    auto code = codeOf.find(hasc);
    if (code == codeOf.end()) continue;
    const QJsonObject geometry = feature.value("geometry").toObject();
    const QJsonArray coordinates = geometry.value("coordinates").toArray();
    if (geometry.value("type").toString() == "Polygon") {
      rings[code->second].push_back(ringOf(coordinates.at(0).toArray()));
    } else {
      for (const auto& polygon : coordinates)
        rings[code->second].push_back(ringOf(polygon.toArray().at(0).toArray()));
    }
  }
  std::vector<PrefecturePolygon> polygons;
  for (const auto& p : table) {
    if (rings[p.code].empty()) throw std::runtime_error("no polygon for " + p.romaji);
    for (auto& ring : rings[p.code]) polygons.push_back({p.code, std::move(ring)});
  }
  return polygons;
}

std::vector<Polyline> sharedBorders(const std::vector<PrefecturePolygon>& polygons) {
  std::map<std::pair<Key, Key>, std::set<int>> owners;
  for (const auto& polygon : polygons)
    for (size_t i = 0; i + 1 < polygon.ring.size(); ++i) {
      Key a = keyOf(polygon.ring[i]), b = keyOf(polygon.ring[i + 1]);
      if (a == b) continue;
      owners[{std::min(a, b), std::max(a, b)}].insert(polygon.code);
    }
  std::map<Key, std::vector<Key>> neighbours;
  std::set<std::pair<Key, Key>> unused;
  for (const auto& [edge, codes] : owners) {
    if (codes.size() < 2) continue;
    neighbours[edge.first].push_back(edge.second);
    neighbours[edge.second].push_back(edge.first);
    unused.insert(edge);
  }
  auto take = [&](Key a, Key b) { return unused.erase({std::min(a, b), std::max(a, b)}) == 1; };
  std::vector<Polyline> borders;
  auto walk = [&](Key start, Key next) {
    Polyline line{pointOf(start)};
    Key previous = start, current = next;
    for (;;) {
      line.push_back(pointOf(current));
      if (neighbours[current].size() != 2) break;
      const auto& n = neighbours[current];
      Key following = n[0] == previous ? n[1] : n[0];
      if (!take(current, following)) break;
      previous = current;
      current = following;
    }
    borders.push_back(std::move(line));
  };
  // Lines from their ends (junctions and sea ends) first, then closed rings.
  for (const auto& [node, next] : neighbours)
    if (next.size() != 2)
      for (Key n : next)
        if (take(node, n)) walk(node, n);
  while (!unused.empty()) {
    auto edge = *unused.begin();
    take(edge.first, edge.second);
    walk(edge.first, edge.second);
  }
  return borders;
}

void snapBorderEndsToCoast(std::vector<Polyline>* borders, const std::vector<Polyline>& coast,
                           double maxKm) {
  // An end shared by no other border line reaches the sea.
  std::map<Key, int> endUse;
  for (const auto& line : *borders) {
    ++endUse[keyOf(line.front())];
    ++endUse[keyOf(line.back())];
  }
  auto nearestCoast = [&](LonLat p) {
    double best = maxKm;
    LonLat found = p;
    for (const auto& line : coast)
      for (LonLat c : line)
        if (std::abs(c.lat - p.lat) < 0.1 && std::abs(c.lon - p.lon) < 0.15) {
          const double d = kmBetween(p, c);
          if (d < best) { best = d; found = c; }
        }
    return found;
  };
  for (auto& line : *borders) {
    const bool ring = line.front() == line.back();
    if (ring) continue;
    if (endUse[keyOf(line.front())] == 1) line.front() = nearestCoast(line.front());
    if (endUse[keyOf(line.back())] == 1) line.back() = nearestCoast(line.back());
  }
}

}  // namespace sampledata
