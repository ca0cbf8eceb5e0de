#pragma once
// The sea-floor depth layer: which depth map is on (0 none), Ombrisk's three settings and the
// submarine view to leave (-999) or the sea area whose depth file map mode 23 builds (0-3). The
// submarine commands write it; the draw and the sheet pictures read it.
#include <array>

struct DepthSelection {
    int m_nSubmarineLayer = 0;
    std::array<int, 3> m_anSubmarineSetting{};
    int m_nSubmarineView = 0;
};
