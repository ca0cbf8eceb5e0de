#pragma once
// The natural-environment mesh settings: ten theme slots shared by the dialog, the settings file
// DDMSFILE.DAT and the program's 22 integers. Slot s is row s % 5 + 1 of settings tab s / 5 + 1;
// slots 0, 1, 2, 5 and 6 have a page, the others pass through unchanged.
#include <array>
#include <string>

inline constexpr int kMeshSlotCount = 10;
// The current tab, on and item of each slot, the display method.
inline constexpr int kMeshSettingsIntegers = 2 + 2 * kMeshSlotCount;

inline constexpr int MeshSlotTab(int slot) { return slot / 5 + 1; }
inline constexpr int MeshSlotRow(int slot) { return slot % 5 + 1; }

// The display method below the tabs.
inline constexpr int kMeshMapMethod = 0;
inline constexpr int kAttributeValueMethod = 1;

struct NatureMeshSlots {
    std::array<int, kMeshSlotCount> on{};   // 1 = drawn (one slot at most after OK)
    std::array<int, kMeshSlotCount> item{}; // the item the mesh map shows
    std::array<std::string, kMeshSlotCount> name;
    std::array<std::string, kMeshSlotCount> text; // data folder (with its data-set code) or file

    bool operator==(const NatureMeshSlots&) const = default;
};
