#pragma once
// Small pictures as text for the pixel tests: one character a pixel, '.' for the background.
#include "platform/dc/ImageDc.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

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

// One pixel of a table case and the colour it must have.
struct PixelCheck {
    int x;
    int y;
    COLORREF colour;
};

// Checks the case's pixels; a wrong one shows the whole picture (letters as for picture()).
inline void expectPixels(const ImageDc& dc, const std::vector<PixelCheck>& checks, const std::string& name,
                         const std::map<COLORREF, char>& letters)
{
    for (const PixelCheck& check : checks)
        EXPECT_EQ(dc.GetPixel(check.x, check.y), check.colour)
            << name << " at (" << check.x << ", " << check.y << ")\n" << picture(dc, letters);
}

} // namespace vd::test
