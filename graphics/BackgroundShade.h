#pragma once
// The darker shade of the background colour that the view and the renderer draw panel edges in:
// each channel lowered by 12, not below 0, and a channel of 255 left at 255.
#include "platform/dc/Color.h"

namespace shade {

inline int ShadeChannel(int channel)
{
    if (channel == 255)
        return 255;
    return channel - 12 < 0 ? 0 : channel - 12;
}

inline vd::COLORREF ShadeColour(vd::COLORREF colour)
{
    return vd::RGB(ShadeChannel(vd::GetRValue(colour)), ShadeChannel(vd::GetGValue(colour)),
                   ShadeChannel(vd::GetBValue(colour)));
}

} // namespace shade
