#pragma once
// Dovanne's base-map entry points: one function type per export. Dovanne includes this header, so
// a definition that does not match does not compile; callers hold pointers of these types from
// the library loader. Every entry point takes the caller's device context first and its strings
// last, makes and deletes its own pens, brushes and fonts, and keeps nothing between calls.
// Coordinates: arc-seconds in the limits of the linear maps, 1/10000 degree in the projections;
// folders in Windows form ending in a backslash.
#include "contracts/Export.h"

#include <string>

namespace vd {
class Dc;
}

// Coastlines of Japan and its neighbours, optionally the borders (FEBORDER.DAT) and the graticule,
// in the band projection (projection mode below 2) or the Albers conic.
using OnJapanCoastLineDraw_fn = void(vd::Dc* dc, int projectionMode, int bordersFlag, int japanAreaFlag,
                                     int originX, int originY, int graticuleFlag, float refLatitude,
                                     float refLongitude, float scale, std::string folder);
extern "C" VD_EXPORT OnJapanCoastLineDraw_fn OnJapanCoastLineDraw;

// The Far East coastline (BN_FECST.DAT) on a linear map.
using OnForeEastCoast_fn = void(vd::Dc* dc, float originX, float originY, float scaleX, float scaleY, int west,
                                int south, int east, int north, std::string folder);
extern "C" VD_EXPORT OnForeEastCoast_fn OnForeEastCoast;

// The detailed coastline of one sheet (map mode 1), a block of sheets (2) or a free extent (3);
// pen code = 1000 x grid flag + pen number.
using OnWholeCoastLine_fn = void(vd::Dc* dc, int mapMode, int sheetCount, int west, int south, int originX,
                                 int originY, int east, int north, float scaleX, float scaleY, int penCode,
                                 std::string folder);
extern "C" VD_EXPORT OnWholeCoastLine_fn OnWholeCoastLine;

// Prefecture borders and, in the north, sub-prefecture borders on the same maps.
using OnWholePrfctrLine_fn = void(vd::Dc* dc, int mapMode, int sheetCount, int west, int south, int originX,
                                  int originY, int east, int north, int subprefectureFlag, float scaleX,
                                  float scaleY, std::string colourName, std::string folder);
extern "C" VD_EXPORT OnWholePrfctrLine_fn OnWholePrfctrLine;

// Lakes (file 0) or reservoirs (file 1) of a linear map; style 10 or more draws outlines only.
using OnLakeDraw_fn = void(vd::Dc* dc, std::string folder, int style, float originX, float originY, float scaleX,
                           float scaleY, int east, int north, int west, int south, int file, int colour);
extern "C" VD_EXPORT OnLakeDraw_fn OnLakeDraw;

// The 20 km (or, bar kind 3, 50 km) scale bar ending at (rightX, baseY); label and spare unused.
using OnScaleX_fn = void(vd::Dc* dc, int barKind, float scaleX, int rightX, int baseY, std::string label,
                         float metresPerSecondEastWest, int spare);
extern "C" VD_EXPORT OnScaleX_fn OnScaleX;

// The index map of the 1:200,000 sheets with their names; indexPath may end in "|B" to list the
// marked sheets too.
using OnIndexMap_fn = void(vd::Dc* dc, std::string indexPath, std::string fontFace, int spare, int fontHeight,
                           int leftX, int columnWidth, int topY, int rowHeight);
extern "C" VD_EXPORT OnIndexMap_fn OnIndexMap;

// The great-circle distance between two places, written in a framed box.
using OnDistance_fn = void(vd::Dc* dc, std::string firstPlace, std::string secondPlace, double latitude1Degrees,
                           double latitude1Minutes, double longitude1Degrees, double longitude1Minutes,
                           double latitude2Degrees, double latitude2Minutes, double longitude2Degrees,
                           double longitude2Minutes, int layoutWidth, int layoutMode1, int layoutMode2, int rowY,
                           int lowY);
extern "C" VD_EXPORT OnDistance_fn OnDistance;

// Metres per arc-second at a latitude text ("35." or "35.4012"): kind "ew" east-west, "ns"
// north-south, anything else their ratio north-south / east-west. A single-precision value,
// returned widened. Draws nothing.
using OnUnitLength_fn = double(std::string kind, std::string latitude);
extern "C" VD_EXPORT OnUnitLength_fn OnUnitLength;

// Prefecture map: frame, corner coordinates, coastline and label of one first-level mesh.
using OnCoastPrfctr_fn = void(vd::Dc* dc, int tableLine, int originX, int frameFlag, int mapHeight, int mapWidth,
                              int ratioMode, int penCode, float lat0, float lon0, float scale, float ratio,
                              std::string coastFolder, std::string meshCode, std::string label,
                              std::string applicationFolder);
extern "C" VD_EXPORT OnCoastPrfctr_fn OnCoastPrfctr;

// Prefecture map: prefecture and sub-prefecture borders. A negative map width draws for print.
using OnCstPrfctrLine_fn = void(vd::Dc* dc, std::string folder, std::string meshCode, std::string colourName,
                                float lat0, float lon0, float scale, float ratio, int ratioMode, int originX,
                                int mapHeight, int mapWidth, int subprefectureFlag);
extern "C" VD_EXPORT OnCstPrfctrLine_fn OnCstPrfctrLine;

// Prefecture map: lakes (styleAndFile % 10: 0 lakes, 1 reservoirs; 10 or more outlines only).
using OnPrfctrLake_fn = void(vd::Dc* dc, std::string folder, int spare, int ratioMode, float ratio, float lat0,
                             float lon0, float scale, int styleAndFile, int mapHeight, int mapWidth, int originX,
                             int colour);
extern "C" VD_EXPORT OnPrfctrLake_fn OnPrfctrLake;

// Prefecture map: a text at the point of a line of MAPELMNT\都道府県.DAT.
using OnBmpPrfctrNameOut_fn = void(vd::Dc* dc, int tableLine, int originX, float lat0, float lon0, float scale,
                                   float ratio, std::string text, std::string applicationFolder);
extern "C" VD_EXPORT OnBmpPrfctrNameOut_fn OnBmpPrfctrNameOut;

// Prefecture map: the 20 km or 50 km scale bar.
using OnPrfctrScale_fn = void(vd::Dc* dc, float scale, float ratio, float metresPerSecondEastWest, int mapWidth,
                              int baseY);
extern "C" VD_EXPORT OnPrfctrScale_fn OnPrfctrScale;

// Grid of parallels every 40 minutes and meridians every degree; limits in arc-seconds.
using OnPrefectureLat_fn = void(vd::Dc* dc, int north, int west, int south, int east, int linearFlag, float scale,
                                float originX, float originY, float scaleX, float scaleY, float lon0);
extern "C" VD_EXPORT OnPrefectureLat_fn OnPrefectureLat;
