#pragma once
// Private to the device contexts: the pixel rules that ImageDc applies itself, on 32-bit pixels
// (0xFFRRGGBB, the layout of the image it draws into). No Qt here.
#include "platform/dc/Color.h"
#include "platform/dc/Geometry.h"

#include <cstdint>
#include <utility>
#include <vector>

namespace vd::raster {

struct Surface {
    std::uint32_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    int stride = 0; // in pixels
    std::uint32_t* row(int y) const { return pixels + std::ptrdiff_t(y) * stride; }
};

inline std::uint32_t toPixel(COLORREF c)
{
    return 0xFF000000u | ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
}

inline COLORREF fromPixel(std::uint32_t p)
{
    return RGB(int((p >> 16) & 0xFF), int((p >> 8) & 0xFF), int(p & 0xFF));
}

// The binary raster operation rop (R2_BLACK .. R2_WHITE) of pen colour p on pixel d.
inline std::uint32_t rop2(int rop, std::uint32_t p, std::uint32_t d)
{
    const unsigned t = unsigned(rop - 1);
    std::uint32_t r = 0;
    if (t & 1) r |= ~p & ~d;
    if (t & 2) r |= ~p & d;
    if (t & 4) r |= p & ~d;
    if (t & 8) r |= p & d;
    return r | 0xFF000000u;
}

// A ternary raster operation (the high word's low byte of SRCCOPY and the like) of pattern p,
// source s and destination d: bit (4p + 2s + d) of the code is the result.
inline std::uint32_t rop3(std::uint32_t rop, std::uint32_t p, std::uint32_t s, std::uint32_t d)
{
    const unsigned code = (rop >> 16) & 0xFF;
    std::uint32_t r = 0;
    for (unsigned i = 0; i < 8; ++i) {
        if (!((code >> i) & 1))
            continue;
        r |= ((i & 4) ? p : ~p) & ((i & 2) ? s : ~s) & ((i & 1) ? d : ~d);
    }
    return r | 0xFF000000u;
}
inline bool rop3UsesSource(std::uint32_t rop)
{
    const unsigned code = (rop >> 16) & 0xFF;
    return ((code >> 2) & 0x33) != (code & 0x33);
}
inline bool rop3UsesPattern(std::uint32_t rop)
{
    const unsigned code = (rop >> 16) & 0xFF;
    return ((code >> 4) & 0x0F) != (code & 0x0F);
}

// A 1-pixel pen: colour, style, and what the gaps of a styled pen get (the background colour
// when the background mode is opaque).
struct LinePen {
    int style = 0;
    std::uint32_t colour = 0;
    bool fillGaps = false;
    std::uint32_t gapColour = 0;
    int rop = 13; // R2_COPYPEN
};

// The on/off pattern of a styled 1-pixel pen: the lengths of its dashes and gaps in pixels.
const std::vector<bool>& dashPattern(int style);

// Draws the pixels of the line from a to b except b itself; phase counts the pixels of the
// pattern already used and is carried on to the next segment of the same polyline.
void drawLine(const Surface& s, const Rect& clip, Point a, Point b, const LinePen& pen, long long& phase);

// Pixels of a horizontal span [x0, x1) of row y, through the raster operation.
void fillSpan(const Surface& s, int y, int x0, int x1, std::uint32_t colour, int rop);
void fillRect(const Surface& s, const Rect& r, std::uint32_t colour, int rop);

// Fills polygons (counts gives the points of each) by the pixel rule of the rule table:
// pixel (x, y) is inside when the point (x, y) is, left and top edges included.
// Working memory of the polygon fill, kept by the caller so that filling many small polygons
// allocates nothing.
struct PolygonScratch {
    struct Edge {
        long long yTop = 0;    // first row (inclusive)
        long long yBottom = 0; // last row (exclusive)
        long long x0 = 0, dx = 0, dy = 0; // from (x0, yTop) along (dx, dy), dy > 0
        int direction = 1;
        long long q = 0, r = 0, stepQ = 0, stepR = 0; // the crossing on the current row
    };
    std::vector<Edge> edges;
    std::vector<Edge*> active;
    std::vector<std::pair<long long, int>> crossings;
};
void fillPolygons(const Surface& s, const Rect& clip, const std::vector<Point>& points,
                  const std::vector<int>& counts, bool winding, std::uint32_t colour, int rop,
                  PolygonScratch& scratch);

// A rounded rectangle in the box (right and bottom outside it) whose corners are quarters of a
// cornerWidth x cornerHeight ellipse; an ellipse is the one whose corner is the whole box. Its
// pixels are those whose centres lie inside the shape; the outline is the pixels of it that
// have a 4-neighbour outside it, drawn once each in the pen, the rest filled with the brush.
struct RoundedPaint {
    bool outline = false;
    std::uint32_t penColour = 0;
    bool fill = false;
    std::uint32_t brushColour = 0;
    int rop = 13;
};
void drawRounded(const Surface& s, const Rect& clip, const Rect& box, int cornerWidth, int cornerHeight, const RoundedPaint& paint);

} // namespace vd::raster
