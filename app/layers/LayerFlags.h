#pragma once
// The row-flag blocks of the layer families: entries 0-4 the rows, 5 the tab's on flag, [0][6]
// the family's on flag. Switching off turns 1 into 0 and leaves the never-set -1 alone.
#include <array>
#include <cstddef>

inline void SwitchOff(int& flag)
{
    if (flag == 1)
        flag = 0;
}

// Entry 5 of each tab becomes 1 when one of its rows is 1, the family flag when one tab is on.
template <std::size_t Tabs>
void RecomputeLayerFlags(std::array<std::array<int, 7>, Tabs>& flags)
{
    int family = 0;
    for (auto& tab : flags) {
        tab[5] = 0;
        for (int r = 0; r < 5; ++r)
            if (tab[r] == 1)
                tab[5] = 1;
        if (tab[5] == 1)
            family = 1;
    }
    flags[0][6] = family;
}

// Rows 0-4 and the tab's on flag switched off.
inline void SwitchTabOff(std::array<int, 7>& tab)
{
    for (int e = 0; e < 6; ++e)
        SwitchOff(tab[e]);
}
