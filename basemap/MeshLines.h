#pragma once
// Draws the lines of a mesh-cut file (coast or prefecture borders) whose meshes the frame accepts.
#include "basemap/SheetFrame.h"
#include "platform/dc/Dc.h"

#include <string>

struct SheetPlacement {
    int originX = 0;
    int originY = 0;
    float scaleX = 1;
    float scaleY = 1;
};

void DrawMeshLines(vd::Dc& dc, const std::string& path, const SheetFrame& frame, int unitsPerMesh,
                   const SheetPlacement& placement);

// The sub-prefecture borders (支庁界.dat) in the frame's box, clamped at its edges.
void DrawSubprefectureLines(vd::Dc& dc, const std::string& path, const SheetFrame& frame,
                            const SheetPlacement& placement);
