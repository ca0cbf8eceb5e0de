#pragma once
// LAKE_S.TXT: a lake of the 1/10 subdivided mesh theme. One record per third-order cell that the
// lake's ring covers, with the lake in slot 1 and the digit "1" for each sub-cell whose
// south-west corner lies inside the ring; then the lake's "D" record.
#include "NationalLand.h"

namespace sampledata {

struct LakeFacts {
  std::string code;  // 7 characters
  std::string name;  // UTF-8
  int elevation = 0; // lake surface, metres
  int prefecture = 0;
  LonLat inside;     // a point of the lake, to find its ring among the lakes
};

// Reads the tab-separated table of lakes (lines starting with "#" are comments).
std::vector<LakeFacts> readLakeTable(const std::string& path);

// The ring of the lake: the closed ring among `lakes` that holds `facts.inside`; throws without one.
const Polyline& ringOfLake(const LakeFacts& facts, const std::vector<Polyline>& lakes);

ByteBuffer lakeMeshFile(const std::vector<std::pair<LakeFacts, Polyline>>& lakes, MeshPrefectures* meshes);

}  // namespace sampledata
