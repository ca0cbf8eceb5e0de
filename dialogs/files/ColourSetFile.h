#pragma once
// The colour-set files (PALETTE\*.PLT) as the colour-set dialog writes them: line 1 ";", the
// name, two blanks, the file's own path, two blanks; then one class line per tint class in the
// order of kColourSetClasses: "%4d " elevation, "%3d " red, "%3d " green, "%3d" blue and the
// label, CP932 with CR LF. The lines of the classes 100 m to 3,000 m are left out when their
// colour is black (no anchor: the tints are interpolated across them). graphics/ColourSet.h
// reads them back.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct ColourSetClass {
    int elevation;     // metres, as written
    int rampIndex;     // where the class sits in the 256-entry ramp
    const char* label; // written after the colour
    bool optional;     // left out when black
};

// Sea, 0 m, 100 m .. 3,000 m, 4,000 m.
inline constexpr int kColourSetClassCount = 11;
inline constexpr std::array<ColourSetClass, kColourSetClassCount> kColourSetClasses = {{
    {0, 0, "    青（海域）  1:15", false},
    {1, 1, "         0m", false},
    {100, 6, "       100m", true},
    {200, 13, "       200m", true},
    {500, 33, "       500m", true},
    {1000, 66, "     1,000m", true},
    {1500, 100, "     1,500m", true},
    {2000, 133, "     2,000m", true},
    {2500, 166, "     2,500m", true},
    {3000, 200, "     3,000m", true},
    {4000, 255, "     4,000m", false},
}};

// Colours 0x00BBGGRR, one per class in the order above.
using ColourSetColours = std::array<std::uint32_t, kColourSetClassCount>;

// The lines of the file (UTF-8, without line ends).
std::vector<std::string> FormatColourSetLines(std::string_view name, std::string_view winPath,
                                              const ColourSetColours& colours);

// Writes the file anew (a temporary file replaces the old one only when all was written).
bool WriteColourSetFile(std::string_view winPath, std::string_view name, const ColourSetColours& colours);
