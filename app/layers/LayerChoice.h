#pragma once
// How the national-land layers were chosen: the prefecture flags handed to the prefecture
// selection ("%d|" 48 times) and the preset applied last (0 once layers are changed by hand).
// The layer commands write it.
#include <string>

struct LayerChoice {
    std::string m_strLayerPrefFlags;
    int m_nLayerPreset = 0;
};
