#include "basemap/sheetindex/SheetIndexFile.h"

#include "platform/fs/RawFields.h"
#include "platform/fs/TextReader.h"
#include "platform/text/Cp932.h"
#include "platform/text/Numbers.h"

#include <algorithm>

namespace {

constexpr int kNameColumn = 9;
constexpr int kNameBytes = 12;
constexpr int kLatitudeColumn = 22;
constexpr int kLatitudeBytes = 7;
constexpr int kLongitudeColumn = 32;
constexpr int kLongitudeBytes = 8;

} // namespace

bool HasSheetMark(std::string_view utf8Line)
{
    if (utf8Line.empty())
        return false;
    // Searched in UTF-8, past the whole first character: in CP932 the mark's bytes can also be
    // the trail of one character and the lead of the next.
    std::size_t first = 1;
    while (first < utf8Line.size() && (static_cast<unsigned char>(utf8Line[first]) & 0xC0) == 0x80)
        ++first;
    const std::string_view rest = utf8Line.substr(first);
    return rest.find("Ｂ") != std::string_view::npos || rest.find("Ｏ") != std::string_view::npos;
}

SheetIndexLine::SheetIndexLine(std::string raw) : raw_(std::move(raw))
{
    marked_ = HasSheetMark(vd::cp932ToUtf8(raw_));
}

std::string SheetIndexLine::Field(int column, int length) const
{
    return vd::textField(raw_, column, length);
}

std::string SheetIndexLine::NameColumns() const { return Field(kNameColumn, kNameBytes); }
std::string SheetIndexLine::LatitudeText() const { return Field(kLatitudeColumn, kLatitudeBytes); }
std::string SheetIndexLine::LongitudeText() const { return Field(kLongitudeColumn, kLongitudeBytes); }

int SheetIndexLine::MeshCode() const
{
    const std::string_view latitude = vd::rawField(raw_, kLatitudeColumn, kLatitudeBytes);
    const std::string_view longitude = vd::rawField(raw_, kLongitudeColumn, kLongitudeBytes);
    const int degrees = vd::parseInt(latitude.substr(0, 2));
    const int minutes = vd::parseInt(latitude.substr(std::min<std::size_t>(3, latitude.size()), 2));
    return (degrees * 60 + minutes) / 40 * 100 + vd::parseInt(longitude.substr(0, 3)) - 100;
}

std::optional<std::vector<SheetIndexLine>> ReadSheetIndex(std::string_view winPath)
{
    vd::TextReader reader;
    if (!reader.open(winPath))
        return std::nullopt;
    std::vector<SheetIndexLine> lines;
    std::string raw;
    while (reader.readRawLine(raw)) {
        // A longer line reaches the readers as pieces of 199 bytes, each a line of its own.
        std::size_t at = 0;
        do {
            lines.emplace_back(raw.substr(at, kSheetIndexLineBytes));
            at += kSheetIndexLineBytes;
        } while (at < raw.size());
    }
    return lines;
}
