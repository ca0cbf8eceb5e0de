#include "submarine/files/DepthTextFile.h"

#include "platform/fs/RawFields.h"
#include "platform/fs/TextReader.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

void skipBlanks(std::string_view& text)
{
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    text.remove_prefix(i);
}

// A number as scanf reads one: blanks, an optional sign, then the number; the text moves past it.
template <class T>
std::optional<T> takeNumber(std::string_view& text)
{
    skipBlanks(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    // No second sign: from_chars would take one.
    if (text.empty() || text.front() == '+' || text.front() == '-')
        return std::nullopt;
    T value{};
    std::from_chars_result result{};
    if constexpr (std::is_floating_point_v<T>)
        result = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    else
        result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc())
        return std::nullopt;
    text.remove_prefix(std::size_t(result.ptr - text.data()));
    return negative ? T(-value) : value;
}

} // namespace

bool SoundingSeconds(const DepthSounding& sounding, int& latitudeSeconds, int& longitudeSeconds)
{
    constexpr float kSecondsPerDegree = 3600.0f;
    const float latitude = sounding.latitudeDegrees * kSecondsPerDegree;
    const float longitude = sounding.longitudeDegrees * kSecondsPerDegree;
    if (!(std::fabs(latitude) < 2.0e9f) || !(std::fabs(longitude) < 2.0e9f))
        return false;
    latitudeSeconds = static_cast<int>(latitude);
    longitudeSeconds = static_cast<int>(longitude);
    return true;
}

std::string DepthTextFileName(int latitudeDegree, int longitudeDegree)
{
    return vd::format("DP%d_%d.txt", latitudeDegree, longitudeDegree);
}

std::optional<DepthSounding> ParseDepthLine(std::string_view line)
{
    if (line.empty())
        return std::nullopt;
    DepthSounding sounding;
    sounding.kind = line.front();
    line.remove_prefix(1);
    const auto latitude = takeNumber<float>(line);
    if (!latitude)
        return std::nullopt;
    const auto longitude = takeNumber<float>(line);
    if (!longitude)
        return std::nullopt;
    const auto depth = takeNumber<int>(line);
    if (!depth || !std::isfinite(*latitude) || !std::isfinite(*longitude))
        return std::nullopt;
    sounding.latitudeDegrees = *latitude;
    sounding.longitudeDegrees = *longitude;
    sounding.depthMetres = *depth;
    return sounding;
}

std::optional<std::vector<DepthSounding>> ReadDepthTextFile(std::string_view winPath)
{
    vd::TextReader reader;
    if (!reader.open(winPath))
        return std::nullopt;
    std::vector<DepthSounding> soundings;
    std::string line;
    while (reader.readRawLine(line))
        if (auto sounding = ParseDepthLine(line))
            soundings.push_back(*sounding);
    return soundings;
}

DepthSounding ParseFixedColumnDepthLine(std::string_view line)
{
    DepthSounding sounding;
    // Only "0" is a measured sounding; an empty line is not one.
    sounding.kind = line.empty() ? ' ' : line.front();
    sounding.latitudeDegrees = static_cast<float>(vd::parseDouble(vd::rawField(line, 3, 8)));
    sounding.longitudeDegrees = static_cast<float>(vd::parseDouble(vd::rawField(line, 12, 9)));
    sounding.depthMetres = vd::parseInt(vd::rawField(line, 22, 5));
    return sounding;
}

std::optional<std::vector<DepthSounding>> ReadFixedColumnDepthFile(std::string_view winPath)
{
    // A piece holds at most 98 characters and the line end, or 99 characters without it.
    constexpr std::size_t kPieceWithEnd = 98;
    constexpr std::size_t kPiece = 99;
    vd::TextReader reader;
    if (!reader.open(winPath))
        return std::nullopt;
    std::vector<DepthSounding> soundings;
    std::string line;
    while (reader.readRawLine(line)) {
        std::string_view rest(line);
        while (true) {
            const std::string_view piece = rest.substr(0, rest.size() <= kPieceWithEnd ? rest.size() : kPiece);
            if (!piece.empty())
                soundings.push_back(ParseFixedColumnDepthLine(piece));
            if (rest.size() <= kPieceWithEnd)
                break;
            rest.remove_prefix(kPiece);
        }
    }
    return soundings;
}
