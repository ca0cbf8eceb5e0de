#include "basemap/files/PrefectureTableFile.h"

#include "basemap/projection/CoordinateText.h"
#include "platform/fs/RawFields.h"
#include "platform/fs/TextReader.h"
#include "platform/text/Numbers.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <utility>

namespace {

// The file's lines are read in a buffer of 99 bytes: the rest of a longer line is never a point.
constexpr int kLineBytes = 99;
// Arc-seconds to 1/10000 degree, the single-precision constant of the file's readers.
constexpr double kUnitsPerSecond = static_cast<double>(2.7777777f);

float ToUnits(std::string_view dms)
{
    return static_cast<float>(DmsToSeconds(dms) * kUnitsPerSecond);
}

// The first two blank-separated fields of a line.
std::pair<std::string_view, std::string_view> FirstTwoFields(std::string_view line)
{
    const auto blank = line.find(' ');
    const std::string_view latitude = line.substr(0, blank);
    std::string_view longitude = blank == std::string_view::npos ? std::string_view{} : line.substr(blank + 1);
    return {latitude, longitude.substr(0, longitude.find(' '))};
}

PrefectureTablePoint ParsePoint(std::string_view line)
{
    const auto [latitude, longitude] = FirstTwoFields(line);
    return {ToUnits(latitude), ToUnits(longitude)};
}

PrefectureChartPoint ParseChartPoint(std::string_view line)
{
    const auto [latitudeText, longitudeText] = FirstTwoFields(line);
    const double latitude = vd::parseDouble(latitudeText);
    const double longitude = vd::parseDouble(longitudeText);
    return {static_cast<float>(DegreesMinutesToTenThousandthDegrees(latitude)),
            static_cast<float>(DegreesMinutesToTenThousandthDegrees(longitude)),
            static_cast<int>(std::clamp(std::trunc(latitude), 10.0, 69.0))};
}

// The data lines in order, at most `limit` of them.
template <class Point, class Parse>
std::optional<std::vector<Point>> ReadLines(std::string_view winPath, std::size_t limit, Parse parse)
{
    vd::TextReader reader;
    if (!reader.open(winPath))
        return std::nullopt;
    std::vector<Point> points;
    std::string raw;
    while (points.size() < limit && reader.readRawLine(raw)) {
        const std::string_view line = vd::rawField(raw, 0, kLineBytes);
        if (line.empty() || line.front() == ';')
            continue;
        points.push_back(parse(line));
    }
    return points;
}

} // namespace

std::optional<std::vector<PrefectureTablePoint>> ReadPrefectureTable(std::string_view winPath)
{
    return ReadLines<PrefectureTablePoint>(winPath, std::numeric_limits<std::size_t>::max(), ParsePoint);
}

std::optional<std::vector<PrefectureChartPoint>> ReadPrefectureChartPoints(std::string_view winPath)
{
    constexpr std::size_t kChartLines = 50;
    return ReadLines<PrefectureChartPoint>(winPath, kChartLines, ParseChartPoint);
}

std::optional<PrefectureTablePoint> ReadPrefectureTablePoint(std::string_view winPath, int line)
{
    const auto points = ReadPrefectureTable(winPath);
    if (!points || line < 0 || line >= static_cast<int>(points->size()))
        return std::nullopt;
    return (*points)[line];
}
