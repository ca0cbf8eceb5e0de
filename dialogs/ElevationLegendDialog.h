#pragma once
// The elevation legend (template 158 "  凡例（標高の区分)"): the tint of each elevation band of a
// colour set (the tint at the band's lower bound, from the map's own ramp) and the lakes colour,
// with the set's name.
#include "platform/ui/Dialog.h"

#include <array>
#include <cstdint>
#include <string>

// The dialog's control ids (template 158).
namespace legendids {
inline constexpr int IDC_SET_NAME = 1121;
// The band swatches, sea to 3,000 m and over, and the lakes.
inline constexpr int IDC_SEA = 1109;
inline constexpr int IDC_BELOW_100M = 1100;
inline constexpr int IDC_BELOW_200M = 1101;
inline constexpr int IDC_BELOW_500M = 1102;
inline constexpr int IDC_BELOW_1000M = 1103;
inline constexpr int IDC_BELOW_1500M = 1104;
inline constexpr int IDC_BELOW_2000M = 1105;
inline constexpr int IDC_BELOW_2500M = 1106;
inline constexpr int IDC_BELOW_3000M = 1107;
inline constexpr int IDC_FROM_3000M = 1108;
inline constexpr int IDC_LAKES = 1110;
} // namespace legendids

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
