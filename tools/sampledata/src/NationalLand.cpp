#include "NationalLand.h"
#include "RecordLine.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <array>
#include <cstdio>
#include <fstream>
#include <limits>
#include <stdexcept>

namespace sampledata {
namespace {

// A point outside every polygon belongs to the nearest prefecture only this close (about 10 km):
// farther out it lies on the mainland across the sea.
constexpr double kNearestDegrees = 0.1;

// "P", then longitude at 9-16 and latitude at 17-24 in tenths of an arc-second.
RecordLine pointRecord(LonLat at, size_t length) {
  RecordLine line(length);
  line.put(0, "P");
  line.put(9, number("%08ld", toTenthSeconds(at.lon)));
  line.put(17, number("%08ld", toTenthSeconds(at.lat)));
  return line;
}

}  // namespace

int prefectureOfPoint(LonLat p, const std::vector<PrefecturePolygon>& polygons) {
  for (const auto& polygon : polygons)
    if (insideRing(p, polygon.ring)) return polygon.code;
  int best = 0;
  double bestDistance = std::numeric_limits<double>::max();
  const double cosLat = std::cos(p.lat * M_PI / 180.0);
  for (const auto& polygon : polygons)
    for (LonLat v : polygon.ring) {
      const double dx = (v.lon - p.lon) * cosLat, dy = v.lat - p.lat;
      if (dx * dx + dy * dy < bestDistance) {
        bestDistance = dx * dx + dy * dy;
        best = polygon.code;
      }
    }
  return bestDistance <= kNearestDegrees * kNearestDegrees ? best : 0;
}

void addPolygonMeshes(const std::vector<PrefecturePolygon>& polygons, MeshPrefectures* meshes) {
  constexpr int kSamples = 8;  // sample points across a mesh side
  for (const auto& polygon : polygons) {
    Box box{180, 90, -180, -90};
    for (LonLat v : polygon.ring) {
      (*meshes)[meshCodeOf(v)].insert(polygon.code);
      box = {std::min(box.west, v.lon), std::min(box.south, v.lat), std::max(box.east, v.lon),
             std::max(box.north, v.lat)};
    }
    const int south = static_cast<int>(std::floor(box.south * 1.5)), north = static_cast<int>(std::floor(box.north * 1.5));
    const int west = static_cast<int>(std::floor(box.west)), east = static_cast<int>(std::floor(box.east));
    for (int row = south; row <= north; ++row)
      for (int column = west; column <= east; ++column)
        for (int i = 0; i < kSamples * kSamples; ++i) {
          const LonLat p{column + (i % kSamples + 0.5) / kSamples, (row + (i / kSamples + 0.5) / kSamples) / 1.5};
          if (insideRing(p, polygon.ring)) {
            (*meshes)[meshCodeOf(p)].insert(polygon.code);
            break;
          }
        }
  }
}

ByteBuffer meshPrefectureFile(const MeshPrefectures& meshes) {
  ByteBuffer out;
  for (const auto& [mesh, codes] : meshes) {
    std::string line = std::to_string(mesh) + "=";
    int written = 0;
    for (int code : codes) {
      if (written == 10) throw std::runtime_error("more than 10 prefectures in mesh " + std::to_string(mesh));
      line += (written++ ? " " : "") + number("%02ld", code);
    }
    out.text(line + "\n");
  }
  return out;
}

RiverPieces cutRiversByPrefecture(const std::vector<Polyline>& rivers, const std::vector<int>& levels,
                                  const std::vector<PrefecturePolygon>& polygons) {
  RiverPieces pieces;
  for (size_t r = 0; r < rivers.size(); ++r) {
    RiverPiece piece{levels.at(r), {}};
    int current = 0;
    auto keep = [&] {
      if (piece.points.size() >= 2) pieces[current].push_back(piece);
    };
    for (LonLat p : rivers[r]) {
      const int code = kJapanBox.contains(p) ? prefectureOfPoint(p, polygons) : 0;
      if (code == 0) {
        keep();
        piece.points.clear();
        continue;
      }
      if (!piece.points.empty() && code != current) {
        piece.points.push_back(p);  // the cut point ends this piece and starts the next
        keep();
        piece.points = {p};
      } else {
        piece.points.push_back(p);
      }
      current = code;
    }
    keep();
  }
  return pieces;
}

std::map<int, ByteBuffer> riverFiles(const RiverPieces& pieces, MeshPrefectures* meshes) {
  std::map<int, ByteBuffer> files;
  for (const auto& [code, lines] : pieces) {
    ByteBuffer& out = files[code];
    for (const auto& [level, line] : lines) {
      RecordLine header(46);
      header.put(0, "L");
      header.put(46, std::to_string(line.size()));
      appendLine(&out, header.text());
      std::string text;
      for (size_t i = 0; i < line.size(); ++i) {
        (*meshes)[meshCodeOf(line[i])].insert(code);
        text += (i % 5 ? " " : "") + std::to_string(toTenthSeconds(line[i].lon)) + " " +
                std::to_string(toTenthSeconds(line[i].lat));
        if (i % 5 == 4 || i + 1 == line.size()) {
          appendLine(&out, text);
          text.clear();
        }
      }
    }
    appendLine(&out, "S");
  }
  return files;
}

std::map<int, ByteBuffer> officeFiles(const std::vector<Prefecture>& prefectures, MeshPrefectures* meshes) {
  std::map<int, ByteBuffer> files;
  for (const auto& p : prefectures) {
    const LonLat at{p.officeLonMinutes / 60.0, p.officeLatMinutes / 60.0};
    RecordLine line = pointRecord(at, 132);
    line.put(35, "02");
    line.putText(42, toCp932("都道府県庁"), 30);
    line.putText(72, toCp932(p.name + "庁"), 60);
    appendLine(&files[p.code], line.text());
    (*meshes)[meshCodeOf(at)].insert(p.code);
  }
  return files;
}

std::map<std::string, std::string> readNameTable(const std::string& tsvPath) {
  std::ifstream in(tsvPath);
  if (!in) throw std::runtime_error(tsvPath + ": cannot be read");
  std::map<std::string, std::string> names;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    const size_t tab = line.find('\t');
    if (tab == 0 || tab == std::string::npos || tab + 1 == line.size())
      throw std::runtime_error(tsvPath + ": bad line: " + line);
    if (!names.emplace(line.substr(0, tab), line.substr(tab + 1)).second)
      throw std::runtime_error(tsvPath + ": named twice: " + line.substr(0, tab));
  }
  return names;
}

std::vector<Airport> readAirports(const std::string& jsonPath,
                                  const std::map<std::string, std::string>& japaneseNames) {
  QFile file(QString::fromStdString(jsonPath));
  if (!file.open(QIODevice::ReadOnly)) throw std::runtime_error(jsonPath + ": cannot be read");
  const QJsonDocument document = QJsonDocument::fromJson(file.readAll());
  if (!document.isArray()) throw std::runtime_error(jsonPath + ": not a JSON array");
  std::vector<Airport> airports;
  for (const auto& value : document.array()) {
    const QJsonObject a = value.toObject();
    const QString type = a["type"].toString();
    if (a["iso_country"].toString() != "JP" || (type != "medium_airport" && type != "large_airport")) continue;
    const QString region = a["iso_region"].toString();  // "JP-27"
    Airport airport;
    airport.ident = a["ident"].toString().toStdString();
    const auto japanese = japaneseNames.find(airport.ident);
    airport.name = japanese != japaneseNames.end() ? japanese->second : a["name"].toString().toStdString();
    airport.at = {a["longitude_deg"].toString().toDouble(), a["latitude_deg"].toString().toDouble()};
    airport.prefecture = region.mid(3).toInt();
    if (!region.startsWith("JP-") || airport.prefecture < 1 || airport.prefecture > 47)
      throw std::runtime_error(jsonPath + ": airport " + airport.name + " has no prefecture");
    airports.push_back(std::move(airport));
  }
  return airports;
}

ByteBuffer airportFile(const std::vector<Airport>& airports, MeshPrefectures* meshes) {
  ByteBuffer out;
  for (const auto& a : airports) {
    RecordLine line = pointRecord(a.at, 158);
    line.put(25, "1");
    line.put(26, number("%02ld", a.prefecture));
    line.putText(50, toCp932(a.name), 32);
    line.put(103, "999");
    line.put(115, "999");
    line.put(133, "99999");
    line.put(153, "99999");
    appendLine(&out, line.text());
    (*meshes)[meshCodeOf(a.at)].insert(a.prefecture);
  }
  return out;
}

std::map<int, ByteBuffer> riverLengthFiles(const RiverPieces& pieces, MeshPrefectures* meshes) {
  constexpr int kSteps = 50;  // parts of a segment, each given to the cell of its middle
  std::map<int, ByteBuffer> files;
  for (const auto& [code, lines] : pieces) {
    // Metres by third-order cell and by length column (levels 1-3, level 4, others).
    std::map<std::string, std::array<double, 3>> cells;
    for (const auto& [level, line] : lines)
      for (size_t i = 1; i < line.size(); ++i) {
        const LonLat a = line[i - 1], b = line[i];
        const double metres = distanceKm(a, b) * 1000.0 / kSteps;
        for (int k = 0; k < kSteps; ++k) {
          const double t = (k + 0.5) / kSteps;
          const LonLat m{a.lon + (b.lon - a.lon) * t, a.lat + (b.lat - a.lat) * t};
          cells[thirdMeshCodeOf(m)][level <= 3 ? 0 : level == 4 ? 1 : 2] += metres;
        }
      }
    ByteBuffer& out = files[code];
    for (const auto& [cell, metres] : cells) {
      const auto rounded = [](double m) { return static_cast<long>(std::lround(m)); };
      if (rounded(metres[0]) + rounded(metres[1]) + rounded(metres[2]) == 0) continue;
      RecordLine line(81);
      line.put(0, "RVLEN");
      line.put(5, cell);
      for (int column : {39, 57, 63, 69, 75}) line.put(column, number("%6ld", 0));
      line.put(33, number("%6ld", rounded(metres[0])));
      line.put(45, number("%6ld", rounded(metres[1])));
      line.put(51, number("%6ld", rounded(metres[2])));
      appendLine(&out, line.text());
      (*meshes)[std::stoi(cell.substr(0, 4))].insert(code);
    }
  }
  return files;
}

std::string thirdMeshCodeOf(LonLat p) {
  const double rows = p.lat * 1.5 * 80, columns = (p.lon - 100.0) * 80;  // third-order cells
  const long row = static_cast<long>(std::floor(rows)), column = static_cast<long>(std::floor(columns));
  char code[64];  // room for any long, though a code in Japan has 8 digits
  std::snprintf(code, sizeof code, "%02ld%02ld%ld%ld%ld%ld", row / 80, column / 80, row % 80 / 10, column % 80 / 10,
                row % 10, column % 10);
  return code;
}

double distanceKm(LonLat a, LonLat b) {
  constexpr double kRadiusKm = 6371.0, kRad = M_PI / 180.0;
  const double dLat = (b.lat - a.lat) * kRad, dLon = (b.lon - a.lon) * kRad;
  const double h = std::sin(dLat / 2) * std::sin(dLat / 2) +
                   std::cos(a.lat * kRad) * std::cos(b.lat * kRad) * std::sin(dLon / 2) * std::sin(dLon / 2);
  return 2 * kRadiusKm * std::asin(std::min(1.0, std::sqrt(h)));
}

ByteBuffer sampleSettingsFile() {
  ByteBuffer out;
  for (const char* line : {
           "DddMFile.dat T1_2=河川",
           "DddMFile.dat F1_2=@:KSJ\\(RIVER_S_)",
           "DddMFile.dat C1_2=1",
           "DddPFile.dat T1_1=公共施設",
           "DddPFile.dat F1_1=@:KSJ\\(FACIL_S_)",
           "DddPFile.dat C1_1=18",  // offices in the 2-pixel red pen, towns in the 1-pixel blue one
           "DddPFile.dat P1_1=0",
           "DddPFile.dat N1_1=0",
           "DddPFile.dat T3_1=市町村",
           "DddPFile.dat F3_1=@:KSJ\\CITIES_S.TXT",
           "DddPFile.dat C3_1=1",
           "DddPFile.dat P3_1=0",
           "DddPFile.dat N3_1=310060",
           "DddPFile.dat T5_4=空港台帳",
           "DDMSFILE.DAT T1_3=流路延長",
           "DDMSFILE.DAT F1_3=@:KSJ\\(RVLEN_S_)",
           "DDMSFILE.DAT N1_3=0",
           "DDMSFILE.DAT T2_2=沿岸海域",
           "DDMSFILE.DAT F2_2=@:KSJ\\COASTSEA_S.TXT",
           "DDMSFILE.DAT N2_2=0",
           "DddPFile.dat F5_4=@:KSJ\\AIRPORT_S.TXT",
           "DddPFile.dat C5_4=1",
           "DddPFile.dat P5_4=0",
           "DddPFile.dat N5_4=0",
           "DDDSFILE.DAT T1_1=行政区域",
           "DDDSFILE.DAT F1_1=@:KSJ\\(AREA_S__)",
           "DDDSFILE.DAT C1_1=5",
           "DDDSFILE.DAT P1_1=1",
           "DDDSFILE.DAT N1_1=1",
           "DddMFile.dat T5_5=流路",
           "DddMFile.dat F5_5=@:KSJ\\W15-52L_S.TXT",
           "DddMFile.dat C5_5=1",
           "DDFTFILE.DAT F1_4=@:KSJ\\LAKE_S.TXT",
           "DddMFile.dat T3_5=鉄道",
           "DddMFile.dat F3_5=@:KSJ\\N02-23L.TXT",
           "DddMFile.dat C3_5=1",
       })
    appendLine(&out, toCp932(line));
  return out;
}

}  // namespace sampledata
