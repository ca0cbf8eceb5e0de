#include "BaseMapFiles.h"

#include <cstdio>

namespace sampledata {
namespace {

std::vector<std::pair<int32_t, int32_t>> roundedOutline(const Polyline& line) {
  std::vector<std::pair<int32_t, int32_t>> points;
  for (LonLat p : line) {
    std::pair<int32_t, int32_t> q{toTenThousandths(p.lat), toTenThousandths(p.lon)};
    if (points.empty() || points.back() != q) points.push_back(q);
  }
  return points;
}

}  // namespace

ByteBuffer outlineFile(const std::vector<Polyline>& lines) {
  ByteBuffer out;
  for (const Polyline& line : lines) {
    const auto points = roundedOutline(line);
    if (points.size() < 2) continue;
    out.int32(kPenUp);
    out.int32(kPenUp);
    for (auto [lat, lon] : points) {
      out.int32(lat);
      out.int32(lon);
    }
  }
  out.int32(kPenUp);
  out.int32(kPenUp);
  return out;
}

ByteBuffer prefecturePolygonFile(const std::vector<PrefecturePolygon>& polygons) {
  ByteBuffer out;
  int code = 0;
  for (const auto& polygon : polygons) {
    code = polygon.code;
    out.int32(kPenUp);
    out.int32(kPenUp);
    out.int32(code);
    out.int32(0);
    for (auto [lat, lon] : roundedOutline(polygon.ring)) {
      out.int32(lat);
      out.int32(lon);
    }
  }
  out.int32(kPenUp);
  out.int32(kPenUp);
  out.int32(code);
  out.int32(0);
  return out;
}

ByteBuffer meshLineFile(const MeshPieces& pieces, const std::vector<int>& meshes, int unitsPerSide) {
  ByteBuffer out;
  for (int mesh : meshes) {
    auto found = pieces.find(mesh);
    if (found == pieces.end()) continue;
    ByteBuffer body;
    for (const auto& piece : found->second) {
      std::vector<std::pair<int16_t, int16_t>> points;
      for (const MeshFraction& f : piece) {
        std::pair<int16_t, int16_t> q{static_cast<int16_t>(std::llround(f.east * unitsPerSide)),
                                      static_cast<int16_t>(std::llround(f.south * unitsPerSide))};
        if (points.empty() || points.back() != q) points.push_back(q);
      }
      if (points.size() < 2) continue;
      body.int16(kMeshPenUp);
      body.int16(0);
      for (auto [a, b] : points) {
        body.int16(a);
        body.int16(b);
      }
    }
    if (body.size() == 0) continue;
    out.int16(kMeshHeader);
    out.int16(static_cast<int16_t>(mesh));
    out.text(body.bytes());
  }
  return out;
}

ByteBuffer lakeFile(const std::vector<Polyline>& rings) {
  ByteBuffer out;
  for (const Polyline& ring : rings) {
    std::vector<std::pair<int32_t, int32_t>> points;
    for (LonLat p : ring) {
      std::pair<int32_t, int32_t> q{toArcSeconds(p.lat), toArcSeconds(p.lon)};
      if (points.empty() || points.back() != q) points.push_back(q);
    }
    if (points.size() < 4) continue;  // three corners and the closing point at least
    int32_t south = points[0].first, north = south, west = points[0].second, east = west;
    for (auto [lat, lon] : points) {
      south = std::min(south, lat);
      north = std::max(north, lat);
      west = std::min(west, lon);
      east = std::max(east, lon);
    }
    out.int32(south);
    out.int32(west);
    out.int32(north);
    out.int32(east);
    for (auto [lat, lon] : points) {
      out.int32(lat);
      out.int32(lon);
    }
    out.int32(kPenUp);
    out.int32(kPenUp);
  }
  return out;
}

ByteBuffer prefectureTableFile(const std::vector<Prefecture>& prefectures) {
  ByteBuffer out;
  appendLine(&out, toCp932(";都道府県の代表点(都道府県庁の位置)"));
  appendLine(&out, toCp932(";緯度 経度 (度.分秒) 名称  一行目が北海道、以下都道府県コード順"));
  for (const auto& p : prefectures) {
    char line[64];
    std::snprintf(line, sizeof line, "%02d.%02d00 %03d.%02d00 ", p.officeLatMinutes / 60,
                  p.officeLatMinutes % 60, p.officeLonMinutes / 60, p.officeLonMinutes % 60);
    appendLine(&out, line + toCp932(p.name));
  }
  return out;
}

ByteBuffer sheetIndexFile(const std::vector<Sheet>& sheets) {
  ByteBuffer out;
  appendLine(&out, "; 1:200,000 sheets: mesh code, name, south-west corner latitude and longitude");
  for (const Sheet& sheet : sheets) appendLine(&out, sheetIndexLine(sheet));
  return out;
}

int coastFileOfMesh(int mesh) {
  const int latCode = mesh / 100, lonCode = mesh % 100;
  if (latCode >= 63) return 6;
  if (lonCode < 30) return 1;
  if (lonCode <= 32) return 2;
  if (lonCode <= 35) return 3;
  if (lonCode <= 38) return 4;
  return 5;
}

int borderFileOfMesh(int mesh) {
  const int latCode = mesh / 100, lonCode = mesh % 100;
  if (latCode >= 63) return 0;
  if (lonCode >= 38) return 1;
  if (lonCode >= 32) return 2;
  return 3;
}

}  // namespace sampledata
