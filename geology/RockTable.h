#pragma once
// The surface-geology rock table: which colour class and RockSlot a rock classification number
// takes in each era, and which rock-group item of the selection lets it through.
#include <array>

// What a rock number of one era is: colour class 0 and slot 199 when the era has no class for it.
struct RockClass {
    int colourClass = 0;
    int slot = 199;
    bool found = false;
    // The RockGroupFlags items of which at least one must be on (when found).
    std::array<int, 2> groups{-1, -1};
};

// Looks the rock number up in the steps whose era list holds `era` (0-6), in order; the first
// matching entry wins.
RockClass LookUpRockClass(int rock, int era);
