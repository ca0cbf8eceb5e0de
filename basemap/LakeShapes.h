#pragma once
// The lakes of a view: which lakes are drawn and which of their points, clamped into the view.
#include "basemap/SheetFrame.h"
#include "basemap/files/LakePolygonFile.h"
#include "platform/dc/Dc.h"

#include <functional>
#include <string>

// The outline of a lake in the view box (arc-seconds), or empty when the lake is not drawn:
// its box misses the view, or it was cut off by the end of its file. Points far outside both a
// longitude and a latitude limit are dropped; the others are clamped into the view.
std::vector<LakePoint> LakeOutlineInView(const Lake& lake, const ArcBox& view);

// Fills (or outlines, when outlineOnly) every lake of the file that the view shows, each as one
// polygon in the colour, with `place` turning arc-seconds into pixels. A missing file draws
// nothing.
void DrawLakes(vd::Dc& dc, const std::string& path, const ArcBox& view, bool outlineOnly, vd::COLORREF colour,
               const std::function<PixelPoint(const LakePoint&)>& place);

// Lake files by number: 0 lakes, 1 reservoirs; empty for any other.
std::string LakeFileName(int file);
