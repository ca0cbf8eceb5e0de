#pragma once
// What the river and road layers share: the file base cut from the data-set text, the cell walk
// of the call, and the drawing of one line record's points.
#include "layers/render/LayerRenderer.h"
#include "layers/render/lines/LineRecordFile.h"

#include <string>
#include <string_view>

// "folder\(stem...)" gives folder + the first stemLength characters of the stem; a text without
// "(" gives its own first stemLength characters.
std::string LineDataBase(std::string_view dataSetPath, int stemLength = 8);

// Steps shared by both layers before their cells: the cell count, the area's mesh number and,
// Cuts DataSetPath into the file base.
CLayerRenderer::CellWalk PrepareLineLayer(CLayerRenderer& r, int cellCount, bool roadOption, int stemLength = 8);

// Area kind 3: the attribute list may name the four cells to draw; the wide-area mode then keeps
// its tens digit.
void ApplyAttributeCells(CLayerRenderer& r, CLayerRenderer::CellWalk& walk);

// Draws the points of the record just read as polylines: a point outside the drawn extent lifts
// the pen, the next one inside starts a new line. longitudeShift is subtracted from every
// longitude (whole arc-seconds).
void DrawLineRecordPoints(CLayerRenderer& r, LineRecordReader& reader, const LineRecordHeader& header,
                          int longitudeShift);
