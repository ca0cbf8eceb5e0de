#pragma once
// The 500 m depth soundings of the seas around the start sheet, from ETOPO5: one text file a whole
// degree of latitude and longitude (DEPTH/DP<lat>_<lon>.txt), one point for each 500 m cell
// (15" x 22.5") whose centre is at sea. A cell that holds a node of the 5-minute grid gives that
// node (kind "0", the grid's own value); every other cell its centre, interpolated (kind "1").
// Lines "%c %.6f %.6f %d" (kind, latitude, longitude, depth in metres, at least 1) with CR LF.
#include "CoastSea.h"

#include <map>
#include <string>

namespace sampledata {

// The south-west corners of the squares written: 34-35 N, 134-136 E, around the start sheet.
struct DepthSquares {
  int southLat = 34, northLat = 35;  // corners, inclusive
  int westLon = 134, eastLon = 136;
};

// The grid box that covers the squares (one degree beyond their north and east corners).
Box depthSquaresBox(const DepthSquares& squares);

// File name ("DP34_135.txt") -> bytes.
std::map<std::string, ByteBuffer> depthPointFiles(const DepthGrid& grid, const std::vector<PrefecturePolygon>& polygons,
                                                  const DepthSquares& squares);

}  // namespace sampledata
