#include "basemap/BaseMapPens.h"

#include <iterator>

namespace {

struct PenSpec {
    int width;
    vd::COLORREF colour;
};

constexpr PenSpec kCoastPens[] = {
    {1, vd::RGB(0, 255, 255)},   {1, vd::RGB(128, 0, 255)}, {1, vd::RGB(0, 0, 255)},     {1, vd::RGB(0, 128, 0)},
    {1, vd::RGB(0, 230, 0)},     {1, vd::RGB(255, 255, 0)}, {1, vd::RGB(255, 200, 120)}, {1, vd::RGB(255, 120, 120)},
    {1, vd::RGB(255, 0, 0)},     {1, vd::RGB(160, 0, 0)},   {1, vd::RGB(0, 0, 0)},       {1, vd::RGB(180, 180, 180)},
    {2, vd::RGB(0, 255, 255)},   {2, vd::RGB(128, 0, 255)}, {2, vd::RGB(0, 0, 255)},     {2, vd::RGB(0, 128, 0)},
    {2, vd::RGB(0, 255, 0)},     {2, vd::RGB(255, 0, 0)},   {2, vd::RGB(0, 0, 0)},       {2, vd::RGB(170, 170, 170)},
};

} // namespace

vd::Pen CoastPen(int penNumber)
{
    if (penNumber >= 0 && penNumber < static_cast<int>(std::size(kCoastPens)))
        return vd::Pen(vd::PS_SOLID, kCoastPens[penNumber].width, kCoastPens[penNumber].colour);
    return vd::Pen(vd::PS_SOLID, 1, vd::RGB(0, 0, 0));
}

vd::Pen PrefectureBorderPen(std::string_view colourName)
{
    vd::COLORREF colour = vd::RGB(255, 0, 0);
    if (colourName == "BLUE")
        colour = vd::RGB(0, 0, 255);
    else if (colourName == "ORNG")
        colour = vd::RGB(255, 128, 0);
    else if (colourName == "WHITE")
        colour = vd::RGB(255, 255, 255);
    return vd::Pen(vd::PS_SOLID, 1, colour);
}

vd::Pen SubprefectureBorderPen(std::string_view colourName)
{
    vd::COLORREF colour = vd::RGB(255, 85, 85);
    if (colourName == "BLUE")
        colour = vd::RGB(66, 66, 255);
    else if (colourName == "ORNG")
        colour = vd::RGB(255, 142, 30);
    else if (colourName == "WHITE")
        colour = vd::RGB(255, 255, 255);
    return vd::Pen(vd::PS_SOLID, 1, colour);
}
