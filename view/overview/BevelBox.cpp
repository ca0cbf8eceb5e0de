#include "view/overview/BevelBox.h"

#include "platform/dc/Dc.h"

void DrawBevelEdges(vd::Dc& dc, int left, int top, int right, int bottom, const vd::Pen& shadow)
{
    dc.MoveTo(left, bottom);
    dc.LineTo(left, top);
    dc.LineTo(right + 2, top);
    dc.MoveTo(left, top + 2);
    dc.LineTo(right, top + 2);
    dc.MoveTo(left - 1, bottom);
    dc.LineTo(left - 1, top - 1);
    const vd::Pen previous = dc.SelectObject(shadow);
    dc.MoveTo(left - 1, bottom + 1);
    dc.LineTo(right + 1, bottom + 1);
    dc.LineTo(right + 1, top);
    dc.MoveTo(left + 1, bottom - 1);
    dc.LineTo(right - 1, bottom - 1);
    dc.LineTo(right - 1, top);
    dc.SelectObject(previous);
}
