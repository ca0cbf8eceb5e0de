#include "layers/render/meshes/SolidRuns.h"

#include "platform/dc/GdiConstants.h"

#include <algorithm>

namespace meshes {

SolidRuns::SolidRuns(vd::Dc& dc) : dc_(dc), merge_(dc.GetMapMode() == vd::MM_TEXT) {}

void SolidRuns::Fill(int x, int y, int width, int height, vd::COLORREF colour)
{
    // An empty rectangle paints nothing but still sets the background colour: passed on as it is.
    if (!merge_ || width <= 0 || height <= 0) {
        Flush();
        dc_.FillSolidRect(x, y, width, height, colour);
        return;
    }
    const vd::Rect r{x, y, x + width, y + height};
    if (held_ && colour == colour_ && r.top == run_.top && r.bottom == run_.bottom && r.left <= run_.right &&
        r.right >= run_.left) {
        run_.left = std::min(run_.left, r.left);
        run_.right = std::max(run_.right, r.right);
        return;
    }
    Flush();
    run_ = r;
    colour_ = colour;
    held_ = true;
}

void SolidRuns::Flush()
{
    if (!held_)
        return;
    held_ = false;
    dc_.FillSolidRect(run_, colour_);
}

} // namespace meshes
