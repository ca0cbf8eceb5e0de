#pragma once
// Lines drawn point by point with a pen that can be lifted: the first point after a lift is a
// move, every other one a line from the last point.
#include "basemap/projection/SansonProjection.h"
#include "platform/dc/Dc.h"

class PenTrace {
public:
    explicit PenTrace(vd::Dc& dc) : dc_(dc) {}
    void Lift() { down_ = false; }
    bool IsDown() const { return down_; }
    void To(int x, int y)
    {
        if (down_) {
            dc_.LineTo(x, y);
        } else {
            dc_.MoveTo(x, y);
            down_ = true;
        }
    }
    void To(PixelPoint p) { To(p.x, p.y); }

private:
    vd::Dc& dc_;
    bool down_ = false;
};

namespace basemap {

// One segment: a move to its first end and a line to its second.
inline void DrawSegment(vd::Dc& dc, PixelPoint from, PixelPoint to)
{
    dc.MoveTo(from.x, from.y);
    dc.LineTo(to.x, to.y);
}

} // namespace basemap
