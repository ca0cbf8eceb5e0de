#pragma once
// The 1/10 subdivided mesh of the national-land layer selection: rows 0-3 (-1 in 0: never set),
// 5 on, 4 and 6-8 carried along (7 = 1 disables the seismic command).
#include <array>
#include <string>

struct FineMeshLayerSelection {
    std::array<std::string, 4> m_astrFineMeshName;
    int m_nFineMeshLead = 0;
    std::array<int, 9> m_anFineMeshFlag{-1};
    std::array<int, 4> m_anFineMeshValue{};
    std::string m_strFineMeshRest;

    int FineMeshShown() const { return m_anFineMeshFlag[5]; }
};
