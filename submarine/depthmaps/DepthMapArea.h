#pragma once
// Where a depth map's grid lands on the screen. The drawn area is given in arc-seconds with its
// screen offset and scales in pixels per arc-second (single precision, as the map renderer passes
// them). Tint and relief cells are placed by the truncated pixel size of the area; contour lines
// by the area's own extent.
#include "platform/dc/Geometry.h"

#include <vector>

// A screen coordinate truncated towards 0 as a cast does, held within int (and NaN as 0) so that a
// wild scale cannot overflow it.
int TruncatePixel(float value);

struct DepthMapArea {
    float xOffset = 0;
    float yOffset = 0;
    float xScale = 0;
    float yScale = 0;
    int east = 0;
    int north = 0;
    int west = 0;
    int south = 0;
    // An area without width or height shows nothing.
    bool Empty() const { return east <= west || north <= south; }
};

// The screen place and fill size of the cells of a tint or relief map. The fill size is the
// block's own rule, at least 2 and at least the cell pitch rounded up, so that neighbouring cells
// always meet.
class DepthCellPlacement {
public:
    // latitudeCode: of the block's south-west mesh (a block of one mesh south of code 51 is
    // filled a pixel deeper).
    DepthCellPlacement(const DepthMapArea& area, int gridSide, int blockSize, int latitudeCode);
    vd::Point At(int row, int column) const;
    int FillWidth() const { return fillWidth_; }
    int FillHeight() const { return fillHeight_; }

private:
    float xOffset_;
    float yOffset_;
    float pitchAcross_;
    float pitchDown_;
    int fillWidth_;
    int fillHeight_;
};

// The screen positions of the grid's columns and rows for contour lines: j x P + xOffset - shift
// with P the area's extent per cell pitch in pixels (likewise rows); shift 2 on the tint and relief
// maps, 1 on the contour map.
struct ContourAxes {
    float p = 0; // pixels between neighbouring columns
    float q = 0; // and rows
    std::vector<float> x;
    std::vector<float> y;
};
ContourAxes MakeContourAxes(const DepthMapArea& area, int gridSide, float shift);
