#include "Prefectures.h"

#include <QByteArray>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <stdexcept>

namespace sampledata {
namespace {

using Key = std::pair<double, double>;  // (lon, lat), exact as the source writes them

Key keyOf(LonLat p) { return {p.lon, p.lat}; }

int minutesOf(const std::string& text) {
  // "DDD.MM": whole degrees and minutes.
  const auto dot = text.find('.');
  if (dot == std::string::npos || text.size() != dot + 3) throw std::runtime_error("bad angle " + text);
  return std::stoi(text.substr(0, dot)) * 60 + std::stoi(text.substr(dot + 1));
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

PrefectureShapes readPrefectureShapes(const std::string& topoJsonPath,
                                      const std::vector<Prefecture>& table) {
  QFile file(QString::fromStdString(topoJsonPath));
  if (!file.open(QIODevice::ReadOnly)) throw std::runtime_error("cannot read " + topoJsonPath);
  QJsonParseError error;
  const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &error);
  if (doc.isNull()) throw std::runtime_error(topoJsonPath + ": " + error.errorString().toStdString());
  const QJsonObject root = doc.object();

  // Arcs: delta-encoded integer positions, scaled and translated by the transform.
  const QJsonObject transform = root.value("transform").toObject();
  const QJsonArray scale = transform.value("scale").toArray();
  const QJsonArray translate = transform.value("translate").toArray();
  std::vector<Polyline> arcs;
  for (const auto& arcValue : root.value("arcs").toArray()) {
    Polyline arc;
    long long x = 0, y = 0;
    for (const auto& deltaValue : arcValue.toArray()) {
      const QJsonArray delta = deltaValue.toArray();
      x += delta.at(0).toInteger();
      y += delta.at(1).toInteger();
      arc.push_back({x * scale.at(0).toDouble() + translate.at(0).toDouble(),
                     y * scale.at(1).toDouble() + translate.at(1).toDouble()});
    }
    arcs.push_back(std::move(arc));
  }
  auto arcAt = [&](int index) {
    const size_t i = static_cast<size_t>(index < 0 ? ~index : index);
    if (i >= arcs.size()) throw std::runtime_error(topoJsonPath + ": arc index out of range");
    return i;
  };

  std::map<std::string, int> codeOf;
  for (const auto& p : table) codeOf[p.hasc] = p.code;
  std::map<int, std::vector<Polyline>> rings;
  std::map<size_t, std::set<int>> arcOwners;
  for (const auto& geometryValue : root.value("objects").toObject().value("jpn").toObject().value("geometries").toArray()) {
    const QJsonObject geometry = geometryValue.toObject();
    auto code = codeOf.find(geometry.value("id").toString().toStdString());
    if (code == codeOf.end()) continue;
    QJsonArray polygons = geometry.value("arcs").toArray();
    if (geometry.value("type").toString() == "Polygon") polygons = QJsonArray{polygons};
    for (const auto& polygonValue : polygons) {
      const QJsonArray polygon = polygonValue.toArray();
      for (int r = 0; r < polygon.size(); ++r) {
        Polyline ring;
        for (const auto& indexValue : polygon.at(r).toArray()) {
          const int index = indexValue.toInt();
          const size_t i = arcAt(index);
          arcOwners[i].insert(code->second);
          Polyline arc = arcs[i];
          if (index < 0) std::reverse(arc.begin(), arc.end());
          ring.insert(ring.end(), arc.begin() + (ring.empty() ? 0 : 1), arc.end());
        }
        if (r == 0) rings[code->second].push_back(std::move(ring));  // holes are not drawn
      }
    }
  }
  PrefectureShapes shapes;
  for (const auto& p : table) {
    if (rings[p.code].empty()) throw std::runtime_error("no polygon for " + p.romaji);
    for (auto& ring : rings[p.code]) shapes.polygons.push_back({p.code, std::move(ring)});
  }
  for (const auto& [arc, owners] : arcOwners)
    if (owners.size() >= 2) shapes.borders.push_back(arcs[arc]);
  return shapes;
}

std::pair<int, int> snapBorderEndsToCoast(std::vector<Polyline>* borders, const std::vector<Polyline>& coast,
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
  int seaEnds = 0, moved = 0;
  auto snap = [&](LonLat& end) {
    if (endUse[keyOf(end)] != 1) return;
    ++seaEnds;
    const LonLat onCoast = nearestCoast(end);
    if (!(onCoast == end)) ++moved;
    end = onCoast;
  };
  for (auto& line : *borders) {
    if (line.front() == line.back()) continue;  // a ring has no ends
    snap(line.front());
    snap(line.back());
  }
  return {seaEnds, moved};
}

}  // namespace sampledata
