#pragma once
// The land-use classes of the 1/10 subdivided mesh and the flag string that says which of them
// are shown: twelve characters "0" or "1", position i for class i; class 0 "すべて" stands for
// every class and then holds the others clear.
#include <array>
#include <string>
#include <string_view>

inline constexpr int kLandUseClassCount = 12;
inline constexpr const char* kAllLandUseClasses = "100000000000";

using LandUseFlags = std::array<bool, kLandUseClassCount>;

// The class names in class order, "すべて" first.
const std::array<const char*, kLandUseClassCount>& LandUseClassNames();

// Position i set when it reads "1"; a position past the end of a short string is clear.
LandUseFlags ReadLandUseFlags(std::string_view text);
std::string LandUseFlagText(const LandUseFlags& flags);

// A click on class `cls`: any other class clears "すべて", the class toggles, and "すべて" once
// set clears the eleven others. A class outside 0-11 changes nothing.
void ClickLandUseClass(LandUseFlags& flags, int cls);
