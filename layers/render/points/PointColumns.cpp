#include "layers/render/points/PointColumns.h"

#include "platform/text/Cp932.h"
#include "platform/text/Numbers.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <utility>

namespace points {

namespace {

constexpr std::string_view kFullBlank = "\xE3\x80\x80"; // "　" in UTF-8

std::string Before(std::string text, std::string_view mark)
{
    const std::size_t at = text.find(mark);
    if (at != std::string::npos)
        text.resize(at);
    return text;
}

// No byte from 0x80 up: eight at a time.
bool SingleByte(std::string_view text)
{
    constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;
    std::size_t pos = 0;
    for (; pos + 8 <= text.size(); pos += 8) {
        std::uint64_t word;
        std::memcpy(&word, text.data() + pos, 8);
        if (word & kHighBits)
            return false;
    }
    for (; pos < text.size(); ++pos)
        if (static_cast<unsigned char>(text[pos]) & 0x80)
            return false;
    return true;
}

} // namespace

std::string_view Column(std::string_view line, int start, int length)
{
    if (start < 0 || length <= 0)
        return {};
    const std::size_t from = std::size_t(start);
    const std::size_t to = from + std::size_t(length);
    // Without a byte from 0x80 up before the column's end there is no double-byte character to
    // keep whole: the column is cut as it stands, without walking the line character by character.
    const std::size_t scanned = std::min(to, line.size());
    if (SingleByte(line.substr(0, scanned)))
        return from < scanned ? line.substr(from, scanned - from) : std::string_view{};
    std::size_t first = std::string_view::npos;
    std::size_t last = from;
    for (std::size_t pos = 0; pos < line.size() && pos < to;) {
        const bool pair = vd::isCp932Lead(static_cast<unsigned char>(line[pos])) && pos + 1 < line.size() &&
                          vd::isCp932Trail(static_cast<unsigned char>(line[pos + 1]));
        const std::size_t end = pos + (pair ? 2 : 1);
        if (pos >= from && end <= to) {
            if (first == std::string_view::npos)
                first = pos;
            last = end;
        }
        pos = end;
    }
    if (first == std::string_view::npos)
        return {};
    return line.substr(first, last - first);
}

std::string ColumnText(std::string_view line, int start, int length)
{
    return vd::cp932ToUtf8(Column(line, start, length));
}

int ColumnNumber(std::string_view line, int start, int length) { return vd::parseInt(Column(line, start, length)); }

double ColumnDecimal(std::string_view line, int start, int length)
{
    return vd::parseDouble(Column(line, start, length));
}

std::string CutAtBlank(std::string text) { return Before(std::move(text), " "); }

std::string CutAtFullBlank(std::string text) { return Before(std::move(text), kFullBlank); }

std::string CutAtEitherBlank(std::string text)
{
    return text.find(' ') != std::string::npos ? CutAtBlank(std::move(text)) : CutAtFullBlank(std::move(text));
}

} // namespace points
