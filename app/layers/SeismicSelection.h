#pragma once
// The seismic hazard layer: Halvette's ten settings, whether the layer is on and whether it is
// the probabilistic map. The seismic command and the presets write it; the draw reads it.
#include <array>
#include <cstdint>

struct SeismicSelection {
    std::array<std::int16_t, 10> m_anSeisSetting{};
    std::int16_t m_bSeismicLayer = 0;
    int m_bSeisProbabilistic = 0;
};
