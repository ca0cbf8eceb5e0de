#include "municipal/statistics/StatisticsCharts.h"

#include "platform/text/Format.h"

#include <algorithm>
#include <cmath>

namespace surrick {

namespace {

constexpr double kFullCircle = 6.28318;
// Above this fraction the pie is a full disc; at or below the smaller one only its radius.
constexpr double kFullDisc = 0.98;
constexpr double kThinSector = 0.05;
constexpr double kLongestBar = 100000;

void Label(vd::Dc& dc, PixelPoint p, const std::string& text)
{
    dc.TextOut(p.x + 4, p.y - 6, text);
}

void SelectFill(vd::Dc& dc, const ChartStyle& style)
{
    if (style.fill)
        dc.SelectObject(*style.fill);
}

} // namespace

ChartStyle ChartSizes(bool large)
{
    ChartStyle style;
    if (large) {
        style.pieInner = 12;
        style.pieOuter = 13;
        style.barLength = 45;
        style.barTop = 3;
    }
    return style;
}

PixelPoint PieEnd(PixelPoint centre, double fraction, int radius)
{
    const double angle = fraction * kFullCircle;
    return {centre.x + static_cast<int>(std::sin(angle) * radius), centre.y - static_cast<int>(std::cos(angle) * radius)};
}

void DrawChart(vd::Dc& dc, PixelPoint p, ChartShape shape, double q, const std::string& valueText,
               const ChartStyle& style)
{
    const int x = p.x;
    const int y = p.y;
    if (shape != ChartShape::Marker && style.white)
        dc.SelectObject(*style.white);
    switch (shape) {
    case ChartShape::None:
        return;
    case ChartShape::Marker:
        dc.Rectangle(x - 2, y - 2, x + 2, y + 2);
        Label(dc, p, valueText);
        return;
    case ChartShape::Pie: {
        const int a = style.pieInner;
        const int b = style.pieOuter;
        dc.Ellipse(x - a, y - a, x + b, y + b);
        SelectFill(dc, style);
        if (q > kFullDisc) {
            dc.Ellipse(x - a, y - a, x + b, y + b);
        } else if (q > kThinSector) {
            const PixelPoint end = PieEnd(p, q, a);
            dc.Pie(x - a, y - a, x + b, y + b, end.x, end.y, x, y - a);
        } else {
            dc.MoveTo(x, y);
            dc.LineTo(x, y - a);
        }
        return;
    }
    case ChartShape::Bar:
        dc.Rectangle(x, y - style.barTop, x + style.barLength, y + 3);
        SelectFill(dc, style);
        // A set with values of both signs can make q far larger than 1: keep the bar in range.
        dc.Rectangle(x, y - style.barTop, x + static_cast<int>(std::clamp(style.barLength * q, -kLongestBar, kLongestBar)),
                     y + 3);
        return;
    case ChartShape::Number:
        Label(dc, p, vd::format(style.numberFormat, q));
        return;
    }
}

} // namespace surrick
