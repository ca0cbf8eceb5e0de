#include "SurfaceAreas.h"

#include "GridCut.h"
#include "RecordLine.h"

#include <algorithm>
#include <stdexcept>

namespace sampledata {
namespace {

constexpr size_t kMaxChainPoints = 500;  // a chain slot of the reader holds 500 points
constexpr int kMaxChainNumber = 49;      // chain numbers are below 50 per second-level cell
constexpr int kMaxAreasPerFile = 300;    // "D" records the reader keeps

struct Chain {
  int cell = 0;  // second-level code, row and column digits
  int number = 0;
  TenthLine points;
};

// The second-level cell of a piece, by its middle, kept inside its own mesh.
int cellOf(const TenthLine& piece, const TenthBox& mesh) {
  const TenthPoint a = piece.front(), b = piece.back();
  const int64_t lon = (a.lon + b.lon) / 2 - mesh.west, lat = (a.lat + b.lat) / 2 - mesh.south;
  const int row = static_cast<int>(std::clamp<int64_t>(lat / kCellLatTenths, 0, 7));
  const int column = static_cast<int>(std::clamp<int64_t>(lon / kCellLonTenths, 0, 7));
  return row * 10 + column;
}

void appendChain(ByteBuffer* out, int mesh, const Chain& chain) {
  RecordLine header(46);
  header.put(0, "L");
  header.put(3, number("%04ld", mesh));
  header.put(7, number("%02ld", chain.cell));
  header.put(27, number("%6ld", chain.number));
  header.put(46, std::to_string(chain.points.size()));
  appendLine(out, header.text());
  std::string text;
  for (size_t i = 0; i < chain.points.size(); ++i) {
    text += number("%08ld", long(chain.points[i].lon)) + number("%08ld", long(chain.points[i].lat));
    if (i % 5 == 4 || i + 1 == chain.points.size()) {
      appendLine(out, text);
      text.clear();
    }
  }
}

}  // namespace

std::map<int, ByteBuffer> surfaceAreaFiles(const std::vector<PrefecturePolygon>& polygons,
                                           const std::vector<Prefecture>& prefectures, MeshPrefectures* meshes) {
  std::map<int, ByteBuffer> files;
  std::map<int, std::string> names;
  for (const auto& p : prefectures) names[p.code] = p.name;
  std::map<int, int> areaCounts;
  std::map<int, std::map<std::pair<int, int>, int>> chainNumbers;  // by file: (mesh, cell) -> last
  for (const auto& polygon : polygons) {
    const TenthLine ring = toTenths(polygon.ring);
    std::set<int> reached;
    for (const TenthPoint& p : ring)
      reached.insert(meshCodeOf({p.lon / 36000.0, p.lat / 36000.0}));
    // A mesh the ring crosses without a vertex lies between meshes of vertices.
    const auto [south, north] = std::minmax_element(reached.begin(), reached.end(),
                                                    [](int a, int b) { return a / 100 < b / 100; });
    const auto [west, east] = std::minmax_element(reached.begin(), reached.end(),
                                                  [](int a, int b) { return a % 100 < b % 100; });
    ByteBuffer& out = files[polygon.code];
    for (int row = *south / 100; row <= *north / 100; ++row)
      for (int column = *west % 100; column <= *east % 100; ++column) {
        const int mesh = row * 100 + column;
        const TenthBox box = meshBox(mesh);
        const TenthLine clipped = clipRing(ring, box);
        if (clipped.empty()) continue;
        std::vector<Chain> chains;
        for (const TenthLine& piece : cutAtGrid(clipped, kCellLonTenths, kCellLatTenths)) {
          const int cell = cellOf(piece, box);
          if (chains.empty() || chains.back().cell != cell || chains.back().points.size() + piece.size() - 1 > kMaxChainPoints) {
            int& last = chainNumbers[polygon.code][{mesh, cell}];
            if (++last > kMaxChainNumber)
              throw std::runtime_error("prefecture " + std::to_string(polygon.code) + ": too many chains in cell " +
                                       std::to_string(mesh) + number("%02ld", cell));
            chains.push_back({cell, last, {piece.front()}});
          }
          chains.back().points.insert(chains.back().points.end(), piece.begin() + 1, piece.end());
        }
        for (const Chain& chain : chains) appendChain(&out, mesh, chain);
        const int area = ++areaCounts[polygon.code];
        RecordLine header(51);
        header.put(0, "A");
        header.put(3, number("%04ld", mesh));
        header.put(35, number("%02ld", polygon.code) + number("%08ld", area));
        header.put(45, number("%6ld", long(chains.size())));
        appendLine(&out, header.text());
        std::string references;
        for (size_t i = 0; i < chains.size(); ++i) {
          references += number("%04ld", mesh) + number("%02ld", chains[i].cell) + number("%6ld", chains[i].number) + "  ";
          if (i % 5 == 4 || i + 1 == chains.size()) {
            appendLine(&out, references);
            references.clear();
          }
        }
        (*meshes)[mesh].insert(polygon.code);
      }
  }
  for (auto& [code, out] : files) {
    if (areaCounts[code] > kMaxAreasPerFile)
      throw std::runtime_error("prefecture " + std::to_string(code) + ": more areas than the reader keeps");
    for (int area = 1; area <= areaCounts[code]; ++area) {
      RecordLine record(80);
      record.put(0, "D");
      record.put(3, number("%02ld", code) + number("%08ld", area));
      record.putText(64, toCp932(names.at(code)), 16);
      appendLine(&out, record.text());
    }
  }
  return files;
}

}  // namespace sampledata
