#pragma once
// Small pictures as text for the pixel tests: one character a pixel, '.' for the background.
#include "platform/dc/ImageDc.h"

#include <map>
#include <string>

namespace vd::test {

// Rows of the picture's pixels: '.' background, '#' black, else the letter given for a colour.
inline std::string picture(const ImageDc& dc, const std::map<COLORREF, char>& letters = {},
                           COLORREF background = RGB(255, 255, 255))
{
    std::string out;
    for (int y = 0; y < dc.Height(); ++y) {
        for (int x = 0; x < dc.Width(); ++x) {
            const COLORREF c = dc.GetPixel(x, y);
            const auto it = letters.find(c);
            out += c == background ? '.' : it != letters.end() ? it->second : c == RGB(0, 0, 0) ? '#' : '?';
        }
        out += '\n';
    }
    return out;
}

} // namespace vd::test
