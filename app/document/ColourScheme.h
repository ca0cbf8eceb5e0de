#pragma once
// The map's colours: the colour set (palette number and its rows, the tint ramp built from them,
// the hill shading's style), the background, sea and lake colours and the coastline and
// prefecture-line colours. The map-type and colour-set commands write it; the draw reads it.
#include "graphics/ColourSet.h"
#include "platform/dc/Color.h"

#include <array>
#include <string>
#include <vector>

struct ColourScheme {
    int m_nPaletteNo = 0;
    int m_nColorStep = 1;   // 0: the tint map is shaded from the heights
    int m_nCstlnColor = 10;
    int m_nPrfCstClr = 18;
    vd::COLORREF m_crBackground = vd::RGB(246, 246, 246);
    vd::COLORREF m_crSeaColour = vd::RGB(126, 180, 234);
    vd::COLORREF m_crLakeColour = vd::RGB(0, 255, 255);

    std::vector<TintRow> m_aTintRows; // the rows of the current colour set, in file order
    std::array<int, 257> m_anTintRed{}, m_anTintGreen{}, m_anTintBlue{};
    std::string m_strReliefStyle;
};
