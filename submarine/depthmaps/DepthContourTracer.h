#pragma once
// The depth contour lines of a grid, shared by the tint, relief and contour maps: levels 100, 200,
// 500 m, then every 500 m down to the deepest level, traced square by square of four neighbouring
// cells (columns outer, rows inner). A square with a cell of no depth gets no line. Each line is
// drawn with the pen of its level's thousand metres, selected only when that pen changes; levels
// of 9000 m and more share the last pen.
#include "platform/dc/Dc.h"
#include "submarine/depthmaps/DepthBlock.h"
#include "submarine/depthmaps/DepthColours.h"
#include "submarine/depthmaps/DepthMapArea.h"

#include <array>

// The deepest level for a greatest depth: the next whole thousand metres above it (4321 gives
// 5000, 5000 gives 6000).
int DeepestContourLevel(int greatestDepth);

// The first level tried in a square whose north-west cell is this deep: two 500 m steps above its
// own 500 m step (1600 gives 500), and 100 where that is not below 0 (800 gives 100).
int FirstContourLevel(int northWestDepth);

// The level after a level.
int NextContourLevel(int level);

// Traces every square; the caller has selected pens[0] and puts its own pen back afterwards.
void TraceDepthContours(vd::Dc& dc, const DepthGrid& grid, const ContourAxes& axes, int greatestDepth,
                        const std::array<vd::Pen, kContourPens>& pens);

// The nine pens of a set, 1 pixel wide and solid.
std::array<vd::Pen, kContourPens> MakeContourPens(ContourPenSet set, int baseColour);
