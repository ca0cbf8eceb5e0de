#include "CountryRivers.h"

#include "GridCut.h"
#include "RecordLine.h"

#include <algorithm>

namespace sampledata {
namespace {

// The reader lifts its pen between points more than 90 arc-seconds apart.
constexpr int64_t kMaxStepTenths = 800;
// The group key: the data set's tag, then the link's number in the six columns a link names.
constexpr char kGroupTag[] = "W152";

struct Link {
  int mesh = 0;
  int riverClass = 0;
  TenthLine points;
};

}  // namespace

int riverClassOfLevel(int level) { return level <= 3 ? 1 : level == 4 ? 3 : 4; }

ByteBuffer countryRiverFile(const RiverPieces& pieces) {
  std::vector<Link> links;
  for (const auto& [code, lines] : pieces)
    for (const auto& [level, line] : lines)
      for (const TenthLine& piece : cutAtGrid(densify(toTenths(line), kMaxStepTenths), kMeshLonTenths, kMeshLatTenths)) {
        // The mean of the points lies inside the piece's mesh unless the piece runs along its edge.
        double lon = 0, lat = 0;
        for (const TenthPoint& p : piece) lon += p.lon, lat += p.lat;
        const double n = 36000.0 * double(piece.size());
        links.push_back({meshCodeOf({lon / n, lat / n}), riverClassOfLevel(level), piece});
      }
  std::stable_sort(links.begin(), links.end(), [](const Link& x, const Link& y) { return x.mesh < y.mesh; });
  ByteBuffer out;
  for (size_t i = 0; i < links.size(); ++i) {
    RecordLine header(51);
    header.put(0, "L");
    header.put(3, number("%04ld", links[i].mesh));
    header.put(27, number("%06ld", long(i + 1)));
    header.put(46, number("%5ld", long(links[i].points.size())));
    appendLine(&out, header.text());
    std::string text;
    const TenthLine& points = links[i].points;
    for (size_t k = 0; k < points.size(); ++k) {
      text += (k % 5 ? " " : "") + std::to_string(points[k].lon) + " " + std::to_string(points[k].lat);
      if (k % 5 == 4 || k + 1 == points.size()) {
        appendLine(&out, text);
        text.clear();
      }
    }
  }
  for (size_t i = 0; i < links.size(); ++i)
    for (size_t k = 0; k < links[i].points.size(); ++k) {
      RecordLine record(39);
      record.put(0, "DS");
      record.put(3, kGroupTag + number("%06ld", long(i + 1)));
      record.put(22, number("%12ld", long(k + 1)) + std::to_string(links[i].riverClass) + "0000");
      appendLine(&out, record.text());
    }
  return out;
}

}  // namespace sampledata
