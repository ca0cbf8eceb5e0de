#include "basemap/projection/LatitudeRatioTable.h"

#include <algorithm>
#include <bit>
#include <cstdint>

namespace {

// The anchors every five degrees from 15 to 70, as exact single-precision bit patterns.
constexpr std::uint32_t kAnchorBits[] = {
    0x3F83AFF0, 0x3F8768BC, 0x3F8C7460, 0x3F930EF1, 0x3F9B8E42, 0x3FA66F2C,
    0x3FB46942, 0x3FC6946D, 0x3FDEAB06, 0x3FFFD147, 0x40174151, 0x403AF9D4,
};

} // namespace

void BuildLatitudeRatioTable(float (&table)[kLatitudeRatioTableSize])
{
    for (int i = 0; i < 12; ++i)
        table[kLatitudeRatioFirstDegree + 5 * i] = std::bit_cast<float>(kAnchorBits[i]);

    // The step constant is the single-precision -0.2, widened; the arithmetic is double and
    // only the stored result is single precision.
    const double step = static_cast<double>(-0.2f);
    for (int d = kLatitudeRatioFirstDegree + 1; d < kLatitudeRatioLastDegree; ++d) {
        if (d % 5 == 0)
            continue;
        const int a = 5 * (d / 5);
        const int b = a + 5;
        const double lower = table[a];
        const double upper = table[b];
        table[d] = static_cast<float>(lower - (upper - lower) * (d % 5) * step);
    }
}

float LatitudeRatioAt(const float (&table)[kLatitudeRatioTableSize], int degree)
{
    return table[std::clamp(degree, kLatitudeRatioFirstDegree, kLatitudeRatioLastDegree)];
}
