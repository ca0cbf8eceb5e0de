#pragma once
// The mesh groups of the national-land layer selection: groups 0 and 1 nature and environment
// ([0][0] -1: never set), 2 industry ([2][0]); row texts at 5 x group + row. Row flags [group][7]
// as the point tabs hold them; row 1 of group 0 also switches the lakes' outlines.
#include <array>
#include <string>

struct MeshLayerSelection {
    std::array<std::string, 15> m_astrMeshName;
    std::array<std::string, 15> m_astrMeshFile;
    std::array<std::string, 30> m_astrIndustryTable;
    int m_nNatureMeshLead = 0, m_nIndustryMeshLead = 0;
    std::array<std::array<int, 7>, 3> m_anMeshRowFlag{{{-1}, {0}, {-1}}};
    std::array<int, 10> m_anNatureMeshValue{};
    std::array<int, 5> m_anIndustryMeshValue{};

    int MeshGroupShown(int group) const { return m_anMeshRowFlag[std::size_t(group)][5]; }
    int MeshLakeRowShown() const { return m_anMeshRowFlag[0][1]; }
    int NatureMeshChecked() const { return MeshGroupShown(0) == 1 || MeshGroupShown(1) == 1 ? 1 : 0; }
};
