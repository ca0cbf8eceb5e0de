#pragma once
// File names compare as on the old platform: ASCII letters without regard to case, every other
// byte (Japanese names included) exactly.
#include <string>
#include <string_view>

namespace vd {

inline char foldAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

inline std::string foldName(std::string_view name)
{
    std::string folded(name);
    for (char& c : folded)
        c = foldAscii(c);
    return folded;
}

} // namespace vd
