#pragma once
// The municipalities of the N03 administrative-area GeoJSON written as published n03 link-and-area
// text, one file per prefecture (n03-001-<code>.txt), which the program's own boundary conversion
// turns into CityPlgn\Pg001_<code>.dat. Borders are cut into links at the points where more than
// two municipalities meet, so neighbours share each link (one walks it backwards); each link is
// thinned once, so shared borders stay shared. Coordinates in tenths of an arc-second, no datum
// shift (the base map's).
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace sampledata {

// A point in millionths of a degree (the source's six decimals), longitude first.
struct MicroPoint {
  int64_t lon = 0;
  int64_t lat = 0;
  friend auto operator<=>(const MicroPoint&, const MicroPoint&) = default;
};

struct Municipality {
  std::string code;                            // N03_007, 5 digits
  std::string prefecture, subprefecture, county, name;  // UTF-8; empty when null
  std::vector<std::vector<MicroPoint>> rings;  // outer rings of its pieces, open (no repeated end)
};

std::vector<Municipality> readMunicipalities(const std::string& geoJsonPath);

struct BoundaryTopology {
  // Links in tenths of an arc-second (longitude, latitude), thinned.
  std::vector<std::vector<std::pair<int32_t, int32_t>>> links;
  struct Area {
    std::string code;
    std::vector<int> references;  // link index + 1, negative when walked backwards
    std::pair<int32_t, int32_t> point;  // a representative point (tenths of a second)
  };
  std::vector<Area> areas;  // by code, the largest piece of each municipality first
};

// Links shared by neighbours, each thinned to `toleranceMetres`.
BoundaryTopology buildTopology(const std::vector<Municipality>& municipalities, double toleranceMetres);

// The n03 text (CP932, CR LF) of each prefecture code.
std::map<int, std::string> n03Texts(const std::vector<Municipality>& municipalities, const BoundaryTopology& topology);

}  // namespace sampledata
