#pragma once
// What the legend box of a seismic hazard map says: its title, the compact box's title and
// marker (which explains the red value labels), and one label per value class, lowest first.
#include <string_view>
#include <vector>

namespace seismic {

struct LegendTexts {
    std::string_view title;
    std::string_view compactTitle;
    std::string_view marker;
    std::vector<std::string_view> rows; // 6, 7 or 15; empty for a map of unknown quantity
    bool highTitle = false;              // the exceedance and intensity boxes write it 2 pixels higher
};

// The texts of a probabilistic map by its data kind (PS, SI, SV, BV), of a scenario map by its
// quantity (bedrock velocity, surface velocity, intensity).
LegendTexts ProbabilisticLegendTexts(int dataKind);
LegendTexts ScenarioLegendTexts(int quantity);

// The four lines naming the data provider.
const std::vector<std::string_view>& LegendCreditLines();

} // namespace seismic
