#include "submarine/depthmaps/DeepestDepth.h"

#include "submarine/depthmaps/DepthColours.h"

void DrawDeepestCross(vd::Dc& dc, vd::Point at)
{
    const vd::Pen red(vd::PS_SOLID, 2, kDeepestMarkRed);
    const vd::Pen earlier = dc.SelectObject(red);
    dc.MoveTo(at.x - 4, at.y);
    dc.LineTo(at.x + 5, at.y);
    dc.MoveTo(at.x, at.y - 4);
    dc.LineTo(at.x, at.y + 5);
    dc.SelectObject(earlier);
}
