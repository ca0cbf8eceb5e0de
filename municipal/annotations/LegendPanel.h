#pragma once
// The national-land data legend panel of the white map: for each shown line, surface and point
// row a line sample or point symbol in the row's colour and the row's data name from the layer
// settings files, with the fixed sub-legends of roads, railways, rivers, designated areas and
// land prices, in a frame as tall as the rows used.
#include "layers/settings/files/LegendPens.h"

#include <array>
#include <string>
#include <string_view>

namespace vd {
class Dc;
}

namespace surrick {

inline constexpr int kLegendFlagCount = 80;
using LegendRowFlags = std::array<int, kLegendFlagCount>;

// 80 integers each closed by "|"; once no "|" is left the rest are 0, a field that is no number 0.
LegendRowFlags ParseLegendRowFlags(std::string_view text);

class CWhiteDdLegend {
public:
    // Position mode 0, 1 or 2 (any other: the panel at 0, 0 with no width); the data folder ends
    // in a backslash.
    CWhiteDdLegend(int positionMode, const LegendRowFlags& flags, std::string dataFolder);

    // Draws the panel; the caller's pen and font are selected again afterwards.
    void Paint(vd::Dc& dc) const;

private:
    int m_nX = 0;
    int m_nY = 0;
    int m_nWidth = 0;
    LegendRowFlags m_anFlags{};
    std::string m_strDataFolder;
    LegendPenTable m_pens;
};

} // namespace surrick
