#include "basemap/files/PrefectureTableFile.h"

#include "basemap/projection/CoordinateText.h"
#include "platform/fs/RawFields.h"
#include "platform/fs/TextReader.h"

#include <string>

namespace {

// The file's lines are read in a buffer of 99 bytes: the rest of a longer line is never a point.
constexpr int kLineBytes = 99;
// Arc-seconds to 1/10000 degree, the single-precision constant of the file's readers.
constexpr double kUnitsPerSecond = static_cast<double>(2.7777777f);

float ToUnits(std::string_view dms)
{
    return static_cast<float>(DmsToSeconds(dms) * kUnitsPerSecond);
}

PrefectureTablePoint ParsePoint(std::string_view line)
{
    const auto blank = line.find(' ');
    const std::string_view latitude = line.substr(0, blank);
    std::string_view longitude = blank == std::string_view::npos ? std::string_view{} : line.substr(blank + 1);
    longitude = longitude.substr(0, longitude.find(' '));
    return {ToUnits(latitude), ToUnits(longitude)};
}

} // namespace

std::optional<std::vector<PrefectureTablePoint>> ReadPrefectureTable(std::string_view winPath)
{
    vd::TextReader reader;
    if (!reader.open(winPath))
        return std::nullopt;
    std::vector<PrefectureTablePoint> points;
    std::string raw;
    while (reader.readRawLine(raw)) {
        const std::string_view line = vd::rawField(raw, 0, kLineBytes);
        if (line.empty() || line.front() == ';')
            continue;
        points.push_back(ParsePoint(line));
    }
    return points;
}

std::optional<PrefectureTablePoint> ReadPrefectureTablePoint(std::string_view winPath, int line)
{
    const auto points = ReadPrefectureTable(winPath);
    if (!points || line < 0 || line >= static_cast<int>(points->size()))
        return std::nullopt;
    return (*points)[line];
}
