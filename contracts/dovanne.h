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

// ---- Tracks

// A GPS track (kind "log", "rot", "pot" or "trk") inside the view's bounds, with its start box,
// label and distance marks.
using OnTrackDrawModule_fn = void(vd::Dc* dc, std::string trackFile, int startBox, int coordinateFormat,
                                  int trackNumber, int longitudeColumn, int decimalColumn, int west, int north,
                                  int east, int south, int whiteSecondColour, int labelFontHeight, int distanceMarks,
                                  int documentTrackNumber, std::string kind, std::string label,
                                  float pixelsPerSecondX, float pixelsPerSecondY, float metresPerSecondX,
                                  float metresPerSecondY, float markDistanceKm, float westX, float northY);
extern "C" VD_EXPORT OnTrackDrawModule_fn OnTrackDrawModule;

// The south-west corner ("DD.MM00/DDD.0000") of the sheet that holds a track's point line.
using OnTrackStartMapModule_fn = std::string(std::string pointLine, std::string formatName, int formatNumber);
extern "C" VD_EXPORT OnTrackStartMapModule_fn OnTrackStartMapModule;

// ---- User data markers

// The points of the current data file with its title box on the overview.
using OnCurrentFileCheck_fn = void(vd::Dc* dc, int areaWidth, float refLatitude, float refLongitude, float scale,
                                   std::string dataFile, std::string title);
extern "C" VD_EXPORT OnCurrentFileCheck_fn OnCurrentFileCheck;

// The points of one data source of the binder list with its legend row.
using OnDfCModule_fn = void(vd::Dc* dc, int source, int firstLegendSource, int legendX, int legendY,
                            int legendRowHeight, int originX, std::string dataFile, float refLatitude,
                            float refLongitude, float scale);
extern "C" VD_EXPORT OnDfCModule_fn OnDfCModule;

// ---- Code conversions and search results

// The first-level mesh code of the prefectural office of a government code's prefecture ("" when
// unknown).
using OnGetMechCodeFromGovermentCode_fn = std::string(std::string governmentCode);
extern "C" VD_EXPORT OnGetMechCodeFromGovermentCode_fn OnGetMechCodeFromGovermentCode;

// Full-width characters to their half-width forms.
using OnZenkakuToHankaku_fn = std::string(std::string text);
extern "C" VD_EXPORT OnZenkakuToHankaku_fn OnZenkakuToHankaku;

// The condition and counts of a place-name or public-facility search, written on the map.
using OnGnpfOutPut_fn = void(vd::Dc* dc, int phase, int boxX, int boxY, int searchKind, int found, int shown,
                             int largeClass, int middleClass, int smallClass, int viewWidth,
                             std::string largeClassName, std::string middleClassName, std::string smallClassName,
                             std::string meshCode, std::string governmentCode, std::string municipality,
                             std::string searchText);
extern "C" VD_EXPORT OnGnpfOutPut_fn OnGnpfOutPut;

// ---- Greyscale sheets

// Writes the greyscale relief bitmaps MAPFGRS\%04d.bmp of the 1:200,000 sheets.
using OnMapFigureMakeModule_fn = void(vd::Dc* dc, int width, int height, std::string semFolder,
                                      std::string applicationFolder);
extern "C" VD_EXPORT OnMapFigureMakeModule_fn OnMapFigureMakeModule;

// ---- Geology and land-classification meshes

// The geology or land-classification mesh on the detailed map.
using OnD4GeologyMesh_fn = void(vd::Dc* dc, int unused, int north, int west, int south, int east, int areaKind,
                                int wideAreaMode, int blockMode, int layerFlag, int detailLevel, int layerModeCode,
                                int item, int displayOption, int statusLineY, float originX, float originY,
                                float scaleX, float scaleY, std::string areaSpec, std::string centreMesh,
                                std::string wideCentre3, std::string wideCentre5, std::string dataPrefix,
                                std::string dataFolder, std::string selection);
extern "C" VD_EXPORT OnD4GeologyMesh_fn OnD4GeologyMesh;

// The geology or land-classification mesh on the white map (zooms: 320 pixels per first-level
// mesh at 1).
using OnDdWhiteG4Mesh_fn = void(vd::Dc* dc, int unused1, int areaKind, int unused3, int blockMode, int layerFlag,
                                int detailLevel, int modeCode, int item, int layerValue, int statusLineY,
                                float originX, float originY, float zoomX, float zoomY, std::string wideAreaName,
                                std::string centreMesh, std::string unused17, std::string cellCountAndText,
                                std::string dataText, std::string applicationFolder, std::string selection);
extern "C" VD_EXPORT OnDdWhiteG4Mesh_fn OnDdWhiteG4Mesh;

// The geology composition table of the current map (the arguments of OnDdWhiteG4Mesh; only the
// first integers and the application folder are read).
using OnG4LegendTable_fn = OnDdWhiteG4Mesh_fn;
extern "C" VD_EXPORT OnG4LegendTable_fn OnG4LegendTable;

// The natural-terrain mesh settings (DGEOFILE.DAT): 3 "%d|" integers, 5 texts and the rest; ""
// on cancel.
using OnDlgGeoSet_fn = std::string(std::string appFolder, std::string state, std::string terrainDataSet,
                                   std::string eraSelection, std::string terrainSelection,
                                   std::string soilSelection, std::string rockSelection,
                                   std::string valleySelection);
extern "C" VD_EXPORT OnDlgGeoSet_fn OnDlgGeoSet;

// The land-classification and valley-density settings: 3 "%d|" integers, 6 texts and the rest;
// "" on cancel.
using OnDlgNtrSet_fn = std::string(std::string appFolder, std::string state, std::string classAndValleyFiles,
                                   std::string eraSelection, std::string terrainSelection,
                                   std::string soilSelection, std::string rockSelection,
                                   std::string valleySelection);
extern "C" VD_EXPORT OnDlgNtrSet_fn OnDlgNtrSet;

// The geology legend list.
using OnD4GeologyLegend_fn = void(int gridSide, int legendKind, int source, int workFile,
                                  std::string applicationFolder);
extern "C" VD_EXPORT OnD4GeologyLegend_fn OnD4GeologyLegend;
