#include "municipal/prefmap/ClassColours.h"

#include <array>

namespace surrick {

namespace {

using vd::RGB;

// Two classes are outlined a shade apart from their fill.
constexpr std::array<ClassColour, 10> kTenClasses{{
    {RGB(128, 0, 255), RGB(128, 0, 255)},
    {RGB(0, 0, 255), RGB(0, 0, 255)},
    {RGB(0, 255, 255), RGB(0, 255, 255)},
    {RGB(0, 255, 0), RGB(0, 255, 0)},
    {RGB(255, 255, 0), RGB(255, 255, 0)},
    {RGB(224, 224, 0), RGB(244, 224, 0)},
    {RGB(125, 128, 0), RGB(255, 128, 0)},
    {RGB(255, 128, 255), RGB(255, 128, 255)},
    {RGB(255, 0, 0), RGB(255, 0, 0)},
    {RGB(128, 64, 64), RGB(128, 64, 64)},
}};
constexpr std::array<ClassColour, 5> kFiveClasses{{
    {RGB(0, 255, 255), RGB(0, 255, 255)},
    {RGB(0, 255, 0), RGB(0, 255, 0)},
    {RGB(255, 255, 0), RGB(255, 255, 0)},
    {RGB(125, 128, 0), RGB(255, 128, 0)},
    {RGB(255, 128, 255), RGB(255, 128, 255)},
}};

} // namespace

const ClassScheme& StatisticsClassScheme(bool tenClasses)
{
    static const ClassScheme ten{5, kTenClasses};
    static const ClassScheme five{10, kFiveClasses};
    return tenClasses ? ten : five;
}

} // namespace surrick
