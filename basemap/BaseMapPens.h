#pragma once
// The pens of the coastline and border drawings, by the codes and colour names the callers pass.
#include "platform/dc/GdiObjects.h"

#include <string_view>

// Coastline pens by pen number 0..19; 20 and above (and any negative number) black, 1 pixel.
vd::Pen CoastPen(int penNumber);
namespace basemap {
// Whether the pen number hides the coastline (20: the null pen is selected over the black one).
inline bool CoastPenHidesLine(int penNumber) { return penNumber == 20; }
} // namespace basemap

// Prefecture-border pens by colour name: "RED", "BLUE", "ORNG", "WHITE"; any other name draws red.
vd::Pen PrefectureBorderPen(std::string_view colourName);
// Sub-prefecture-border pens: "RED", "BLUE", "ORNG"; "WHITE" white; any other name draws like "RED".
vd::Pen SubprefectureBorderPen(std::string_view colourName);

// The pale grey of grids, graticules and sheet frames.
inline constexpr vd::COLORREF kGridGrey = vd::RGB(150, 150, 150);
