#include "graphics/TintRamp.h"

#include <algorithm>
#include <cmath>

namespace {

int interpolate(int from, int to, int step, int steps)
{
    return static_cast<int>(std::trunc(from + double(step) * double(to - from) / double(steps)));
}

} // namespace

TintRamp InterpolateTintRamp(const std::vector<TintRow>& rows)
{
    TintRamp ramp;
    for (std::size_t k = 0; k + 1 < rows.size(); ++k) {
        const TintRow& lo = rows[k];
        const TintRow& hi = rows[k + 1];
        const int a = lo.level;
        const int b = hi.level;
        if (a > b)
            continue;
        if (a == b) {
            // Zero levels apart: no line to draw, the later row's colour holds the level.
            ramp.red[a] = hi.red;
            ramp.green[a] = hi.green;
            ramp.blue[a] = hi.blue;
            continue;
        }
        for (int j = a; j <= b; ++j) {
            ramp.red[j] = interpolate(lo.red, hi.red, j - a, b - a);
            ramp.green[j] = interpolate(lo.green, hi.green, j - a, b - a);
            ramp.blue[j] = interpolate(lo.blue, hi.blue, j - a, b - a);
        }
    }
    return ramp;
}

int ColourStepMetres(int colourStep)
{
    switch (colourStep) {
    case 2: return 50;
    case 3: return 100;
    case 4: return 200;
    case 5: return 250;
    case 6: return 500;
    default: return 0;
    }
}

void QuantiseTintRamp(TintRamp& ramp, int bandMetres)
{
    if (bandMetres <= 0)
        return;
    // In ascending order and in place. A source entry lies at most one above the entry it
    // colours, and such an entry keeps its own colour, so the order gives the same result.
    for (int k = 1; k <= 255; ++k) {
        const int source = std::min(255, (bandMetres * (15 * k / bandMetres)) / 15 + 1);
        ramp.red[k] = ramp.red[source];
        ramp.green[k] = ramp.green[source];
        ramp.blue[k] = ramp.blue[source];
    }
}
