#pragma once
// The colour swatches of the colour-set dialog and the elevation legend: each button shows its
// colour drawn over its face, and the tints the map will use come from the map's own ramp, so
// dialog, legend and map agree.
#include "graphics/TintRamp.h"

#include <cstdint>

namespace vd {
class Window;
}

// Shows the button's normal face again, then fills (0, 0)-(40, 17) with the colour inside a white
// one-pixel outline.
void PaintColourSwatch(vd::Window& button, std::uint32_t colour);

// Outlines (0, 0)-(40, 16) in the colour, leaving the inside as it is.
void FrameColourSwatch(vd::Window& button, std::uint32_t colour);

// The colour (0x00BBGGRR) of a ramp entry.
std::uint32_t TintAt(const TintRamp& ramp, int rampIndex);
