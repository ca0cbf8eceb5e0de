#include "layers/render/meshes/SolidRuns.h"

#include "platform/dc/GdiConstants.h"

namespace meshes {

SolidRuns::SolidRuns(vd::Dc& dc) : dc_(dc), merge_(dc.GetMapMode() == vd::MM_TEXT) {}

void SolidRuns::Start(int x, int y, int width, int height, vd::COLORREF colour)
{
    Flush();
    // An empty rectangle paints nothing but still sets the background colour: passed on as it is.
    if (!merge_ || width <= 0 || height <= 0) {
        dc_.FillSolidRect(x, y, width, height, colour);
        return;
    }
    run_ = vd::Rect{x, y, x + width, y + height};
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
