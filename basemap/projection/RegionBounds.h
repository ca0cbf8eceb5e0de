#pragma once
// The fixed regions of Japan that the region buttons of the point dialogs choose, with their
// bounds as D.MMSS texts (empty = no bound), and the region filter those dialogs share.
#include <span>
#include <string>
#include <string_view>

struct RegionBounds {
    std::string north; // latitude at most
    std::string south; // latitude at least
    std::string west;  // longitude at least
    std::string east;  // longitude at most
};

struct RegionRow {
    const char* name;
    const char* north;
    const char* south;
    const char* west;
    const char* east;
};

// "全国", "北海道", "東北", "関東信越", "近畿中部", "中国四国", "九州沖縄".
std::span<const RegionRow> RegionBoundsTable();

// The bounds of a fixed region, or nullptr when the name is none of them.
const RegionRow* FindRegionRow(std::string_view name);

// Sets the bounds of a fixed region; another name leaves them as they were.
bool ApplyRegionBounds(std::string_view name, RegionBounds& bounds);

// Whether a point lies within the bounds, every comparison on the texts, byte by byte.
bool WithinRegionBounds(const RegionBounds& bounds, std::string_view latitude, std::string_view longitude);
