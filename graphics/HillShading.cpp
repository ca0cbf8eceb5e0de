#include "graphics/HillShading.h"

#include "graphics/ColourSet.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"

#include <algorithm>
#include <cmath>

namespace {

int at(const GreyscaleGrid& z, int x, int y)
{
    return z[std::size_t(y * kGreyscaleSheetSize + x)];
}

} // namespace

int HillShadeValue(const GreyscaleGrid& z, int x, int y, double p, double q)
{
    if (x >= kGreyscaleSheetSize - 1 || y >= kGreyscaleSheetSize - 1)
        return 0;
    const int dx = at(z, x + 1, y) - at(z, x, y);
    const int dy = at(z, x + 1, y + 1) - at(z, x + 1, y);
    const double a = -15.0 * p * dy;
    const double b = -15.0 * q * dx;
    const double value = 64.0 * (a - b) / (std::sqrt(2.0) * std::sqrt(a * a + b * b + (p * q) * (p * q)));
    // A flat pixel of a zero-sized step has no normal: it is unlit rather than undefined.
    if (!std::isfinite(value))
        return 0;
    return static_cast<int>(std::trunc(value));
}

void ShadeGreyscaleSheet(GreyscaleGrid& z, float scale, float metresPerSecond, const std::string& style)
{
    const float p = metresPerSecond * 11.25f;
    const float q = p / scale;
    const int f = style == kBandedAtlasStyle ? 1 : -1;
    const bool monochrome = style == kMonochromeStyle;

    std::array<int, kGreyscaleSheetSize * kGreyscaleSheetSize> light{};
    for (int y = 0; y < kGreyscaleSheetSize; ++y)
        for (int x = 0; x < kGreyscaleSheetSize; ++x)
            light[std::size_t(y * kGreyscaleSheetSize + x)] = HillShadeValue(z, x, y, p, q);

    for (std::size_t i = 0; i < z.size(); ++i) {
        const int t = z[i];
        if (t == 0)
            continue;
        int u = light[i];
        const int v = 2 * t / 3;
        int result;
        if (monochrome) {
            int w = 3 * u / 2;
            if (w > 0 && w > v)
                w = v;
            result = t - w;
        } else {
            if (u > 0 && u > v)
                u = v;
            if (t > 40) {
                result = std::max(t - u, 34);
            } else {
                if (u < 0 && u < -v)
                    u = -v;
                result = t - f * u;
            }
        }
        z[i] = static_cast<std::uint8_t>(std::clamp(result, 1, 255));
    }
}

std::string SheetLatitudeText(const std::string& meshCode)
{
    // The first two digits are the latitude in units of 40 minutes.
    const int latitudeCode = vd::parseInt(meshCode) / 100;
    return vd::format("%d.0000", latitudeCode * 40 / 60);
}
