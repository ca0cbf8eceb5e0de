#include "Stations.h"

#include "RecordLine.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <stdexcept>

namespace sampledata {
namespace {

constexpr int kNodesPerCell = 309;  // the layer's name table holds node numbers below 310
constexpr size_t kNameBytes = 55;  // of the 56 columns, a blank must end the name

// The point halfway along the line.
LonLat middleOf(const Polyline& line) {
  double total = 0;
  for (size_t i = 1; i < line.size(); ++i) total += std::hypot(line[i].lon - line[i - 1].lon, line[i].lat - line[i - 1].lat);
  double left = total / 2;
  for (size_t i = 1; i < line.size(); ++i) {
    const double step = std::hypot(line[i].lon - line[i - 1].lon, line[i].lat - line[i - 1].lat);
    if (step >= left && step > 0) {
      const double t = left / step;
      return {line[i - 1].lon + (line[i].lon - line[i - 1].lon) * t, line[i - 1].lat + (line[i].lat - line[i - 1].lat) * t};
    }
    left -= step;
  }
  return line.front();
}

std::string withoutBlanks(std::string text) {
  std::erase(text, ' ');
  return text;
}

}  // namespace

std::vector<Station> readStations(const std::string& geoJsonPath) {
  QFile file(QString::fromStdString(geoJsonPath));
  if (!file.open(QIODevice::ReadOnly)) throw std::runtime_error(geoJsonPath + ": cannot be read");
  const QJsonDocument document = QJsonDocument::fromJson(file.readAll());
  if (!document.isObject()) throw std::runtime_error(geoJsonPath + ": not a GeoJSON object");
  std::vector<Station> stations;
  for (const auto& value : document.object()["features"].toArray()) {
    const QJsonObject feature = value.toObject(), properties = feature["properties"].toObject();
    Polyline line;
    for (const auto& position : feature["geometry"].toObject()["coordinates"].toArray())
      line.push_back({position.toArray().at(0).toDouble(), position.toArray().at(1).toDouble()});
    if (line.empty()) throw std::runtime_error(geoJsonPath + ": a station without a line");
    stations.push_back({withoutBlanks(properties["N02_005"].toString().toStdString()),
                        withoutBlanks(properties["N02_004"].toString().toStdString()), middleOf(line)});
  }
  return stations;
}

ByteBuffer railwayStationFile(const std::vector<Station>& stations, MeshPrefectures* meshes,
                              const std::vector<PrefecturePolygon>& polygons) {
  std::map<std::pair<int, int>, int> lastNode;  // by (mesh, second-level code)
  std::vector<std::string> names, nodes;
  for (const Station& s : stations) {
    const long lon = std::lround(s.at.lon * 3600), lat = std::lround(s.at.lat * 3600);
    const int mesh = meshCodeOf({lon / 3600.0, lat / 3600.0});
    const int cell = int(lat % 2400 / 300) * 10 + int(lon % 3600 / 450);
    const int node = ++lastNode[{mesh, cell}];
    if (node > kNodesPerCell) throw std::runtime_error("more stations than the layer numbers in cell " + std::to_string(mesh));
    const std::string key = number("%04ld", mesh) + number("%02ld", cell);
    RecordLine name(72);
    name.put(1, "P");
    name.put(3, key + number("%04ld", node));
    name.putText(16, toCp932(s.name + "(" + s.operatorName + ")"), kNameBytes);
    names.push_back(name.text());
    RecordLine record(33);
    record.put(0, "N");
    record.put(3, key + number("%06ld", node));
    record.put(16, number("%6ld", lon) + " " + number("%7ld", lat));
    record.put(32, "1");
    nodes.push_back(record.text());
    if (const int code = prefectureOfPoint(s.at, polygons)) (*meshes)[mesh].insert(code);
  }
  ByteBuffer out;
  for (const auto& line : names) appendLine(&out, line);
  for (const auto& line : nodes) appendLine(&out, line);
  return out;
}

}  // namespace sampledata
