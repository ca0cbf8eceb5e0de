#pragma once
// The pens of the layer legend: the eleven colours of the settings pages' colour lists as 1-pixel,
// 2-pixel and dotted pens (codes 0-10, 11-21, 22-32), and the three fixed pens of the painter.
#include "platform/dc/Dc.h"

#include <array>

class LegendPenTable {
public:
    static constexpr int kCodes = 33;

    LegendPenTable();

    // Selects the pen of a colour code: 100 and above count modulo 100; a code outside the table
    // leaves the current pen.
    void Select(vd::Dc& dc, int code) const;

    const vd::Pen& pen(int code) const { return pens_[code]; }
    const vd::Pen blackThin{vd::PS_SOLID, 1, vd::RGB(0, 0, 0)};
    const vd::Pen blackWide{vd::PS_SOLID, 2, vd::RGB(0, 0, 0)};
    const vd::Pen lightBlue{vd::PS_SOLID, 3, vd::RGB(0, 240, 255)};

private:
    std::array<vd::Pen, kCodes> pens_;
};

// Colour codes by name, as the painter uses them.
enum LegendColour { kViolet = 0, kBlue, kDarkGreen, kGreen, kYellow, kOrange, kPink, kRed, kBrown, kBlack, kWhite };
inline constexpr int kWideCode = 11; // add to a colour for its 2-pixel pen
