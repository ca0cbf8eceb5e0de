#pragma once
// The shipped per-prefecture statistics data sets of MAPELMNT\ (CP932, CR LF): a header
// "データ名称=<name>", then one line "<prefecture> <value>" per prefecture in code order.
// - 県別人口.DAT: the 2020 census population, copied from the census table.
// - 県別面積.DAT: the area in km² of each prefecture, computed on the sphere from the N03
//   prefecture polygons; a computed figure, not the surveyed area.
#include "Output.h"

#include <string>
#include <vector>

namespace sampledata {

struct PrefectureCount {
  std::string name;  // UTF-8, as 北海道
  double value = 0;
};

// The census table: "code<TAB>name<TAB>population", "#" comments; throws unless 47 rows in code
// order.
std::vector<PrefectureCount> readPopulationTable(const std::string& tsvPath);

// The area of each named prefecture in km², in the order of `names`; throws when one is missing.
std::vector<PrefectureCount> prefectureAreas(const std::string& geoJsonPath, const std::vector<std::string>& names);

// The data set file: header, then "%s %.0f" (population) or "%s %.1f" (area) lines.
ByteBuffer prefectureDataFile(const std::string& dataName, const std::vector<PrefectureCount>& rows, int decimals);

}  // namespace sampledata
