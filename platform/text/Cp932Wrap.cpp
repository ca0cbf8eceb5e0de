#include "platform/text/Cp932Wrap.h"

#include "platform/text/Cp932Chars.h"
#include "platform/text/Cp932Text.h"

#include <algorithm>

namespace vd {

// The old pages walked the CP932 bytes with a flag "the previous column opened a double-byte
// character" and, in the last column, took the trail byte of a character opened there as the
// line's extra byte. On the CP932 form of a UTF-8 text every character is well formed, so that
// walk is a walk over whole characters, which is what this does (and their rule for a line that
// began with a lead byte without its trail byte, blanked, never applies). (The old flag was also carried
// from a line that took an extra byte into a single-byte character at the start of the next
// line, where it could mistake a lead byte for a trail byte and later split a character across
// two lines; starting each line from its own first character avoids that.)
std::vector<std::string> cp932Wrap(std::string_view utf8, int width)
{
    width = std::max(width, 2);
    const int lineCount = cp932Width(utf8) / width + 1;
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(lineCount));
    const Cp932Chars chars(utf8);
    auto it = chars.begin();
    const auto end = chars.end();
    int start = 0;
    for (int k = 0; k < lineCount; ++k) {
        std::string line;
        int taken = 0;
        // Every character that begins within the line's columns; only the one beginning in the
        // last column can reach past it, by its trail byte.
        for (; it != end && it->offset < start + width; ++it) {
            line += it->utf8;
            taken = it->end() - start;
        }
        if (taken < width)
            line.append(static_cast<std::size_t>(width - taken), ' ');
        start += std::max(taken, width);
        lines.push_back(std::move(line));
    }
    return lines;
}

} // namespace vd
