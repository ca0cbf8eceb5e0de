#pragma once
// The surface tabs of the national-land layer selection: three tabs of five rows, three values a
// row. Row flags [tab][7] as the point tabs hold them.
#include <array>
#include <string>

struct SurfaceLayerSelection {
    std::array<std::string, 15> m_astrSurfaceName;
    std::array<std::string, 15> m_astrSurfaceFile;
    int m_nSurfaceLead = 0;
    std::array<std::array<int, 7>, 3> m_anSurfaceRowFlag{{{-1}}};
    std::array<std::array<int, 5>, 3> m_anSurfaceRowA{}, m_anSurfaceRowB{}, m_anSurfaceRowC{};

    int SurfaceTabShown(int tab) const { return m_anSurfaceRowFlag[std::size_t(tab)][5]; }
    int SurfaceFamilyChecked() const { return m_anSurfaceRowFlag[0][6]; }
};
