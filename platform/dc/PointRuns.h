#pragma once
// Runs of connected points (outlines, line records) drawn as one polyline where the Dc gives the
// same pixels that way, segment by segment otherwise.
#include "platform/dc/Geometry.h"

namespace vd {

class Dc;

// A solid 1-pixel polyline sets exactly the pixels of its segments drawn one by one where the Dc
// draws the lines itself (a picture) and a logical unit is a pixel; dashes would run on.
bool PolylineMatchesSegments(const Dc& dc);

// Draws the run and leaves the current position on its last point, as LineTo does.
void DrawPointRun(Dc& dc, const Point* points, int count, bool asPolyline);

} // namespace vd
