#pragma once
// The classes of a prefecture statistics map, shared by the class map and the legend: ten classes
// of five prefectures or five of ten, the first class holding the largest values. A class is
// filled in its brush colour (the legend's swatch) and outlined in its pen colour.
#include "platform/dc/Color.h"

#include <span>

namespace surrick {

struct ClassColour {
    vd::COLORREF pen;
    vd::COLORREF brush;
};

struct ClassScheme {
    int prefecturesPerClass;
    std::span<const ClassColour> colours; // one a class, the first class first
};

const ClassScheme& StatisticsClassScheme(bool tenClasses);

} // namespace surrick
