#include "layers/render/points/PointColumns.h"

#include "platform/text/Cp932.h"
#include "platform/text/Numbers.h"

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

} // namespace

std::string_view Column(std::string_view line, int start, int length)
{
    if (start < 0 || length <= 0)
        return {};
    const std::size_t from = std::size_t(start);
    const std::size_t to = from + std::size_t(length);
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
