#pragma once
// Surrick's entry points: one function type per export. Surrick includes this header, so a
// definition that does not match does not compile; callers hold pointers of these types from
// the library loader. Strings by value are the callee's; a returned string is the caller's.
// Latitudes and longitudes in 1/10000 degree unless said otherwise; limits in arc-seconds.
#include "contracts/Export.h"

#include <string>

namespace vd {
class Dc;
}

// ---- Prefecture and Japan outline maps

// Fills the prefecture outlines (PRFCT_RK.DAT of the outline folder) by the class list.
using OnPrefectureMap_fn = void(vd::Dc* dc, std::string classList, std::string outlineFolder, int originX,
                                int projectionMode, int insetFlag, int colourFlag, float refLatitude,
                                float refLongitude, float scale);
extern "C" VD_EXPORT OnPrefectureMap_fn OnPrefectureMap;

// The Japan outline map with its labels (FarEast.DAT of the label folder) and graticule.
using OnJapanDataIsland_fn = void(vd::Dc* dc, std::string labelFolder, std::string outlineFolder,
                                  int graticuleFlag, int originX, int projectionMode, int insetFlag,
                                  float refLatitude, float refLongitude, float scale);
extern "C" VD_EXPORT OnJapanDataIsland_fn OnJapanDataIsland;

// Prefecture and subprefecture boundary lines with their labels on the overview.
using OnPrectureLine_fn = void(vd::Dc* dc, std::string outlineFolder, int originX, int projectionMode,
                               int lineStyle, int options, float refLatitude, float refLongitude, float scale);
extern "C" VD_EXPORT OnPrectureLine_fn OnPrectureLine;

// ---- Municipality boundaries and coastlines

// The conversion dialog of the published boundary (and coastline) data; the edited folder(s),
// "#"-joined in mode 0, or "" on cancel.
using OnCityBoundarySet_fn = std::string(vd::Dc* dc, std::string boundaryFolder, std::string coastlineFolder,
                                         int mode);
extern "C" VD_EXPORT OnCityBoundarySet_fn OnCityBoundarySet;

// Converts the coastline text files of the folder.
using OnCoastlineSet_fn = void(vd::Dc* dc, std::string coastlineFolder);
extern "C" VD_EXPORT OnCoastlineSet_fn OnCoastlineSet;

// Municipality surfaces on the white map (zooms: 320 pixels per first-level mesh at 1).
using OnCitySurfaceWhite_fn = void(vd::Dc* dc, int colourCode, int originY, int originX, int cellCount,
                                   int meshCode, int coastlinePen, int spare1, int spare2, int labelFlags,
                                   int fillFlag, float zoomX, float zoomY, std::string prefectureFlags,
                                   std::string meshText, std::string wideArea, std::string dataFolder,
                                   std::string boundaryFolder, std::string coastlineFolder);
extern "C" VD_EXPORT OnCitySurfaceWhite_fn OnCitySurfaceWhite;

// Municipality surfaces of a sheet block on the detailed map.
using OnCitySurfacePlain_fn = void(vd::Dc* dc, int colourMode, int colourCode, int coastlinePen, int north,
                                   int west, int south, int east, int areaKind, int wideAreaMode, int areaSubMode,
                                   int spare, int detailLevel, int fillFlag, int labelFlags, int linearFlag,
                                   float scale, float refLongitude, float originX, float originY, float scaleX,
                                   float scaleY, std::string areaSpec, std::string meshCode, std::string areaList,
                                   std::string furtherArea, std::string dataFolder, std::string boundaryFolder,
                                   std::string coastlineFolder);
extern "C" VD_EXPORT OnCitySurfacePlain_fn OnCitySurfacePlain;

// The searched municipality (5-digit code) on the detailed map.
using OnCitySurfaceSearch_fn = void(vd::Dc* dc, int colourCode, int north, int west, int south, int east,
                                    int areaKind, int wideAreaMode, int areaSubMode, int spare, int wholeCountry,
                                    int fillFlag, int labelFlag, float originX, float originY, float scaleX,
                                    float scaleY, std::string area, std::string meshCode, std::string areaList,
                                    std::string furtherArea, std::string dataFolder, std::string boundaryFolder,
                                    std::string municipalityCode);
extern "C" VD_EXPORT OnCitySurfaceSearch_fn OnCitySurfaceSearch;

// Prefecture (and subprefecture) lines of the detailed map.
using OnPlnPrfctrLine_fn = void(vd::Dc* dc, int options, int north, int west, int south, int east, int areaKind,
                                int wideAreaMode, int areaSubMode, int working, int detailLevel, int spare,
                                float originX, float originY, float scaleX, float scaleY, std::string wideAreaName,
                                std::string meshCode, std::string areaList, std::string furtherArea,
                                std::string marker, std::string dataFolder);
extern "C" VD_EXPORT OnPlnPrfctrLine_fn OnPlnPrfctrLine;

// ---- Prefecture statistics

// The statistics map, charts and legend; rankList is 47 "%d|" line indexes.
using OnPrefectureDataDisp_fn = void(vd::Dc* dc, std::string dataFolder, std::string dataFile,
                                     std::string rankList, int colourChoice, int displayKind, int insetFlag,
                                     int projectionMode, int showFlag, int classCountFlag, int textMode,
                                     float refLatitude, float refLongitude, float scale, float originX,
                                     int clientWidth, int clientHeight);
extern "C" VD_EXPORT OnPrefectureDataDisp_fn OnPrefectureDataDisp;

// The statistics display dialog: "" on cancel, "-999" without a data file, else the settings.
using OnLocalDataDspSet_fn = std::string(int show, int graticule, int dataType, int colour, int borders,
                                         int borderColour, int kind, int catalogueIndex, int background,
                                         int choropleth, int classCount, std::string dataName,
                                         std::string dataFile, std::string dataFolder, std::string editor);
extern "C" VD_EXPORT OnLocalDataDspSet_fn OnLocalDataDspSet;

// Statistics data entry; data-set choice and update.
using OnLclDataRgst_fn = void(std::string dataFolder);
extern "C" VD_EXPORT OnLclDataRgst_fn OnLclDataRgst;
using OnLclDataUpdt_fn = void(std::string dataFolder, std::string editor);
extern "C" VD_EXPORT OnLclDataUpdt_fn OnLclDataUpdt;

// The census table viewer.
using OnTableDataDialog_fn = void(std::string file, std::string title1, std::string title2, int rowNumbers,
                                  int presetGroup, int translate);
extern "C" VD_EXPORT OnTableDataDialog_fn OnTableDataDialog;

// ---- Annotations

// A text tag at (x, y).
using OnTagDisplay_fn = void(vd::Dc* dc, int x, int y, std::string text);
extern "C" VD_EXPORT OnTagDisplay_fn OnTagDisplay;

// The distance or slope label between two places (D.MMSS coordinates).
using OnDistanceReportCalc_fn = void(vd::Dc* dc, int fontReduction, int labelMode, int textColour,
                                     int backgroundFlag, int labelX, int labelY, float longitude1,
                                     float latitude1, double value, std::string longitude2,
                                     std::string latitude2);
extern "C" VD_EXPORT OnDistanceReportCalc_fn OnDistanceReportCalc;

// The national-land data legend panel of the white map.
using OnWhiteDdLegend_fn = void(vd::Dc* dc, std::string rowFlags, std::string dataFolder, int positionMode);
extern "C" VD_EXPORT OnWhiteDdLegend_fn OnWhiteDdLegend;

// ---- Pictures

// A registered point's picture; textAndMode is "text$VELDORAN", "text$VELDORAN_UP", "text$SMALL"
// or a text alone.
using OnDlgBmpShow_fn = void(std::string path, std::string name, std::string textAndMode, int shade);
extern "C" VD_EXPORT OnDlgBmpShow_fn OnDlgBmpShow;

// The picture file dialog with preview: the chosen path, "" when none.
using OnPictureFileDialog_fn = std::string();
extern "C" VD_EXPORT OnPictureFileDialog_fn OnPictureFileDialog;

// ---- Datum, map information, sheets and presets

// Tokyo datum to JGD2000: "latitude/longitude" (D.MMSS texts).
using OnTkyItrf_fn = std::string(std::string longitude, std::string latitude);
extern "C" VD_EXPORT OnTkyItrf_fn OnTkyItrf;

// The map information dialog: 13 integers, then 17 texts.
using OnDlgMpRF_fn = void(int highest, int lowest, int userWest, int userSouth, int userEast, int userNorth,
                          int partWest, int partSouth, int partEast, int partNorth, int meshX, int meshY,
                          int meshVariant, std::string placeNameFile, std::string pointFile,
                          std::string textPictureFile, std::string mapSouthLatitude, std::string mapNorthLatitude,
                          std::string mapWestLongitude, std::string mapEastLongitude,
                          std::string partSouthWestLongitude, std::string partSouthWestLatitude,
                          std::string partNorthEastLongitude, std::string partNorthEastLatitude,
                          std::string mapFileKind, std::string meshCode, std::string mapName,
                          std::string partText, std::string mapText, std::string ownCorners);
extern "C" VD_EXPORT OnDlgMpRF_fn OnDlgMpRF;

// The chosen sheets list (MAPFILE.DAT): -3 after OK with a change, else 0.
using OnMapBarMenuFileSet_fn = int(std::string appFolder, std::string editor, std::string sheetIndexPath);
extern "C" VD_EXPORT OnMapBarMenuFileSet_fn OnMapBarMenuFileSet;

// The elevation map file and display range dialog.
using OnMapPartSet_fn = std::string(std::string meshSize, int kind, std::string meshFile,
                                    std::string sheetIndexPath, std::string sheetName, std::string blcmap5Folder,
                                    std::string folder250, std::string folder1kmElevation,
                                    std::string folder1kmMean, std::string rangeName, std::string clipWord,
                                    std::string unused1, std::string unused2, int use50m, int mapForm,
                                    int unused3, int unused4, int regionCode, float kmWidth, float kmHeight);
extern "C" VD_EXPORT OnMapPartSet_fn OnMapPartSet;

// Layer-combination presets: the chosen preset's seven selections "/"-joined, "#" and its
// index; "" on cancel.
using OnNationDataPreset_fn = std::string(int presetIndex, int points, int lines, int surfaces, int natureMesh,
                                          int tenthMesh, int terrainMesh, int classMesh, int industryMesh,
                                          std::string pointState, std::string lineState,
                                          std::string surfaceState, std::string natureMeshState,
                                          std::string tenthMeshState, std::string geologyState,
                                          std::string industryMeshState, std::string appFolder,
                                          std::string editor);
extern "C" VD_EXPORT OnNationDataPreset_fn OnNationDataPreset;
