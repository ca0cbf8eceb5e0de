#include "submarine/depthmaps/DepthColours.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kDeepBlues[kDepthClasses - 9] = {245, 235, 225, 205, 205, 185, 185, 165, 165, 145, 145};
constexpr int kReliefGreens[3] = {199, 171, 143};

int ReliefClassOf(int depthMetres) { return depthMetres < 1000 ? 0 : depthMetres < 4000 ? 1 : 2; }

} // namespace

int DepthClass(int depthMetres)
{
    if (depthMetres < 200)
        return 0;
    if (depthMetres < 500)
        return 1;
    return std::min(depthMetres / 500 + 1, kDepthClasses - 1);
}

vd::COLORREF DepthRampColour(int baseColour, int step)
{
    const int red = baseColour & 0xFF;
    const int green = (baseColour >> 8) & 0xFF;
    const int blue = (baseColour >> 16) & 0xFF;
    return vd::RGB(red - red / 9 * step, green - green / 9 * step, blue + (255 - blue) / 9 * step);
}

DepthTintTable MakeDepthTintTable(int baseColour)
{
    DepthTintTable table{};
    for (int entry = 0; entry < 9; ++entry)
        table[entry] = DepthRampColour(baseColour, entry + 1);
    for (int entry = 9; entry < kDepthClasses; ++entry)
        table[entry] = vd::RGB(0, 0, kDeepBlues[entry - 9]);
    return table;
}

std::array<vd::COLORREF, kContourPens> ContourPenColours(ContourPenSet set, int baseColour)
{
    const DepthTintTable table = MakeDepthTintTable(baseColour);
    std::array<vd::COLORREF, kContourPens> colours{};
    for (int j = 0; j < kContourPens; ++j) {
        switch (set) {
        case ContourPenSet::TintMap:
            colours[j] = vd::RGB(0, 227 - 28 * j, 255);
            break;
        case ContourPenSet::ReliefMap:
            colours[j] = vd::RGB(112 - 13 * j, 227 - 28 * j, j < 5 ? 227 : 339 - 28 * j);
            break;
        case ContourPenSet::ContourMap:
            colours[j] = table[j];
            break;
        }
    }
    return colours;
}

vd::COLORREF ReliefClassColour(int reliefClass) { return vd::RGB(0, kReliefGreens[reliefClass], 255); }

vd::COLORREF ReliefCellColour(int v, int e, int s)
{
    // Metres to the slope of a cell 500 m across, scaled as the light's normal wants them.
    const float p = float(e - v) * -45.2755928f;
    const float q = float(s - e) * -57.5f;
    const float n = std::sqrt(p * p + q * q + 6777413.0f);
    const float l = std::sqrt(2.49f);
    int k = 5;
    if (n * l != 0.0f) {
        // Rounding can take the cosine a hair past 1.
        const float cosine = std::clamp((p + q + 1822.34253f) / (n * l), -1.0f, 1.0f);
        k = static_cast<int>(std::acos(cosine) * 3.18268609f);
    }
    const int shade = k * (k + 3);
    const int reliefClass = ReliefClassOf(v);
    const int green = kReliefGreens[reliefClass] - shade;
    const int blue = 255 - shade;
    return vd::RGB(0, green < 0 ? 5 : green, blue < 0 ? 5 : blue);
}
