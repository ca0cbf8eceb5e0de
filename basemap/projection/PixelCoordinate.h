#pragma once
// A computed position as a pixel coordinate: truncated towards zero, as a plain conversion does,
// but kept within +-kFarPixel. A point of a damaged file or a scale of zero then lands far off
// the picture instead of overflowing int (undefined behaviour); NaN lands there too.
#include <cmath>

inline constexpr int kFarPixel = 1 << 24;

inline int TruncatedPixel(double value)
{
    if (std::isnan(value) || value >= kFarPixel)
        return kFarPixel;
    if (value <= -kFarPixel)
        return -kFarPixel;
    return static_cast<int>(value);
}
