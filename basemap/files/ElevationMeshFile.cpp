#include "basemap/files/ElevationMeshFile.h"

#include "platform/fs/FileSource.h"

#include <algorithm>
#include <string>

namespace {

constexpr std::size_t kHeaderChars = 1010;
constexpr std::size_t kValueChars = 5;
constexpr std::size_t kRecordChars = 6 + 3 + kElevationMeshSide * kValueChars + 1;

bool AllDigits(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Text mode: a CR before LF is dropped, so a line end counts as one character.
std::string TextModeCharacters(std::string_view bytes)
{
    std::string text;
    text.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i)
        if (!(bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n'))
            text += bytes[i];
    return text;
}

} // namespace

std::uint8_t ElevationGreyLevel(std::string_view value)
{
    if (value.size() != kValueChars)
        return 0;
    if (AllDigits(value)) {
        const int elevation = (value[0] - '0') * 10000 + (value[1] - '0') * 1000 + (value[2] - '0') * 100 +
                              (value[3] - '0') * 10 + (value[4] - '0');
        return std::uint8_t(std::min(elevation / 150 + 1, 255));
    }
    if (value[0] == '-')
        return value.substr(1).find('9') == std::string_view::npos ? 1 : 0;
    return 0;
}

void ParseElevationMeshGrey(std::string_view bytes, ElevationGreyGrid& grid)
{
    const std::string text = TextModeCharacters(bytes);
    if (text.size() < kHeaderChars)
        return;
    for (std::size_t at = kHeaderChars; at + kRecordChars <= text.size(); at += kRecordChars) {
        const std::string_view record = std::string_view(text).substr(at, kRecordChars);
        const std::string_view number = record.substr(6, 3);
        if (!AllDigits(number))
            continue;
        const int row = (number[0] - '0') * 100 + (number[1] - '0') * 10 + (number[2] - '0');
        if (row < 1 || row > kElevationMeshSide)
            continue;
        for (int column = 0; column < kElevationMeshSide; ++column)
            grid[std::size_t((row - 1) * kElevationMeshSide + column)] =
                ElevationGreyLevel(record.substr(9 + std::size_t(column) * kValueChars, kValueChars));
    }
}

bool ReadElevationMeshGrey(std::string_view winPath, ElevationGreyGrid& grid)
{
    vd::FileSource source;
    if (!source.open(winPath))
        return false;
    std::string bytes;
    while (source.refill()) {
        bytes += source.buffered();
        source.consume(source.buffered().size());
    }
    ParseElevationMeshGrey(bytes, grid);
    return true;
}
