#pragma once
// The line tabs of the national-land layer selection: seven tabs of five rows (tab 0 row 0 the
// roads, its other rows rivers). Row flags [tab][7] as the point tabs hold them; one value a row.
#include <array>
#include <string>

struct LineLayerSelection {
    std::array<std::string, 35> m_astrLineName;
    std::array<std::string, 35> m_astrLineFile;
    int m_nLineLead = 0;
    std::array<std::array<int, 7>, 7> m_anLineRowFlag{{{-1}}};
    std::array<std::array<int, 5>, 7> m_anLineRowValue{};

    int LineTabShown(int tab) const { return m_anLineRowFlag[std::size_t(tab)][5]; }
    int RoadRowShown() const { return m_anLineRowFlag[0][0]; }
    int LineFamilyChecked() const { return m_anLineRowFlag[0][6]; }
};
