#include "platform/text/Cp932Text.h"

#include "platform/text/Cp932Chars.h"

#include <algorithm>

namespace vd {
namespace {

// The characters lying wholly within the bytes [from, to).
std::string charsWithin(std::string_view text, int from, int to)
{
    std::string out;
    if (from >= to)
        return out;
    for (const Cp932Char& c : Cp932Chars(text)) {
        if (c.offset >= to)
            break;
        if (c.offset >= from && c.end() <= to)
            out += c.utf8;
    }
    return out;
}

} // namespace

std::string cp932Left(std::string_view utf8, int count)
{
    return charsWithin(utf8, 0, std::max(count, 0));
}

std::string cp932Mid(std::string_view utf8, int first)
{
    return std::string(utf8.substr(utf8Position(utf8, std::max(first, 0))));
}

std::string cp932Mid(std::string_view utf8, int first, int count)
{
    first = std::max(first, 0);
    count = std::max(count, 0);
    // Widened so that a huge count cannot overflow.
    const long long to = static_cast<long long>(first) + count;
    return charsWithin(utf8, first, static_cast<int>(std::min<long long>(to, 0x7FFFFFFF)));
}

std::string cp932Right(std::string_view utf8, int count)
{
    const int width = cp932Width(utf8);
    return charsWithin(utf8, width - std::clamp(count, 0, width), width);
}

std::size_t utf8Position(std::string_view utf8, int offset)
{
    for (auto it = Cp932Chars(utf8).begin(), end = Cp932Chars(utf8).end(); it != end; ++it)
        if (it->offset >= offset)
            return it.position();
    return utf8.size();
}

int cp932Position(std::string_view utf8, std::size_t pos)
{
    return cp932Width(utf8.substr(0, std::min(pos, utf8.size())));
}

std::string cp932Pad(std::string_view utf8, int width, Justify justify)
{
    const int blanks = width - cp932Width(utf8);
    if (blanks <= 0)
        return std::string(utf8);
    std::string out;
    out.reserve(utf8.size() + static_cast<std::size_t>(blanks));
    if (justify == Justify::Right)
        out.append(static_cast<std::size_t>(blanks), ' ');
    out += utf8;
    if (justify == Justify::Left)
        out.append(static_cast<std::size_t>(blanks), ' ');
    return out;
}

} // namespace vd
