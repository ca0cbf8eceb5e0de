#pragma once
// One prefecture's mark on the statistics map at its pixel point: a square marker, a pie (a
// frame disc, then a sector clockwise from 12 o'clock, a full disc or only the 12 o'clock
// radius), a bar in its frame, or a number; the frames in white, the fills in the chart brush.
#include "basemap/projection/MapPoints.h"
#include "municipal/statistics/StatisticsQuantities.h"
#include "platform/dc/Dc.h"

#include <string>

namespace surrick {

struct ChartStyle {
    int pieInner = 7;  // a: the pie box from (x - a, y - a)
    int pieOuter = 8;  // b: to (x + b, y + b)
    int barLength = 30; // L
    int barTop = 2;    // h: the bar from y - h to y + 3
    const vd::Brush* white = nullptr;
    const vd::Brush* fill = nullptr; // the colour choice's brush (the one selected when none)
    const char* numberFormat = "%.1f";
};
// Large charts when the inset is off (the map shows the islands at their true places).
ChartStyle ChartSizes(bool large);

// The pie's end of the arc for a fraction f of the circle, clockwise from 12 o'clock.
PixelPoint PieEnd(PixelPoint centre, double fraction, int radius);

// Draws the chart of `shape` for quantity q; valueText is the marker's label.
void DrawChart(vd::Dc& dc, PixelPoint p, ChartShape shape, double q, const std::string& valueText,
               const ChartStyle& style);

} // namespace surrick
