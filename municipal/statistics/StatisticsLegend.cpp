#include "municipal/statistics/StatisticsLegend.h"

#include "municipal/prefmap/ClassColours.h"
#include "platform/text/Cp932.h"
#include "platform/text/Format.h"

#include <algorithm>
#include <cmath>

namespace surrick {

namespace {

constexpr int kLongName = 55; // bytes
constexpr int kShiftedName = 90;
constexpr int kRowHeight = 21;
// The client width from which the totals box always has room.
constexpr int kWideClient = 800;
// Room beside the kind label inside its box, left and right.
constexpr int kLabelMargins = 10;

void DrawTotals(vd::Dc& dc, const LegendLayout& l, const DataSummary& s)
{
    const int x = l.width - 195;
    const int y = l.height - 205;
    dc.Rectangle(l.width - 200, l.height - 208, l.width - 2, l.height - 100);
    // A sum past double's range is left out rather than printed as "inf".
    if (std::isfinite(s.total))
        dc.TextOut(x, y, vd::format("総計=%.1f", s.total));
    if (std::isfinite(s.mean))
        dc.TextOut(x, y + 20, vd::format("平均=%.1f", s.mean));
    if (s.maximum && std::isfinite(*s.maximum))
        dc.TextOut(x, y + 40, vd::format("最大=%.1f(%s)", *s.maximum, s.maximumName));
    if (s.minimum && std::isfinite(*s.minimum))
        dc.TextOut(x, y + 60, vd::format("最小=%.1f(%s)", *s.minimum, s.minimumName));
}

void DrawLegend(vd::Dc& dc, const LegendLayout& l, const StatisticsQuantities& quantities, const std::vector<int>& ranks)
{
    const ClassScheme& scheme = StatisticsClassScheme(l.tenClasses);
    const int classes = int(scheme.colours.size());
    const int members = scheme.prefecturesPerClass;
    const int w = l.width;
    const int h = l.height;
    const int b = h - kRowHeight * classes;
    const vd::Pen black(vd::PS_SOLID, 1, vd::RGB(0, 0, 0));
    const vd::Brush white(vd::RGB(255, 255, 255));
    dc.SelectObject(black);
    dc.SelectObject(white);
    dc.Rectangle(w - 170, b - 263, w - 2, h - 239);
    dc.TextOut(w - 120, b - 259, "凡  例");
    for (int i = 0; i < classes; ++i) {
        const vd::Brush swatch(scheme.colours[std::size_t(i)].brush);
        dc.SelectObject(swatch);
        const int row = kRowHeight * (i - classes);
        dc.Rectangle(w - 160, h - 239 + row, w - 130, h - 222 + row);
    }
    dc.SelectObject(white);
    const int last = kPrefectureCount - 1;
    for (int r = 1; r <= last; ++r) {
        if ((r + 1) % members != 0 && r != last)
            continue;
        const int line = r < static_cast<int>(ranks.size()) ? ranks[std::size_t(r)] : -1;
        const auto q = line >= 0 && line < kPrefectureCount ? quantities.Quantity(line) : std::nullopt;
        if (!q)
            continue;
        const int row = (r + 1) / members - (r != last ? 1 : 0) - classes;
        dc.TextOut(w - 120, h - 239 + kRowHeight * row, vd::format("%.2f～", *q));
    }
}

} // namespace

std::string StatisticsTitle(const std::string& dataName)
{
    return vd::cp932Width(dataName) >= kLongName ? dataName : "データ名称：" + dataName;
}

void DrawStatisticsBoxes(vd::Dc& dc, const LegendLayout& l, const std::string& dataName, const DisplayKind& kind,
                         const StatisticsQuantities& quantities, const std::vector<int>& ranks)
{
    const int w = l.width;
    const int h = l.height;
    const int z = l.nameShifted ? kShiftedName : 0;
    dc.Rectangle(z + w - 625, h - 27, z + w - 100, h - 2);
    dc.TextOut(z + w - 620, h - 23, StatisticsTitle(dataName));
    const bool wide = l.largeCharts || w >= kWideClient;
    if (!l.showStatistics) {
        if (l.textModeUnits != 1 || wide)
            dc.Rectangle(w - 200, h - 130, w - 2, h - 100);
        return;
    }
    if (*kind.label != '\0') {
        // The box holds its label: in a caller's font too wide for it, it grows to the left.
        const int left = std::min(w - 200, w - 2 - kLabelMargins - dc.GetTextExtent(kind.label).cx);
        dc.Rectangle(left, h - 235, w - 2, h - 212);
        dc.TextOut(left + 5, h - 232, kind.label);
    }
    if (wide)
        DrawTotals(dc, l, quantities.Summary());
    DrawLegend(dc, l, quantities, ranks);
}

} // namespace surrick
