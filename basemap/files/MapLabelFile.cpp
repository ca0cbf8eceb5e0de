#include "basemap/files/MapLabelFile.h"

#include "basemap/projection/CoordinateText.h"
#include "platform/fs/TextReader.h"
#include "platform/text/Cp932.h"
#include "platform/text/Cp932Text.h"
#include "platform/text/Numbers.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kFarEastLineBytes = 298;
constexpr int kSubprefectureLineBytes = 99;
// Arc-seconds to 1/10000 degree, in single precision as the label positions always were.
constexpr float kUnitsPerSecond = 2.7777777f;
// The ratio rows a Far East label may take.
constexpr int kLowestDegree = 10;
constexpr int kHighestDegree = 69;

struct LabelFields {
    std::string name;
    std::string latitude;
    std::string longitude;
};

// A field ends at the next blank; a field with no blank after it is missing (empty).
LabelFields SplitFields(const std::string& line)
{
    LabelFields fields;
    std::size_t start = 0;
    std::string* targets[] = {&fields.name, &fields.latitude, &fields.longitude};
    for (std::string* target : targets) {
        const auto blank = line.find(' ', start);
        if (blank == std::string::npos) {
            if (target == &fields.name)
                fields.name = line.substr(start);
            break;
        }
        *target = line.substr(start, blank - start);
        start = blank + 1;
    }
    return fields;
}

template <class Parse>
std::optional<std::vector<MapLabel>> ReadLabels(std::string_view winPath, int lineBytes, Parse parse)
{
    vd::TextReader reader;
    if (!reader.open(winPath))
        return std::nullopt;
    std::vector<MapLabel> labels;
    std::string raw;
    while (reader.readRawLine(raw)) {
        const std::string line = vd::cp932Left(vd::cp932ToUtf8(raw), lineBytes);
        if (line.empty() || line.front() == ';')
            continue;
        labels.push_back(parse(SplitFields(line)));
    }
    return labels;
}

int Column(const std::string& field, int start, int length)
{
    return vd::parseInt(vd::cp932Mid(field, start, length));
}

float SecondsToUnits(int degrees, int minutes, int seconds)
{
    return static_cast<float>(degrees * 3600 + minutes * 60 + seconds) * kUnitsPerSecond;
}

} // namespace

std::optional<std::vector<MapLabel>> ReadFarEastLabelFile(std::string_view winPath)
{
    return ReadLabels(winPath, kFarEastLineBytes, [](const LabelFields& f) {
        const double latitude = vd::parseDouble(f.latitude);
        const double longitude = vd::parseDouble(f.longitude);
        const int degree = static_cast<int>(std::clamp(std::trunc(latitude), double(kLowestDegree), double(kHighestDegree)));
        return MapLabel{f.name, static_cast<float>(DegreesMinutesToTenThousandthDegrees(latitude)),
                        static_cast<float>(DegreesMinutesToTenThousandthDegrees(longitude)), degree};
    });
}

std::optional<std::vector<MapLabel>> ReadSubprefectureLabelFile(std::string_view winPath)
{
    return ReadLabels(winPath, kSubprefectureLineBytes, [](const LabelFields& f) {
        const float latitude = SecondsToUnits(Column(f.latitude, 0, 2), Column(f.latitude, 3, 2), Column(f.latitude, 5, 2));
        const float longitude =
            SecondsToUnits(Column(f.longitude, 0, 3), Column(f.longitude, 4, 2), Column(f.longitude, 6, 2));
        return MapLabel{f.name, latitude, longitude, static_cast<int>(latitude) / 10000};
    });
}
