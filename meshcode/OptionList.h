#pragma once
// The option texts of a drawing call, read alike by every library that draws national-land cells:
// the prefecture flag list and the attribute list of area kind 3 (four mesh codes to draw).
#include <array>
#include <span>
#include <string>
#include <string_view>

namespace meshcode {

inline constexpr int kPrefectureFlagCount = 48;

// Flag i is the integer before the i-th "|" (an empty field reads 0); once no "|" is left the
// remaining flags are 0.
void ParseBarFlags(std::string_view text, std::span<int> flags);

// The prefecture flags: flag 0 = 1 selects the whole country, flag n prefecture n.
std::array<int, kPrefectureFlagCount> ParseOptionList(std::string_view text);

// A wide-area mode whose tens digit is 1 and units digit 0 takes its four cells from the list
// (WideAreaQuadCodes) and gives 1; any other mode leaves `codes` alone and gives 0.
int ParseAttributeNames(int packed, std::string_view list, std::array<std::string, 4>& codes);

} // namespace meshcode
