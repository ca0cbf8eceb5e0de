// OnTagDisplay: a framed, bevelled panel of up to ten text lines on the map.
#include "basemap/drawing/DrawingGuard.h"
#include "contracts/surrick.h"
#include "municipal/SurrickText.h"
#include "municipal/annotations/TagPanelLines.h"

#include <algorithm>

namespace {

constexpr int kFontHeight = 15;
constexpr int kLineHeight = 18;
// A negative y places the panel from this line upwards.
constexpr int kUpwardBase = 173;

void Line(vd::Dc& dc, std::initializer_list<vd::Point> points)
{
    auto it = points.begin();
    dc.MoveTo(it->x, it->y);
    for (++it; it != points.end(); ++it)
        dc.LineTo(it->x, it->y);
}

} // namespace

extern "C" void OnTagDisplay(vd::Dc* dc, int x, int y, std::string text)
{
    GuardDrawing(dc, [&](vd::Dc& dc) {
        const std::vector<std::string> lines = surrick::TagPanelLines(text);
        const int n = std::min(int(lines.size()) + 1, surrick::kTagMaxLines);
        if (y < 0)
            y = kUpwardBase - kLineHeight * n - y;
        const int b = y + kLineHeight * n + 7;

        const vd::Font font = surrick::MapFont(kFontHeight, surrick::kGothicFace);
        const vd::Font callerFont = dc.SelectObject(font);
        {
            const vd::Brush grey(vd::RGB(210, 210, 210));
            const vd::Brush callerBrush = dc.SelectObject(grey);
            dc.Rectangle(x - 8, y - 7, x + 618, b + 7);
            dc.SelectObject(callerBrush);
        }
        {
            const vd::Brush white(vd::RGB(255, 255, 255));
            const vd::Brush callerBrush = dc.SelectObject(white);
            dc.Rectangle(x + 1, y + 1, x + 610, b);
            dc.SelectObject(callerBrush);
        }
        for (std::size_t k = 0; k < lines.size(); ++k)
            dc.TextOut(x + 8, y + 6 + kLineHeight * int(k), lines[k]);

        Line(dc, {{x, b}, {x, y}, {x + 612, y}});
        Line(dc, {{x - 1, b}, {x - 1, y - 1}});
        {
            const vd::Pen white(vd::PS_SOLID, 1, vd::RGB(255, 255, 255));
            const vd::Pen callerPen = dc.SelectObject(white);
            Line(dc, {{x - 1, b + 1}, {x + 611, b + 1}, {x + 611, y}});
            dc.SelectObject(callerPen);
        }
        {
            const vd::Pen grey(vd::PS_SOLID, 1, vd::RGB(150, 150, 150));
            const vd::Pen callerPen = dc.SelectObject(grey);
            Line(dc, {{x + 1, b - 1}, {x + 609, b - 1}, {x + 609, y}});
            dc.SelectObject(callerPen);
        }
        dc.SelectObject(callerFont);
    });
}
