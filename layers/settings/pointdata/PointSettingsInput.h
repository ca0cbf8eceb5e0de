#pragma once
// What the program hands the point dialogs and what they answer: the 40 input strings placed
// into the slots' names and files, the settings integers, and the answer of 121 integers and 58
// texts.
#include "layers/settings/pointdata/PointLayerSlots.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

inline constexpr int kPointInputCount = 40;
using PointInputs = std::array<std::string, kPointInputCount>;

// A joined input of `count` values. Two values: split at the first "/" (without one, the first is
// empty and the second the whole text). More: each value is the text before the next "/", the
// rest is split next; once no "/" is left, the further values are empty.
std::vector<std::string> SplitJoinedValues(std::string_view text, int count);

// The names and files of inputs 2 to 39 in their slots (slots 14 and 29 stay empty).
void PlacePointInputTexts(const PointInputs& inputs, PointLayerSlots& slots);

// The settings integers (input 1) into the current tab and the slots' integers.
void PlacePointSettingsIntegers(const std::vector<int>& values, int& currentTab, PointLayerSlots& slots);

// The answer: "%d|" of the tab, then flag, colour, N and P of each slot, then name and file of
// each slot but 14, each followed by "|".
std::string FormatPointSettingsResult(int currentTab, const PointLayerSlots& slots);
