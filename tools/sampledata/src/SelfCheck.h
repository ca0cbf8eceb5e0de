#pragma once
// Reads the written files back with parsers of its own and checks them against the sources.
#include "Prefectures.h"
#include "Sheets.h"

#include <string>

namespace sampledata {

struct CheckSources {
  std::vector<Polyline> coast;                  // GSHHG coastlines as read
  std::vector<Polyline> nationalBorders;        // GSHHG national borders as read
  std::vector<Polyline> lakes;                  // the lakes chosen for the lake file, as read
  std::vector<Polyline> prefectureBorders;      // the borders written (vertices of the source)
  std::vector<PrefecturePolygon> prefecturePolygons;
  std::vector<Prefecture> prefectures;
  std::vector<Sheet> sheets;
  std::vector<int> japanMeshes;
};

// Prints one line per file (size and counts) and every fault found; returns the number of
// faults.
int checkOutput(const std::string& dataDir, const CheckSources& sources);

}  // namespace sampledata
