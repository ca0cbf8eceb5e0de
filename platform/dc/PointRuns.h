#pragma once
// Runs of connected points (outlines, line records) drawn as one polyline where the Dc gives the
// same pixels that way, segment by segment otherwise.
#include "platform/dc/Geometry.h"

#include <vector>

namespace vd {

class Dc;

// A solid 1-pixel polyline sets exactly the pixels of its segments drawn one by one where the Dc
// draws the lines itself (a picture) and a logical unit is a pixel; dashes would run on.
bool PolylineMatchesSegments(const Dc& dc);

// Draws the run and leaves the current position on its last point, as LineTo does.
void DrawPointRun(Dc& dc, const Point* points, int count, bool asPolyline);

// Points gathered one by one and drawn as a run when the run ends (a lifted pen, a point off the
// map). The points are kept in `storage`, which a caller drawing many short runs may keep.
class PointRun {
public:
    PointRun(Dc& dc, std::vector<Point>& storage);
    void Add(Point p) { points_.push_back(p); }
    // Draws what was gathered (nothing when it was empty) and starts a new run.
    void End();

private:
    Dc& dc_;
    std::vector<Point>& points_;
    bool asPolyline_;
};

} // namespace vd
