#pragma once
// The point settings: 30 slots shared by the point dialogs, the settings file DDDPFILE.DAT and the
// program's 121 integers. Slot k is row k % 5 + 1 of settings tab k / 5 + 1. Slot 14 (tab 3, row
// 5) belongs to no page and is never stored; slot 29 keeps the land-price year index in its
// colour field.
#include <array>
#include <string>

inline constexpr int kPointSlotCount = 30;
inline constexpr int kUnusedPointSlot = 14;
inline constexpr int kLandPriceYearSlot = 29;
inline constexpr int kPointSettingsIntegers = 1 + 4 * kPointSlotCount;

inline constexpr int PointSlotTab(int slot) { return slot / 5 + 1; }
inline constexpr int PointSlotRow(int slot) { return slot % 5 + 1; }

struct PointLayerSlots {
    std::array<int, kPointSlotCount> flag{};   // 1 = drawn
    std::array<int, kPointSlotCount> colour{}; // colour index (slot 29: the year index)
    std::array<int, kPointSlotCount> n{};      // label item, or a user point row's column range
    std::array<int, kPointSlotCount> p{};      // 大分類 (slot 0), a column range, or passed on
    std::array<std::string, kPointSlotCount> name;
    std::array<std::string, kPointSlotCount> file;

    bool operator==(const PointLayerSlots&) const = default;
};

// What OK does to the slots after gathering the pages: P is 0 where no page sets it and it is not
// passed on, and slot 14 has four zeros.
void ApplyPointOkRules(PointLayerSlots& slots);

// A user point row's column range: from x 10000 + to, each held to 0-9999 so that no value spills
// into the other.
int PackColumnRange(int from, int to);
