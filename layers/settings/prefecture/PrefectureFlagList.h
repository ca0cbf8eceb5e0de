#pragma once
// The prefectures whose national-land data are drawn, as the program keeps them and hands them
// to the drawing and selection entry points: 48 integers each written "%d|". Field 0 = 1 is the
// whole country (no restriction); field n = 1 selects prefecture n (1 北海道 .. 47 沖縄, the
// national code order). A caller asking for one prefecture (a prefecture map) appends "1".
#include <array>
#include <string>
#include <string_view>

inline constexpr int kPrefectureFlagCount = 48;
using PrefectureFlags = std::array<int, kPrefectureFlagCount>;

struct PrefectureFlagInput {
    PrefectureFlags flags{};
    bool singlePrefecture = false;
};

// Reads the 48 fields with the leading-digits rule (an empty or non-numeric field is 0). Once no
// "|" is left every further field is 0 and the rest stays; a rest of exactly "1" asks for one
// prefecture, any other rest ("1x", "11") is ignored. Never fails.
PrefectureFlagInput ParsePrefectureFlagInput(std::string_view text);

// The 48 fields, each "%d|", nothing before or after.
std::string FormatPrefectureFlagList(const PrefectureFlags& flags);
