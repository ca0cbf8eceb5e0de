#include "platform/dc/PointRuns.h"

#include "platform/dc/Dc.h"

namespace vd {

bool PolylineMatchesSegments(const Dc& dc)
{
    const Pen& pen = dc.GetCurrentPen();
    return dc.GetMapMode() == MM_TEXT && pen.Width() <= 1 && pen.Style() == PS_SOLID && !dc.GetSurface().IsNull();
}

void DrawPointRun(Dc& dc, const Point* points, int count, bool asPolyline)
{
    if (count <= 0)
        return;
    if (count >= 2 && asPolyline) {
        dc.Polyline(points, count);
        dc.MoveTo(points[count - 1]);
        return;
    }
    dc.MoveTo(points[0]);
    for (int i = 1; i < count; ++i)
        dc.LineTo(points[i]);
}

PointRun::PointRun(Dc& dc, std::vector<Point>& storage)
    : dc_(dc), points_(storage), asPolyline_(PolylineMatchesSegments(dc))
{
    points_.clear();
}

void PointRun::End()
{
    DrawPointRun(dc_, points_.data(), int(points_.size()), asPolyline_);
    points_.clear();
}

} // namespace vd
