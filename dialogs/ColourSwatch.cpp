#include "dialogs/ColourSwatch.h"

#include "platform/dc/Dc.h"
#include "platform/ui/Window.h"

namespace {

void outline(vd::Window& button, std::uint32_t penColour, const vd::Brush& brush, int bottom)
{
    vd::ClientDc dc = button.GetDC();
    if (!dc)
        return;
    const vd::Pen pen(vd::PS_SOLID, 1, penColour);
    const vd::Pen oldPen = dc->SelectObject(pen);
    const vd::Brush oldBrush = dc->SelectObject(brush);
    dc->Rectangle(0, 0, 40, bottom);
    dc->SelectObject(oldBrush);
    dc->SelectObject(oldPen);
}

} // namespace

void PaintColourSwatch(vd::Window& button, std::uint32_t colour)
{
    button.Invalidate(true);
    outline(button, vd::RGB(255, 255, 255), vd::Brush(colour), 17);
}

void FrameColourSwatch(vd::Window& button, std::uint32_t colour)
{
    vd::Brush hollow;
    hollow.CreateHollowBrush();
    outline(button, colour, hollow, 16);
}

std::uint32_t TintAt(const TintRamp& ramp, int rampIndex)
{
    return vd::RGB(ramp.red[rampIndex], ramp.green[rampIndex], ramp.blue[rampIndex]);
}
