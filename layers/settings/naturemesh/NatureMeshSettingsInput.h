#pragma once
// What the program hands OnDlgDmeshSet and what it answers: the 20 name and text inputs placed
// into the slots, the selection ("-1", "WhiteMap" or 22 integers, perhaps followed by "/" and a
// mark) and the answer of 22 integers and 20 texts.
#include "layers/settings/naturemesh/NatureMeshSlots.h"

#include <array>
#include <string>
#include <string_view>

inline constexpr int kMeshInputCount = 22;
using NatureMeshInputs = std::array<std::string, kMeshInputCount>;

// Inputs 2 to 21: names of slots 0-4, texts of slots 0-4, names of slots 5-9, texts of slots 5-9.
void PlaceNatureMeshInputTexts(const NatureMeshInputs& inputs, NatureMeshSlots& slots);

struct NatureMeshSelection {
    bool fromSettingsFile = false; // "-1" or "WhiteMap": the settings file supplies the slots
    bool meshMapOnly = false;      // a "/" mark, "WhiteMap" or a tab of 10000 or more
    int currentTab = 0;
    int displayMethod = kAttributeValueMethod;
};

// Reads the selection; the on and item values it holds go into the slots (all 0 when the
// settings file supplies them).
NatureMeshSelection ParseNatureMeshSelection(std::string_view selection, NatureMeshSlots& slots);

// The answer: "%d|" of the tab, of on and item of each slot, of the display method; then the name
// and the text of each slot, each followed by "|".
std::string FormatNatureMeshResult(int currentTab, const NatureMeshSlots& slots, int displayMethod);
