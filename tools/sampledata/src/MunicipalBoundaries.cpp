#include "MunicipalBoundaries.h"

#include "Output.h"
#include "RecordLine.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <unordered_map>

namespace sampledata {
namespace {

uint64_t keyOf(const MicroPoint& p) { return (uint64_t(p.lon) << 32) ^ uint64_t(p.lat); }

std::string optionalText(const QJsonValue& value) { return value.isNull() ? std::string() : value.toString().toStdString(); }

// Metres east and north of the equator at Greenwich on a local scale good for thinning.
std::pair<double, double> metres(const MicroPoint& p) {
  const double lat = double(p.lat) / 1e6;
  return {double(p.lon) / 1e6 * 111320.0 * std::cos(lat * 3.14159265358979 / 180.0), lat * 110574.0};
}

double distanceToSegment(const MicroPoint& p, const MicroPoint& a, const MicroPoint& b) {
  const auto [px, py] = metres(p);
  const auto [ax, ay] = metres(a);
  const auto [bx, by] = metres(b);
  const double dx = bx - ax, dy = by - ay, length2 = dx * dx + dy * dy;
  double t = length2 > 0 ? ((px - ax) * dx + (py - ay) * dy) / length2 : 0;
  t = std::clamp(t, 0.0, 1.0);
  return std::hypot(px - (ax + t * dx), py - (ay + t * dy));
}

void thin(const std::vector<MicroPoint>& line, size_t first, size_t last, double tolerance, std::vector<bool>& keep) {
  if (last <= first + 1) return;
  double worst = -1;
  size_t at = first;
  for (size_t i = first + 1; i < last; ++i) {
    const double d = distanceToSegment(line[i], line[first], line[last]);
    if (d > worst) worst = d, at = i;
  }
  if (worst <= tolerance) return;
  keep[at] = true;
  thin(line, first, at, tolerance, keep);
  thin(line, at, last, tolerance, keep);
}

// Douglas-Peucker; a closed link is first split at its point farthest from its start.
std::vector<MicroPoint> thinned(const std::vector<MicroPoint>& line, double tolerance) {
  std::vector<bool> keep(line.size(), false);
  keep.front() = keep.back() = true;
  if (line.front() == line.back() && line.size() > 3) {
    size_t far = 1;
    double worst = -1;
    for (size_t i = 1; i + 1 < line.size(); ++i) {
      const auto [ax, ay] = metres(line.front());
      const auto [bx, by] = metres(line[i]);
      if (std::hypot(bx - ax, by - ay) > worst) worst = std::hypot(bx - ax, by - ay), far = i;
    }
    keep[far] = true;
    thin(line, 0, far, tolerance, keep);
    thin(line, far, line.size() - 1, tolerance, keep);
  } else {
    thin(line, 0, line.size() - 1, tolerance, keep);
  }
  std::vector<MicroPoint> result;
  for (size_t i = 0; i < line.size(); ++i)
    if (keep[i]) result.push_back(line[i]);
  return result;
}

int32_t tenthSeconds(int64_t micro) { return int32_t(std::llround(double(micro) * 0.036)); }

double ringArea(const std::vector<MicroPoint>& ring) {
  double sum = 0;
  for (size_t i = 0; i < ring.size(); ++i) {
    const MicroPoint& a = ring[i];
    const MicroPoint& b = ring[(i + 1) % ring.size()];
    sum += double(a.lon) * double(b.lat) - double(b.lon) * double(a.lat);
  }
  return std::abs(sum) / 2;
}

std::pair<int32_t, int32_t> centroid(const std::vector<MicroPoint>& ring) {
  double cx = 0, cy = 0, sum = 0;
  const MicroPoint origin = ring.front();
  for (size_t i = 0; i < ring.size(); ++i) {
    const double ax = double(ring[i].lon - origin.lon), ay = double(ring[i].lat - origin.lat);
    const MicroPoint& n = ring[(i + 1) % ring.size()];
    const double bx = double(n.lon - origin.lon), by = double(n.lat - origin.lat);
    const double cross = ax * by - bx * ay;
    sum += cross, cx += (ax + bx) * cross, cy += (ay + by) * cross;
  }
  if (sum == 0) return {tenthSeconds(origin.lon), tenthSeconds(origin.lat)};
  return {tenthSeconds(origin.lon + int64_t(std::llround(cx / (3 * sum)))),
          tenthSeconds(origin.lat + int64_t(std::llround(cy / (3 * sum))))};
}

}  // namespace

std::vector<Municipality> readMunicipalities(const std::string& geoJsonPath) {
  QFile file(QString::fromStdString(geoJsonPath));
  if (!file.open(QIODevice::ReadOnly)) throw std::runtime_error(geoJsonPath + ": cannot be read");
  const QJsonDocument document = QJsonDocument::fromJson(file.readAll());
  if (!document.isObject()) throw std::runtime_error(geoJsonPath + ": not a GeoJSON object");
  std::map<std::string, Municipality> byCode;
  for (const auto& value : document.object()["features"].toArray()) {
    const QJsonObject feature = value.toObject(), properties = feature["properties"].toObject();
    const std::string code = properties["N03_007"].toString().toStdString();
    if (code.size() != 5) throw std::runtime_error(geoJsonPath + ": a feature without a 5-digit code");
    Municipality& m = byCode[code];
    m.code = code;
    m.prefecture = optionalText(properties["N03_001"]);
    m.subprefecture = optionalText(properties["N03_002"]);
    m.county = optionalText(properties["N03_003"]);
    m.name = optionalText(properties["N03_004"]);
    const QJsonObject geometry = feature["geometry"].toObject();
    if (geometry["type"].toString() != "Polygon") throw std::runtime_error(geoJsonPath + ": not a Polygon");
    // The outer ring only: holes are the outer rings of enclaves, whose borders they share.
    std::vector<MicroPoint> ring;
    for (const auto& position : geometry["coordinates"].toArray().at(0).toArray())
      ring.push_back({std::llround(position.toArray().at(0).toDouble() * 1e6),
                      std::llround(position.toArray().at(1).toDouble() * 1e6)});
    if (ring.size() > 1 && ring.front() == ring.back()) ring.pop_back();
    if (ring.size() >= 3) m.rings.push_back(std::move(ring));
  }
  std::vector<Municipality> result;
  for (auto& [code, m] : byCode) result.push_back(std::move(m));
  return result;
}

BoundaryTopology buildTopology(const std::vector<Municipality>& municipalities, double toleranceMetres) {
  // Nodes: points with other than two distinct neighbours over all rings.
  std::unordered_map<uint64_t, std::vector<MicroPoint>> neighbours;
  auto addNeighbour = [&](const MicroPoint& p, const MicroPoint& q) {
    auto& list = neighbours[keyOf(p)];
    if (std::find(list.begin(), list.end(), q) == list.end()) list.push_back(q);
  };
  for (const Municipality& m : municipalities)
    for (const auto& ring : m.rings)
      for (size_t i = 0; i < ring.size(); ++i) {
        addNeighbour(ring[i], ring[(i + 1) % ring.size()]);
        addNeighbour(ring[(i + 1) % ring.size()], ring[i]);
      }
  auto isNode = [&](const MicroPoint& p) { return neighbours[keyOf(p)].size() != 2; };

  BoundaryTopology topology;
  std::map<std::vector<MicroPoint>, int> linkOf;  // a chain as first stored -> index
  std::vector<std::vector<MicroPoint>> chains;
  auto reference = [&](std::vector<MicroPoint> chain) {
    if (const auto it = linkOf.find(chain); it != linkOf.end()) return it->second + 1;
    std::vector<MicroPoint> reversed(chain.rbegin(), chain.rend());
    if (const auto it = linkOf.find(reversed); it != linkOf.end()) return -(it->second + 1);
    const int index = int(chains.size());
    linkOf.emplace(chain, index);
    chains.push_back(std::move(chain));
    return index + 1;
  };

  for (const Municipality& m : municipalities) {
    std::vector<size_t> order(m.rings.size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return ringArea(m.rings[a]) > ringArea(m.rings[b]); });
    for (size_t r : order) {
      const auto& ring = m.rings[r];
      size_t start = ring.size();
      for (size_t i = 0; i < ring.size(); ++i)
        if (isNode(ring[i])) {
          start = i;
          break;
        }
      if (start == ring.size())  // a ring nobody shares: one closed link from its least point
        start = size_t(std::min_element(ring.begin(), ring.end()) - ring.begin());
      BoundaryTopology::Area area{m.code, {}, centroid(ring)};
      std::vector<MicroPoint> chain{ring[start]};
      for (size_t k = 1; k <= ring.size(); ++k) {
        const MicroPoint& p = ring[(start + k) % ring.size()];
        chain.push_back(p);
        if (k == ring.size() || isNode(p)) {
          area.references.push_back(reference(chain));
          chain.assign(1, p);
        }
      }
      topology.areas.push_back(std::move(area));
    }
  }
  for (const auto& chain : chains) {
    std::vector<std::pair<int32_t, int32_t>> link;
    for (const MicroPoint& p : thinned(chain, toleranceMetres)) {
      const std::pair<int32_t, int32_t> q{tenthSeconds(p.lon), tenthSeconds(p.lat)};
      if (link.empty() || link.back() != q) link.push_back(q);
    }
    if (link.size() == 1) link.push_back(link.front());  // a link keeps both its ends
    topology.links.push_back(std::move(link));
  }
  return topology;
}

std::map<int, std::string> n03Texts(const std::vector<Municipality>& municipalities, const BoundaryTopology& topology) {
  std::map<int, std::vector<const BoundaryTopology::Area*>> areasOf;
  for (const auto& area : topology.areas) areasOf[std::stoi(area.code.substr(0, 2))].push_back(&area);
  std::map<int, std::string> texts;
  for (const auto& [prefecture, areas] : areasOf) {
    std::vector<int> links;  // link indexes of the prefecture, in order
    std::vector<bool> used(topology.links.size(), false);
    for (const auto* area : areas)
      for (int reference : area->references) {
        const size_t index = size_t(std::abs(reference) - 1);
        if (!used[index]) used[index] = true, links.push_back(int(index));
      }
    std::sort(links.begin(), links.end());
    std::vector<const Municipality*> ledger;
    for (const Municipality& m : municipalities)
      if (std::stoi(m.code.substr(0, 2)) == prefecture) ledger.push_back(&m);

    ByteBuffer out;
    appendLine(&out, "N03-22_" + number("%02ld", prefecture) + "_220101");
    RecordLine header(56);
    header.put(0, number("%8ld", long(links.size() + areas.size() + ledger.size())));
    header.put(16, number("%8ld", long(links.size())));
    header.put(24, number("%8ld", long(areas.size())));
    header.put(48, number("%8ld", long(ledger.size())));
    appendLine(&out, header.text());
    for (int index : links) {
      const auto& points = topology.links[size_t(index)];
      RecordLine record(52);
      record.put(0, "L");
      record.put(3, number("%6ld", index + 1));
      record.put(27, number("%6ld", 1));
      record.put(46, number("%6ld", long(points.size())));
      appendLine(&out, record.text());
      for (size_t i = 0; i < points.size(); i += 5) {
        std::string line;
        for (size_t j = i; j < std::min(points.size(), i + 5); ++j)
          line += number("%8ld", points[j].first) + number("%8ld", points[j].second);
        appendLine(&out, line);
      }
    }
    for (const auto* area : areas) {
      RecordLine record(51);
      record.put(0, "A");
      record.put(9, number(" %7ld", area->point.first) + number(" %7ld", area->point.second));
      record.put(35, number("%10ld", std::stol(area->code)));
      record.put(45, number("%6ld", long(area->references.size())));
      appendLine(&out, record.text());
      for (size_t i = 0; i < area->references.size(); i += 5) {
        std::string line;
        for (size_t j = i; j < std::min(area->references.size(), i + 5); ++j) {
          const int reference = area->references[j];
          line += number("%6ld", std::abs(reference)) + number("%6ld", reference < 0 ? -1 : 1) + "  ";
        }
        appendLine(&out, line);
      }
    }
    for (const Municipality* m : ledger) {
      RecordLine record(76);
      record.put(0, "DA");
      record.put(8, m->code);
      record.putText(16, toCp932(m->prefecture), 12);
      record.putText(32, toCp932(m->subprefecture), 12);
      record.putText(48, toCp932(m->county), 12);
      record.putText(64, toCp932(m->name), 12);
      appendLine(&out, record.text());
    }
    appendLine(&out, "D");
    texts[prefecture] = out.bytes();
  }
  return texts;
}

}  // namespace sampledata
