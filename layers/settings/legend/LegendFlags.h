#pragma once
// Which layer rows the legend lists: the program's 81 "|"-closed fields (line tabs 1-6, surface
// tabs 1-3, point tabs 1-6, line tab 7, five rows each, then the land-price year index).
#include <array>
#include <string_view>

struct LegendFlags {
    std::array<int, 35> line{}; // (tab - 1) * 5 + row - 1, tab 7 last
    std::array<int, 15> surface{};
    std::array<int, 30> point{};
    int year = 0; // the land-price year index
};

// A field without its "|" reads 0.
LegendFlags ParseLegendFlags(std::string_view text);
