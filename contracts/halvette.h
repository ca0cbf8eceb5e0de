#pragma once
// Halvette's entry points: one function type per export. Halvette includes this header, so a
// definition that does not match does not compile; callers hold pointers of these types from
// the library loader. Strings by value are the callee's; a returned string is the caller's.
#include "contracts/Export.h"

#include <string>

namespace vd {
class Dc;
}

// The seismic hazard mesh on the detailed map (plain form of the layer arguments); the result
// of the legend, or -1 when none was drawn.
using OnSeisPlainMesh_fn = int(vd::Dc* dc, int unread, int north, int west, int south, int east, int optionCode,
                               int wideAreaMode, int mapFrameMode, int statusFlag, int detailLevel,
                               int layerModeCode, int legendX, int entry, int statusLineY, int legendYOffset,
                               float offsetX, float offsetY, float scaleX, float scaleY, std::string string0,
                               std::string string1, std::string string2, std::string string3,
                               std::string string4);
extern "C" VD_EXPORT OnSeisPlainMesh_fn OnSeisPlainMesh;

// The same over relief data.
using OnSeisPlainMeshRelief_fn = OnSeisPlainMesh_fn;
extern "C" VD_EXPORT OnSeisPlainMeshRelief_fn OnSeisPlainMeshRelief;

// The seismic mesh on the white map (zooms: 320 pixels per first-level mesh at 1).
using OnSeisWhiteMesh_fn = void(vd::Dc* dc, int unread1, int areaKind, int unread2, int mapFrameMode,
                                int statusFlag, int detailLevel, int layerModeCode, int legendX, int entry,
                                int statusLineY, float offsetX, float offsetY, float zoomX, float zoomY,
                                std::string string0, std::string meshCode, std::string blockText,
                                std::string dataFolder);
extern "C" VD_EXPORT OnSeisWhiteMesh_fn OnSeisWhiteMesh;

// The seismic mesh on the whole-country overview.
using OnSeisWhiteMeshTavrel_fn = void(vd::Dc* dc, int north, int west, int south, int east, int areaKind,
                                      int wideAreaMode, int mapFrameMode, int statusFlag, int detailLevel,
                                      int layerModeCode, int legendX, int entry, int statusLineY, float offsetX,
                                      float offsetY, float scaleX, float scaleY, std::string string0,
                                      std::string string1, std::string string2, std::string string3,
                                      std::string string4);
extern "C" VD_EXPORT OnSeisWhiteMeshTavrel_fn OnSeisWhiteMeshTavrel;

// The seismic map settings with tabs: the ten settings "%d|" x 9 then "%d"; "" on cancel.
using OnSeisFileSet_fn = std::string(int page, int displayMethod, int probabilisticOn, int probabilisticEntry,
                                     int scenarioOn, int scenarioEntry, int quantity, int legend, int fault,
                                     int asperity, int callerMapMode, std::string listFolder, std::string editor);
extern "C" VD_EXPORT OnSeisFileSet_fn OnSeisFileSet;

// The header of the chosen seismic data file (kind 0 SEISFILE.DAT, else FLTFILE.DAT).
using OnSeisFileFormat_fn = void(int kind, int entry, std::string listFolder);
extern "C" VD_EXPORT OnSeisFileFormat_fn OnSeisFileFormat;
