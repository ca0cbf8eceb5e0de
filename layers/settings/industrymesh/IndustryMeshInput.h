#pragma once
// What the program hands the industry-statistics mesh dialog and what it answers.
//
// In: the settings folder; the selection ("-1" or "WhiteMap" when the program holds no settings,
// else 12 "%d|" integers: the tab (10000 added for mesh map only), on and item of rows 1 to 5,
// the display method), any of them followed by "/" and a caller mark that also asks for mesh
// map only; the names of rows 1 to 5; their folders; the 28 item definitions each closed by "#".
// Out: 12 "%d|" integers as they came in (the tab without 10000), name and folder of rows 1 to 5
// alternately each with "|", then the 28 item definitions each with "#".
#include "layers/settings/industrymesh/IndustryMeshSettings.h"

#include <array>
#include <string>

inline constexpr int kIndustryInputCount = 13;
using IndustryMeshInputs = std::array<std::string, kIndustryInputCount>;

struct IndustryMeshStart {
    int currentTab = 0;
    int displayMethod = kIndustryMeshMap;
    bool meshMapOnly = false;
    bool fromSettingsFile = false; // the caller holds no settings: DDMCFILE.DAT supplies them
    IndustryMeshSettings settings;
};

// The inputs placed into the settings image. The item definitions are read only when the
// selection holds integers; from the settings file every integer is 0 and the method 属性値.
IndustryMeshStart ParseIndustryMeshInputs(const IndustryMeshInputs& inputs);

std::string FormatIndustryMeshResult(int currentTab, const IndustryMeshSettings& settings, int displayMethod);

// Whether anything but the tab and the display method differs (texts byte for byte).
bool IndustryMeshValuesDiffer(const IndustryMeshSettings& a, const IndustryMeshSettings& b);
