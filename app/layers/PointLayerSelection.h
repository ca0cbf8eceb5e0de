#pragma once
// The point tabs of the national-land layer selection: six tabs of five rows. Row flags [tab][7]:
// entries 0-4 the rows (1 on), 5 the tab's on flag, [0][6] the family's; -1 in the first row flag:
// never set. Row texts at 5 x tab + row.
#include <array>
#include <string>

struct PointLayerSelection {
    std::array<std::string, 30> m_astrPointName;
    std::array<std::string, 30> m_astrPointFile;
    int m_nPointLead = 0;
    std::array<std::array<int, 7>, 6> m_anPointRowFlag{{{-1}}};
    std::array<std::array<int, 5>, 6> m_anPointRowA{}, m_anPointRowB{}, m_anPointRowC{};

    int PointTabShown(int tab) const { return m_anPointRowFlag[std::size_t(tab)][5]; }
    int PointFamilyChecked() const { return m_anPointRowFlag[0][6]; }
};
