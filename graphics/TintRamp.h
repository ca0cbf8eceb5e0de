#pragma once
// The 256-entry tint ramp of the elevation bitmaps: the colour of each level (15 m a level),
// interpolated between the rows of a colour set, and its quantisation into elevation bands.
#include "graphics/ColourSet.h"

#include <array>
#include <vector>

// Three channels of 257 entries, as the document keeps them (entries 0..255 used).
struct TintRamp {
    std::array<int, 257> red{};
    std::array<int, 257> green{};
    std::array<int, 257> blue{};
};

// The ramp of a colour set: straight lines between consecutive rows (a pair whose levels fall
// writes nothing; a pair of the same level gives that level the later row's colour); levels
// below the first row and above the last stay black.
TintRamp InterpolateTintRamp(const std::vector<TintRow>& rows);

// The band width in metres of a colour-step choice (2..6), 0 for none.
int ColourStepMetres(int colourStep);

// Every entry from 1 up takes the colour found one level above the lower bound of its band
// (entry 0, the sea, keeps its own). A band width of 0 changes nothing.
void QuantiseTintRamp(TintRamp& ramp, int bandMetres);
