#pragma once
// Coastal-sea depths from ETOPO5 (5-minute grid of elevations in metres) for the third-order
// cells of the sea around the start sheet.
#include "NationalLand.h"

namespace sampledata {

class DepthGrid {
 public:
  // The part of ETOPO5's ROSE variable that covers the box. Throws when the file cannot be read.
  static DepthGrid read(const std::string& etopo5Path, const Box& box);
  // Bilinear elevation in metres (negative at sea).
  double elevation(LonLat p) const;

 private:
  std::vector<double> lons_, lats_;  // ascending
  std::vector<float> values_;        // row by latitude, then longitude
};

struct CellDepths {
  int mean = 0, least = 0, greatest = 0;
};

// Depths at 3 x 3 points of the cell, each at least 1 m.
CellDepths cellDepths(const DepthGrid& grid, const std::string& thirdMeshCode);

// COASTSEA_S.TXT: in the 7 x 7 first-level meshes around `centreMesh`, each third-order cell whose
// centre lies outside every prefecture polygon and whose mean depth is 1-200 m: a tag, the cell's
// code at 5-12, the mean, least and greatest depth "%4d" at 13, 17, 21.
ByteBuffer coastSeaFile(const DepthGrid& grid, const std::vector<PrefecturePolygon>& polygons, int centreMesh);

// The box of the 7 x 7 first-level meshes around the mesh.
Box meshBlockBox(int centreMesh);

}  // namespace sampledata
