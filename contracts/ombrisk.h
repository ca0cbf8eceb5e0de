#pragma once
// Ombrisk's entry points: one function type per export. Ombrisk includes this header, so a
// definition that does not match does not compile; callers hold pointers of these types from
// the library loader. Folders end in a backslash; strings by value are the callee's.
// Drawn areas in arc-seconds, scales in pixels per arc-second, colours 0x00BBGGRR.
#include "contracts/Export.h"

#include <string>

namespace vd {
class Dc;
}

// Builds the intermediate depth files of a region (status lines at statusBase - 22).
using OnSubmarineMeshDataFile_fn = void(vd::Dc* dc, std::string depthFolder, std::string mapFolder, int region,
                                        int statusBase, int width, int originX, int originY);
extern "C" VD_EXPORT OnSubmarineMeshDataFile_fn OnSubmarineMeshDataFile;

// The submarine topography settings for the whole-country map, and its sheet-map twin:
// "%d|" x 5 and the folder, "" on cancel.
using OnSubmarineTvlSet_fn = std::string(int show, int method, int relief, int contour, std::string depthFolder);
extern "C" VD_EXPORT OnSubmarineTvlSet_fn OnSubmarineTvlSet;
using OnSubmarineSet_fn = std::string(int show, int method, int unused3, int unused4, std::string depthFolder);
extern "C" VD_EXPORT OnSubmarineSet_fn OnSubmarineSet;

// Depth soundings (method 2 both kinds, else measured ones only); OnSubmarineDataT is its twin.
using OnSubmarineData_fn = void(vd::Dc* dc, std::string depthFolder, std::string meshCode, int statusBase,
                                int method, float offsetX, float offsetY, float scaleX, float scaleY, int east,
                                int north, int west, int south, int extent);
extern "C" VD_EXPORT OnSubmarineData_fn OnSubmarineData;
using OnSubmarineDataT_fn = OnSubmarineData_fn;
extern "C" VD_EXPORT OnSubmarineDataT_fn OnSubmarineDataT;

// The depth tint map of a block of blockSize x blockSize sheets.
using OnSubmarineTpgraphyMesh_fn = void(vd::Dc* dc, std::string depthFolder, std::string meshCode, int statusBase,
                                        int width, int method, int contours, float offsetX, float offsetY,
                                        float scaleX, float scaleY, int east, int north, int west, int south,
                                        int blockSize, int baseColour);
extern "C" VD_EXPORT OnSubmarineTpgraphyMesh_fn OnSubmarineTpgraphyMesh;

// The shaded relief of the sea floor: the tint map's arguments; its colours are fixed, so it
// never reads baseColour (callers pass it all the same, the call must match).
using OnSubmarineTpgraphyRelief_fn = OnSubmarineTpgraphyMesh_fn;
extern "C" VD_EXPORT OnSubmarineTpgraphyRelief_fn OnSubmarineTpgraphyRelief;

// Depth contours (source 0: from the depth text files, else from the intermediate files).
using OnSubmarineContour_fn = void(vd::Dc* dc, std::string depthFolder, std::string meshCode, int statusBase,
                                   int width, int method, int source, int reserved, float offsetX, float offsetY,
                                   float scaleX, float scaleY, int east, int north, int west, int south,
                                   int blockSize, int baseColour);
extern "C" VD_EXPORT OnSubmarineContour_fn OnSubmarineContour;

// The depth legend (kind 0 tint or relief, 1 contours, 2 and 3 soundings).
using OnSubmarineLegned_fn = void(vd::Dc* dc, int kind, int reserved, int right, int relief, int baseColour);
extern "C" VD_EXPORT OnSubmarineLegned_fn OnSubmarineLegned;

// The frames of the intermediate depth files on the overview.
using OnSbmrnMeshDistribution_fn = void(vd::Dc* dc, int borders, int japanOnly, int originX, int originY,
                                        int graticule, int height, int width, std::string mapFolder,
                                        std::string depthFolder);
extern "C" VD_EXPORT OnSbmrnMeshDistribution_fn OnSbmrnMeshDistribution;
