#pragma once
// The texts a layer settings dialog is handed: row texts one by one, joined, or each followed by a
// separator; and the settings string's integers, each followed by "|".
#include "platform/text/Format.h"

#include <array>
#include <string>

// Texts first..last each followed by `separator`.
template <std::size_t N>
std::string EachFollowedBy(const std::array<std::string, N>& texts, int first, int last, const char* separator)
{
    std::string out;
    for (int i = first; i <= last; ++i)
        out += texts[i] + separator;
    return out;
}

// Texts first..last joined by `separator`.
template <std::size_t N>
std::string JoinedBy(const std::array<std::string, N>& texts, int first, int last, const char* separator)
{
    std::string out;
    for (int i = first; i <= last; ++i)
        out += (i == first ? "" : separator) + texts[i];
    return out;
}

inline std::string Field(int value) { return vd::format("%d|", value); }
