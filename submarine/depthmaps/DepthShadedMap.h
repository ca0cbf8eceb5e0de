#pragma once
// The tint map and its relief variant: the block of intermediate depth files read and gap-filled
// once more, every cell filled with the colour of its depth class (tint) or of its slope (relief),
// the deepest point crossed in red, the status lines and, when asked, the contour lines.
#include "platform/dc/Dc.h"
#include "submarine/depthmaps/DepthMapArea.h"

#include <string>

struct DepthMapRequest {
    std::string depthFolder;
    std::string meshCode;
    int statusBase = 0; // the height of the drawing area
    int width = 0;      // its width; above 800 the texts go to a right-hand column
    int contours = 0;
    DepthMapArea area;
    int blockSize = 0;
    int baseColour = 0;
};

enum class DepthShading { Tint, Relief };

void DrawShadedDepthMap(vd::Dc& dc, const DepthMapRequest& request, DepthShading shading);
