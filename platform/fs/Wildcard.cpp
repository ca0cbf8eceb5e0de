#include "platform/fs/Wildcard.h"

#include "platform/fs/NameFolding.h"

namespace vd {
namespace {

// The length of the UTF-8 character starting at text[at]: "?" takes a whole Japanese character.
size_t characterLength(std::string_view text, size_t at)
{
    size_t length = 1;
    while (at + length < text.size() && (static_cast<unsigned char>(text[at + length]) & 0xC0) == 0x80)
        ++length;
    return length;
}

bool matchPlain(std::string_view pattern, std::string_view name)
{
    size_t p = 0, n = 0;
    size_t starP = std::string_view::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (p < pattern.size() && pattern[p] == '?') {
            ++p;
            n += characterLength(name, n);
        } else if (p < pattern.size() && foldAscii(pattern[p]) == foldAscii(name[n])) {
            ++p;
            ++n;
        } else if (starP != std::string_view::npos) {
            p = starP + 1; // let the last "*" take one more character
            starN += characterLength(name, starN);
            n = starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

} // namespace

bool matchesWildcard(std::string_view pattern, std::string_view name)
{
    if (matchPlain(pattern, name))
        return true;
    return pattern.size() >= 2 && pattern.substr(pattern.size() - 2) == ".*"
        && name.find('.') == std::string_view::npos && matchPlain(pattern.substr(0, pattern.size() - 2), name);
}

} // namespace vd
