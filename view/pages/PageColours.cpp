#include "view/pages/PageColours.h"

#include <array>

vd::COLORREF PictureBackgroundColour(int step)
{
    static constexpr std::array<int, 11> kGrey{0, 40, 80, 120, 160, 200, 210, 220, 230, 240, 255};
    const int grey = step >= 0 && step <= 10 ? kGrey[std::size_t(step)] : 240;
    return vd::RGB(grey, grey, grey);
}

vd::COLORREF TextCategoryColour(int category)
{
    switch (category) {
    case 1:
        return vd::RGB(0, 255, 255);
    case 2:
        return vd::RGB(255, 255, 0);
    case 3:
        return vd::RGB(255, 192, 0);
    case 4:
        return vd::RGB(255, 255, 128);
    case 5:
        return vd::RGB(167, 211, 211);
    case 6:
        return vd::RGB(0, 255, 0);
    default:
        return vd::RGB(255, 255, 255);
    }
}
