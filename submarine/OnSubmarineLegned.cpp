// Ombrisk's depth legend: the box at the right of the map with the depth classes of the tint map,
// of the relief map or of the contour map, or the two kinds of soundings.
#include "contracts/ombrisk.h"

#include "basemap/drawing/DrawingGuard.h"
#include "platform/text/Format.h"
#include "submarine/depthmaps/DepthColours.h"

#include <string>
#include <vector>

namespace {

constexpr vd::COLORREF kBlack = vd::RGB(0, 0, 0);
constexpr vd::COLORREF kRed = vd::RGB(255, 0, 0);
constexpr vd::COLORREF kWhite = vd::RGB(255, 255, 255);

enum LegendKind { kTint = 0, kContours = 1, kBothSoundings = 2, kMeasuredSoundings = 3 };

struct LegendRow {
    vd::COLORREF colour;
    std::string label;
};

struct LegendBox {
    int top;
    int height;
    std::vector<LegendRow> rows;
};

std::string DepthLabel(int metres) { return vd::format("＜%dm", metres); }

LegendBox TintLegend(int baseColour)
{
    LegendBox box{340, 320, {}};
    for (int row = 0; row < 13; ++row) {
        // Past the ramp's nine steps the blues fall by 12 a row.
        const vd::COLORREF colour =
            row < 9 ? DepthRampColour(baseColour, row + 1) : vd::RGB(0, 0, 243 - 12 * (row - 9));
        const int metres = row == 0 ? 0 : row == 1 ? -200 : 500 - 500 * row;
        box.rows.push_back({colour, DepthLabel(metres)});
    }
    return box;
}

LegendBox ReliefLegend(int baseColour)
{
    LegendBox box{500, 100, {}};
    const int metres[3] = {0, -1000, -4000};
    for (int row = 0; row < 3; ++row) {
        const vd::COLORREF ramp = DepthRampColour(baseColour, row + 2);
        box.rows.push_back({vd::RGB(0, vd::GetGValue(ramp), vd::GetBValue(ramp)), DepthLabel(metres[row])});
    }
    return box;
}

LegendBox ContourLegend(int baseColour)
{
    LegendBox box{370, 165, {}};
    for (int row = 0; row < 6; ++row)
        box.rows.push_back({DepthRampColour(baseColour, row + 1), DepthLabel(-1000 * row)});
    return box;
}

void DrawSwatchRows(vd::Dc& dc, const LegendBox& box, int right, const vd::Pen& outline)
{
    const vd::Pen earlier = dc.SelectObject(outline);
    for (std::size_t i = 0; i < box.rows.size(); ++i) {
        const int x = right - 135;
        const int y = box.top + 30 + 22 * int(i);
        dc.FillSolidRect(x, y, 30, 15, box.rows[i].colour);
        dc.MoveTo(x, y);
        dc.LineTo(x + 30, y);
        dc.LineTo(x + 30, y + 15);
        dc.LineTo(x, y + 15);
        dc.LineTo(x, y);
        dc.SetBkColor(kWhite);
        dc.TextOut(right - 95, y, box.rows[i].label);
    }
    dc.SelectObject(earlier);
}

void DrawDotRows(vd::Dc& dc, const LegendBox& box, int right)
{
    const vd::Pen earlierPen = dc.SelectObject(vd::Pen(vd::PS_SOLID, 1, box.rows.front().colour));
    const vd::Brush earlierBrush = dc.SelectObject(vd::Brush(box.rows.front().colour));
    for (std::size_t i = 0; i < box.rows.size(); ++i) {
        if (i > 0) {
            dc.SelectObject(vd::Pen(vd::PS_SOLID, 1, box.rows[i].colour));
            dc.SelectObject(vd::Brush(box.rows[i].colour));
        }
        const int y = box.top + 45 + 22 * int(i);
        dc.Ellipse(right - 122, y - 10, right - 118, y - 6);
        dc.TextOut(right - 95, box.top + 30 + 22 * int(i), box.rows[i].label);
    }
    dc.SelectObject(earlierPen);
    dc.SelectObject(earlierBrush);
}

} // namespace

extern "C" void OnSubmarineLegned(vd::Dc* dc, int kind, int /*reserved*/, int right, int relief, int baseColour)
{
    GuardDrawing(dc, [&](vd::Dc& dc) {
        LegendBox box;
        switch (kind) {
        case kTint:
            box = relief == 0 ? TintLegend(baseColour) : ReliefLegend(baseColour);
            break;
        case kContours:
            box = ContourLegend(baseColour);
            break;
        case kBothSoundings:
            box = {500, 75, {{kRed, "計測水深"}, {kBlack, "補間処理"}}};
            break;
        case kMeasuredSoundings:
            box = {500, 55, {{kRed, "計測水深"}}};
            break;
        default:
            return; // no legend of that kind
        }
        const vd::Pen frame(vd::PS_SOLID, 2, kBlack);
        const vd::Pen earlier = dc.SelectObject(frame);
        dc.Rectangle(right - 150, box.top, right - 10, box.top + box.height);
        dc.TextOut(right - 95, box.top + 6, "凡  例");
        dc.SetBkMode(vd::TRANSPARENT);
        if (kind == kTint || kind == kContours)
            DrawSwatchRows(dc, box, right, vd::Pen(vd::PS_SOLID, 1, kBlack));
        else
            DrawDotRows(dc, box, right);
        dc.SetBkMode(vd::OPAQUE);
        dc.SelectObject(earlier);
        dc.SetBkColor(kWhite);
    });
}
