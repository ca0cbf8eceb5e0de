#pragma once
// The elevation legend (template 158 "  凡例（標高の区分)"): the tint of each elevation band of a
// colour set (the tint at the band's lower bound, from the map's own ramp) and the lakes colour,
// with the set's name.
#include "platform/ui/Dialog.h"

#include <array>
#include <cstdint>
#include <string>

class CDlgElevationLegend : public vd::Dialog {
public:
    enum { IDD = 158 };
    CDlgElevationLegend();

    std::array<std::uint32_t, 11> m_crSwatch{}; // L1..L11
    int m_nSetNumber = 0;
    std::uint32_t m_crLake = 0;
    std::string m_strPaletteDir; // with a trailing backslash

    bool OnInitDialog() override;

private:
    void LoadSet();
};
