#pragma once
// Reads the national-land sample files back by their columns and checks them against the
// sources: every point within half a unit of a source point and inside Japan, and every
// record's mesh listing its prefecture in Msh_prft.dat; every depth within 1 m of the grid.
#include "CoastSea.h"
#include "Towns.h"

#include <memory>

namespace sampledata {

struct NationalLandSources {
  std::vector<Polyline> rivers;
  std::vector<Prefecture> prefectures;
  std::vector<Airport> airports;
  std::vector<Town> towns;
  std::shared_ptr<const DepthGrid> depths;
};

// Prints a summary line per kind of file; gives the number of faults.
int checkNationalLand(const std::string& dataDir, const NationalLandSources& sources);

}  // namespace sampledata
