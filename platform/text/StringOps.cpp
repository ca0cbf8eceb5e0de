#include "platform/text/StringOps.h"

#include "platform/text/Cp932Chars.h"
#include "platform/text/Cp932Text.h"

#include <algorithm>

namespace vd {
namespace {

constexpr std::string_view kWhiteSpace = " \t\n\v\f\r";

bool contains(std::string_view set, std::string_view character)
{
    return !character.empty() && set.find(character) != std::string_view::npos;
}

} // namespace

int cp932Find(std::string_view text, std::string_view what, int start)
{
    start = std::max(start, 0);
    if (start > cp932Width(text))
        return -1;
    const std::size_t found = text.find(what, utf8Position(text, start));
    return found == std::string_view::npos ? -1 : cp932Position(text, found);
}

int cp932ReverseFind(std::string_view text, std::string_view what)
{
    if (what.empty())
        return -1;
    const std::size_t found = text.rfind(what);
    return found == std::string_view::npos ? -1 : cp932Position(text, found);
}

int replaceAll(std::string& text, std::string_view from, std::string_view to)
{
    if (from.empty())
        return 0;
    int count = 0;
    std::string out;
    std::size_t pos = 0;
    for (std::size_t found; (found = text.find(from, pos)) != std::string::npos; pos = found + from.size()) {
        out.append(text, pos, found - pos);
        out += to;
        ++count;
    }
    if (count > 0) {
        out.append(text, pos);
        text = std::move(out);
    }
    return count;
}

std::string trimLeft(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(kWhiteSpace);
    return first == std::string_view::npos ? std::string() : std::string(text.substr(first));
}

std::string trimRight(std::string_view text)
{
    const std::size_t last = text.find_last_not_of(kWhiteSpace);
    return last == std::string_view::npos ? std::string() : std::string(text.substr(0, last + 1));
}

std::string trim(std::string_view text)
{
    return trimLeft(trimRight(text));
}

std::string trimLeft(std::string_view text, std::string_view chars)
{
    for (auto it = Cp932Chars(text).begin(), end = Cp932Chars(text).end(); it != end; ++it)
        if (!contains(chars, it->utf8))
            return std::string(text.substr(it.position()));
    return {};
}

std::string trimRight(std::string_view text, std::string_view chars)
{
    std::size_t keep = 0; // end of the last character not in chars
    for (auto it = Cp932Chars(text).begin(), end = Cp932Chars(text).end(); it != end; ++it)
        if (!contains(chars, it->utf8))
            keep = it.position() + it->utf8.size();
    return std::string(text.substr(0, keep));
}

std::string toLowerAscii(std::string_view text)
{
    std::string out(text);
    // Bytes below 0x80 are whole ASCII characters in UTF-8, never part of a longer one.
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

std::string toUpperAscii(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return out;
}

} // namespace vd
