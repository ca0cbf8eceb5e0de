#pragma once
// The boxes along the statistics map's lower right: the data name, the display kind, the totals
// and the class legend, with each class labelled by the quantity of its last (smallest) member.
#include "municipal/statistics/StatisticsQuantities.h"
#include "platform/dc/Dc.h"

#include <string>
#include <vector>

namespace surrick {

struct LegendLayout {
    int width = 0;  // W, the client width
    int height = 0; // H
    bool nameShifted = false;   // the data-name box moved 90 pixels right
    bool showStatistics = false; // the kind label, totals and legend
    bool largeCharts = false;    // inset flag non-zero: totals always shown
    bool tenClasses = true;
    int textModeUnits = 0;
};

// The title of the data-name box: the name alone when it is 55 bytes or longer.
std::string StatisticsTitle(const std::string& dataName);

// ranks: the data lines by rank, largest first (entries outside the data are skipped).
void DrawStatisticsBoxes(vd::Dc& dc, const LegendLayout& layout, const std::string& dataName, const DisplayKind& kind,
                         const StatisticsQuantities& quantities, const std::vector<int>& ranks);

} // namespace surrick
