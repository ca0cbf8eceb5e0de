#pragma once
// What the program hands the surface dialog and what it answers: the 32 input strings (settings
// folder, settings integers, then data names and texts by group), and the answer of 61 integers
// and 30 texts.
#include "layers/settings/surface/SurfaceRows.h"

#include <array>
#include <string>
#include <vector>

inline constexpr int kSurfaceInputCount = 32;
using SurfaceInputs = std::array<std::string, kSurfaceInputCount>;

// Inputs 2 to 31 into the rows: per group (rows 0-4, 10-14, 5-9) five data names, then five texts.
void PlaceSurfaceInputTexts(const SurfaceInputs& inputs, SurfaceRows& rows);

// The settings integers: the tab, then per group and row its on, colour, fill and name values.
void PlaceSurfaceSettingsIntegers(const std::vector<int>& values, int& currentTab, SurfaceRows& rows);

// The answer: "%d|" of the tab; per group the five on values, five colours, five fills, five
// names; then for i = 0 to 4 the data name and text of rows i, 10 + i and 5 + i, each with "|".
std::string FormatSurfaceSettingsResult(int currentTab, const SurfaceRows& rows);
