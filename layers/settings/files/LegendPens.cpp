#include "layers/settings/files/LegendPens.h"

namespace {

// The colours of the settings pages' lists; white is a near white so that it shows on the fill.
constexpr vd::COLORREF kColours[11] = {
    vd::RGB(128, 0, 255), vd::RGB(0, 0, 255),    vd::RGB(0, 90, 0),      vd::RGB(0, 255, 0),
    vd::RGB(255, 255, 0), vd::RGB(255, 128, 64), vd::RGB(255, 128, 255), vd::RGB(255, 0, 0),
    vd::RGB(128, 0, 0),   vd::RGB(0, 0, 0),      vd::RGB(250, 250, 250),
};

} // namespace

LegendPenTable::LegendPenTable()
{
    for (int c = 0; c < 11; ++c) {
        pens_[c] = vd::Pen(vd::PS_SOLID, 1, kColours[c]);
        pens_[c + 11] = vd::Pen(vd::PS_SOLID, 2, kColours[c]);
        pens_[c + 22] = vd::Pen(vd::PS_DOT, 1, kColours[c]);
    }
}

void LegendPenTable::Select(vd::Dc& dc, int code) const
{
    if (code >= 100)
        code %= 100;
    if (code >= 0 && code < kCodes)
        dc.SelectObject(pens_[code]);
}
