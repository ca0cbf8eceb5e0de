#pragma once
// Truncation toward zero of the layers' single-precision screen arithmetic. A value beyond the
// device range (an absurd scale or extent from a caller) is held at a far edge instead of
// overflowing, and NaN reads as 0.
namespace meshcode {

inline int TruncateToInt(float v)
{
    constexpr float kLimit = 1.0e9f;
    if (v != v)
        return 0;
    if (v < -kLimit)
        return -1000000000;
    if (v > kLimit)
        return 1000000000;
    return int(v);
}

} // namespace meshcode
