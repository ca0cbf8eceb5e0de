#pragma once
// The keyword settings of the text pages: three keywords that colour the text area, the six
// counts of their bands and the four category labels. The keyword dialog writes them to the
// profile at once (section System).
#include <array>
#include <string>

struct KeywordSettings {
    std::array<std::string, 3> keys;       // System/Key1 .. Key3
    std::array<std::string, 4> categories; // System/Ctgry0 .. Ctgry3
    std::array<int, 6> counts{};           // System/KeyCount1 .. KeyCount6
};

// Writes the settings to the profile, in the order Key1-3, Ctgry0-3, KeyCount1-6.
void WriteKeywordSettings(const KeywordSettings& settings);
