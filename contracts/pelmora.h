#pragma once
// Pelmora's entry points: one function type per export. Pelmora includes this header, so a
// definition that does not match does not compile; callers hold pointers of these types from
// the library loader. Strings by value are the callee's; a returned string is the caller's.
// Drawing entry points: extents in arc-seconds; the plain forms take an x and y origin and x and
// y scales in pixels per arc-second, the white forms zooms (320 pixels per first-level mesh at 1).
#include "contracts/Export.h"

#include <string>

namespace vd {
class Dc;
}

// ---- Drawing: the detailed (plain) map
// (The census steps of the mesh layers work on the renderer that an entry point builds; they are
// members of it, not entry points.)

// River and road lines.
using OnDdPlainRiver_fn = void(vd::Dc* dc, int itemCode, int north, int west, int south, int east, int areaKind,
                               int wideAreaMode, int blockMode, int statusFlag, int detailLevel, int layerValue,
                               int statusLineY, float originX, float originY, float scaleX, float scaleY,
                               std::string areaSpec, std::string meshCode, std::string blockCentre3,
                               std::string blockCentre5, std::string dataSetPath, std::string dataFolder);
extern "C" VD_EXPORT OnDdPlainRiver_fn OnDdPlainRiver;
using OnDdPlainRoad_fn = OnDdPlainRiver_fn;
extern "C" VD_EXPORT OnDdPlainRoad_fn OnDdPlainRoad;

// A whole-country line theme (line theme 4 with sub-theme 2: railways).
using OnDdPlainWholeCountry_fn = void(vd::Dc* dc, int itemCode, int north, int west, int south, int east,
                                      int areaKind, int wideAreaMode, int blockMode, int statusFlag,
                                      int detailLevel, int lineTheme, int railwaySubTheme, int statusLineY,
                                      float originX, float originY, float scaleX, float scaleY,
                                      std::string areaSpec, std::string meshCode, std::string blockCentre3,
                                      std::string blockCentre5, std::string dataSetPath, std::string dataFolder);
extern "C" VD_EXPORT OnDdPlainWholeCountry_fn OnDdPlainWholeCountry;

// A surface theme, and its whole-country form.
using OnDdPlainLASurface_fn = void(vd::Dc* dc, int themeSelector, int itemCode, int north, int west, int south,
                                   int east, int areaKind, int wideAreaMode, int blockMode, int statusFlag,
                                   int detailLevel, int layerValueA, int layerValueB, int statusLineY,
                                   float originX, float originY, float scaleX, float scaleY, std::string areaSpec,
                                   std::string meshCode, std::string blockCentre3, std::string blockCentre5,
                                   std::string dataSetPath, std::string dataFolder);
extern "C" VD_EXPORT OnDdPlainLASurface_fn OnDdPlainLASurface;
using OnDdSrfcPlainWhole_fn = OnDdPlainLASurface_fn;
extern "C" VD_EXPORT OnDdSrfcPlainWhole_fn OnDdSrfcPlainWhole;

// A point theme (item codes from 10000 carry the land-price sub-item).
using OnDdPlainPoint_fn = void(vd::Dc* dc, int itemCode, int north, int west, int south, int east, int areaKind,
                               int wideAreaMode, int blockMode, int statusFlag, int detailLevel, int pointTheme,
                               int layerValueA, int layerValueB, int statusLineY, float originX, float originY,
                               float scaleX, float scaleY, std::string areaSpec, std::string meshCode,
                               std::string blockCentre3, std::string blockCentre5, std::string dataSetPath,
                               std::string dataFolder);
extern "C" VD_EXPORT OnDdPlainPoint_fn OnDdPlainPoint;

// Third-level mesh themes (value div 10000 of the sixth argument: the method digit), with and
// without relief; the result of the layer operation (callers ignore it).
using OnDdPlainMesh_fn = int(vd::Dc* dc, int unread, int north, int west, int south, int east,
                             int methodAndAreaKind, int wideAreaMode, int blockMode, int statusFlag, int detailLevel,
                             int layerModeCode, int itemCode, int layerValueA, int statusLineY, int layerValueB,
                             float originX, float originY, float scaleX, float scaleY, std::string areaSpec,
                             std::string meshCode, std::string blockCentre3, std::string blockCentre5,
                             std::string dataSetPath, std::string dataFolder, std::string layerText);
extern "C" VD_EXPORT OnDdPlainMesh_fn OnDdPlainMesh;
using OnDdPlainMeshRelief_fn = OnDdPlainMesh_fn;
extern "C" VD_EXPORT OnDdPlainMeshRelief_fn OnDdPlainMeshRelief;

// The 1/10 subdivided mesh (relief selector 6 or more: over relief data).
using OnDdPlnF10Mesh_fn = int(vd::Dc* dc, int reliefSelector, int north, int west, int south, int east,
                              int areaKind, int wideAreaMode, int blockMode, int statusValue, int detailLevel,
                              int layerModeCode, int itemCode, int layerValueA, int statusLineY, int layerValueB,
                              float originX, float originY, float scaleX, float scaleY, std::string areaSpec,
                              std::string meshCode, std::string blockCentre3, std::string blockCentre5,
                              std::string dataSetPath, std::string dataFolder, std::string layerText);
extern "C" VD_EXPORT OnDdPlnF10Mesh_fn OnDdPlnF10Mesh;

// A third-level mesh theme on the whole-country overview.
using OnDdPlainMeshTavrel_fn = void(vd::Dc* dc, int unread, int north, int west, int south, int east, int areaKind,
                                    int wideAreaMode, int blockMode, int statusValue, int detailLevel,
                                    int layerModeCode, int itemCode, int layerValue, int statusLineY, float originX,
                                    float originY, float scaleX, float scaleY, std::string areaSpec,
                                    std::string meshCode, std::string blockCentre3, std::string blockCentre5,
                                    std::string dataSetPath, std::string dataFolder, std::string censusClasses);
extern "C" VD_EXPORT OnDdPlainMeshTavrel_fn OnDdPlainMeshTavrel;

// ---- Drawing: the white map

// Point themes, third-level meshes and the 1/10 subdivided mesh (the eighth argument: point
// theme or LayerModeCode; the ninth: layer value A or item code).
using OnDdPointWhite_fn = void(vd::Dc* dc, int itemCode, int areaKind, int unread, int blockMode, int statusFlag,
                               int detailLevel, int themeOrModeCode, int valueOrItemCode, int layerValue,
                               int statusLineY, float originX, float originY, float zoomX, float zoomY,
                               std::string string1, std::string string2, std::string string3,
                               std::string string4, std::string string5, std::string string6);
extern "C" VD_EXPORT OnDdPointWhite_fn OnDdPointWhite;
using OnDdWhiteMesh_fn = OnDdPointWhite_fn;
extern "C" VD_EXPORT OnDdWhiteMesh_fn OnDdWhiteMesh;
using OnDdWhitePlnF10Mesh_fn = OnDdPointWhite_fn;
extern "C" VD_EXPORT OnDdWhitePlnF10Mesh_fn OnDdWhitePlnF10Mesh;

// River and road lines (whole-number origin; the strings: layer text, mesh code, data name,
// block-size key, data set, data folder).
using OnDdRiverWhite_fn = void(vd::Dc* dc, int itemCode, int originY, int originX, int blockMode, int meshCode,
                               int unread6, int unread7, int unread8, int statusFlag, int unread10, int layerValue,
                               int statusLineY, int unread13, int unread14, float zoomX, float zoomY,
                               std::string layerText, std::string meshText, std::string dataName,
                               std::string blockKey, std::string dataSetPath, std::string dataFolder);
extern "C" VD_EXPORT OnDdRiverWhite_fn OnDdRiverWhite;
using OnDdRoadWhite_fn = OnDdRiverWhite_fn;
extern "C" VD_EXPORT OnDdRoadWhite_fn OnDdRoadWhite;

// A whole-country surface theme on the white map.
using OnDdSurfaceWhole_fn = void(vd::Dc* dc, int itemCode, int blockMode, int surfaceTheme, int unread4,
                                 int unread5, int unread6, int unread7, int unread8, int statusFlag, int layerValueB,
                                 int layerValueA, int statusLineY, float originX, float originY, float zoomX,
                                 float zoomY, std::string layerText, std::string meshText, std::string dataName,
                                 std::string blockKey, std::string dataSetPath, std::string dataFolder);
extern "C" VD_EXPORT OnDdSurfaceWhole_fn OnDdSurfaceWhole;

// A surface theme on the white map (selector: group x 10 + item).
using OnDdSurfaceWhite_fn = void(vd::Dc* dc, int selector, int itemCode, int originY, int originX, int blockMode,
                                 int meshCode, int unread7, int unread8, int unread9, int statusFlag,
                                 int layerValueB, int layerValueA, int statusLineY, int unread14, int unread15,
                                 float zoomX, float zoomY, std::string layerText, std::string meshText,
                                 std::string dataName, std::string blockKey, std::string dataSetPath,
                                 std::string dataFolder);
extern "C" VD_EXPORT OnDdSurfaceWhite_fn OnDdSurfaceWhite;

// A whole-country line theme on the white map.
using OnDDLWholeCountryWhite_fn = void(vd::Dc* dc, int itemCode, int blockMode, int railwaySelector2, int unread4,
                                       int unread5, int unread6, int unread7, int unread8, int statusFlag,
                                       int detailLevel, int lineTheme, int railwaySelector4, int statusLineY,
                                       float originX, float originY, float zoomX, float zoomY,
                                       std::string layerText, std::string meshText, std::string dataName,
                                       std::string blockKey, std::string dataSetPath, std::string dataFolder);
extern "C" VD_EXPORT OnDDLWholeCountryWhite_fn OnDDLWholeCountryWhite;

// ---- Settings files and dialogs

// Writes the default layer settings files that are missing: selector 1 the point and the
// nature-mesh files, any other selector also `path` (the line file) and the surface file.
using OnDddFileEdit_fn = void(std::string path, std::string folder, int selector);
extern "C" VD_EXPORT OnDddFileEdit_fn OnDddFileEdit;

// The prefecture selection dialog: a prefecture flag list in (followed by "1" for the
// prefecture-map form), the 48 chosen flags out, "" on cancel.
using OnDddAreaSelect_fn = std::string(std::string flags);
extern "C" VD_EXPORT OnDddAreaSelect_fn OnDddAreaSelect;

// The legend of the point, line and surface layers (81 "%d|" row flags; the folder of the
// settings files).
using OnDlgDdLegend_fn = void(std::string flags, std::string folder);
extern "C" VD_EXPORT OnDlgDdLegend_fn OnDlgDdLegend;

// The data-format viewer of the layers that the flags select; viewer: the browser to start, or "".
using OnDlgDdFormat_fn = void(std::string flags, std::string folder, std::string viewer);
extern "C" VD_EXPORT OnDlgDdFormat_fn OnDlgDdFormat;

// The settings dialogs: each answers a BarDelimitedSettings string, "" on cancel.
// The line-data settings dialog: the line settings file, the settings ("-1" or 71 "%d|"
// integers, then "/TAVREL"), then the row names and files.
using OnDlgDdSet_fn = std::string(std::string settingsFile, std::string settings, std::string text2,
                                  std::string text3,
                                  std::string text4, std::string text5, std::string text6,
                                  std::string text7, std::string text8, std::string text9,
                                  std::string text10, std::string text11, std::string text12,
                                  std::string text13, std::string text14, std::string text15,
                                  std::string text16, std::string text17, std::string text18,
                                  std::string text19, std::string text20, std::string text21,
                                  std::string text22, std::string text23, std::string text24,
                                  std::string text25, std::string text26, std::string text27,
                                  std::string text28, std::string text29, std::string text30,
                                  std::string text31, std::string text32);
extern "C" VD_EXPORT OnDlgDdSet_fn OnDlgDdSet;

// The point-data settings dialog of the detailed map: the point settings file, the settings
// ("-1" or 121 "%d|" integers, then "/TAVREL"), then the row names and files.
using OnDlgDpSet_fn = std::string(std::string settingsFile, std::string settings, std::string text2,
                                  std::string text3,
                                  std::string text4, std::string text5, std::string text6,
                                  std::string text7, std::string text8, std::string text9,
                                  std::string text10, std::string text11, std::string text12,
                                  std::string text13, std::string text14, std::string text15,
                                  std::string text16, std::string text17, std::string text18,
                                  std::string text19, std::string text20, std::string text21,
                                  std::string text22, std::string text23, std::string text24,
                                  std::string text25, std::string text26, std::string text27,
                                  std::string text28, std::string text29, std::string text30,
                                  std::string text31, std::string text32, std::string text33,
                                  std::string text34, std::string text35, std::string text36,
                                  std::string text37, std::string text38, std::string text39);
extern "C" VD_EXPORT OnDlgDpSet_fn OnDlgDpSet;

// The same dialog for the whole-country (white) map.
using OnDlgWhtDpSet_fn = OnDlgDpSet_fn;
extern "C" VD_EXPORT OnDlgWhtDpSet_fn OnDlgWhtDpSet;

// The surface-data settings dialog: the application folder, the settings ("-1" or 61 "%d|"
// integers, then "/TAVREL"), names 0-4, files 0-4, names 10-14, files 10-14, names 5-9, files 5-9.
using OnDlgDsSet_fn = std::string(std::string appFolder, std::string settings, std::string text2,
                                  std::string text3,
                                  std::string text4, std::string text5, std::string text6,
                                  std::string text7, std::string text8, std::string text9,
                                  std::string text10, std::string text11, std::string text12,
                                  std::string text13, std::string text14, std::string text15,
                                  std::string text16, std::string text17, std::string text18,
                                  std::string text19, std::string text20, std::string text21,
                                  std::string text22, std::string text23, std::string text24,
                                  std::string text25, std::string text26, std::string text27,
                                  std::string text28, std::string text29, std::string text30,
                                  std::string text31);
extern "C" VD_EXPORT OnDlgDsSet_fn OnDlgDsSet;

// The natural-environment mesh settings: the application folder, the settings, names 0-4,
// files 0-4, names 5-9, files 5-9.
using OnDlgDmeshSet_fn = std::string(std::string appFolder, std::string settings, std::string text2,
                                  std::string text3,
                                     std::string text4, std::string text5, std::string text6,
                                     std::string text7, std::string text8, std::string text9,
                                     std::string text10, std::string text11, std::string text12,
                                     std::string text13, std::string text14, std::string text15,
                                     std::string text16, std::string text17, std::string text18,
                                     std::string text19, std::string text20, std::string text21);
extern "C" VD_EXPORT OnDlgDmeshSet_fn OnDlgDmeshSet;

// The industry-statistics mesh settings: the application folder, the settings ("-1", "WhiteMap"
// or 12 "%d|" integers, then "/TAVREL"), the names of rows 1-5, their folders and the 28
// "#"-closed item definitions.
using OnDlgDmcSet_fn = std::string(std::string appFolder, std::string settings, std::string text2,
                                  std::string text3,
                                   std::string text4, std::string text5, std::string text6,
                                   std::string text7, std::string text8, std::string text9,
                                   std::string text10, std::string text11, std::string tableTexts);
extern "C" VD_EXPORT OnDlgDmcSet_fn OnDlgDmcSet;

// The 1/10 subdivided mesh settings: the application folder, the settings (no marker), the
// four row texts and the land-use class flags.
using OnDlgFmeshSet_fn = std::string(std::string appFolder, std::string settings, std::string row1,
                                     std::string row2, std::string row3, std::string row4, std::string flags);
extern "C" VD_EXPORT OnDlgFmeshSet_fn OnDlgFmeshSet;
