#pragma once
// The geology and land-classification layers: their lead tab and option, whether each is on (-1
// never set, 1 on, 0 off), the geology dialog's texts, the land-classification theme and file,
// the legend kind and the composition table's state. The geology and land-classification
// commands and the presets write it; the draw reads it.
#include <array>
#include <string>

struct GeologySelection {
    int m_nGeoLead = 0, m_nGeoOption = 0, m_nGeologyLayer = -1, m_nLandClassLayer = -1;
    std::array<std::string, 6> m_astrGeoText{"", "", "", "", "0", ""};
    std::string m_strLandClassName, m_strLandClassFile;
    int m_nGeoLegendKind = 2; // 1 after an answer that left geology or land classification on
    int m_nGeoTableState = 0; // the geology composition table; -1 when a mesh answer hid it
};
