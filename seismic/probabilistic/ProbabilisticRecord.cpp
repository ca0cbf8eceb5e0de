#include "seismic/probabilistic/ProbabilisticRecord.h"

#include "meshcode/MeshCode.h"
#include "meshcode/Truncate.h"
#include "platform/text/Format.h"

#include <cstdlib>

namespace seismic {

namespace {

// One number as the old scan read it (leading blanks, sign, exponent), then the expected
// separator; false when either is missing.
bool ReadNumber(const char*& at, float& value, char separator)
{
    char* end = nullptr;
    value = std::strtof(at, &end);
    if (end == at)
        return false;
    at = end;
    if (separator != '\0') {
        if (*at != separator)
            return false;
        ++at;
    }
    return true;
}

} // namespace

std::optional<ProbabilisticMeshRecord> ParseProbabilisticRecord(std::string_view line)
{
    if (line.empty() || line.front() == '#')
        return std::nullopt;
    const std::size_t comma = line.find(',');
    if (comma == 0 || comma == std::string_view::npos)
        return std::nullopt;
    ProbabilisticMeshRecord record;
    record.codeText = std::string(line.substr(0, comma));
    const std::string numbers(line.substr(comma + 1));
    const char* at = numbers.c_str();
    float unused = 0;
    for (int i = 0; i < 4; ++i)
        if (!ReadNumber(at, unused, ','))
            return std::nullopt;
    if (!ReadNumber(at, record.value, '\0'))
        return std::nullopt;
    return record;
}

CellCorner ProbabilisticCellCorner(std::string_view codeText)
{
    using namespace meshcode;
    const auto digit = [&](int first, int count) { return CodeDigits(codeText, first, count); };
    return {digit(0, 2) * kFirstMeshLatitudeSeconds + digit(4, 1) * kSecondMeshLatitudeSeconds +
                digit(6, 1) * kThirdMeshLatitudeSeconds,
            digit(2, 2) * kFirstMeshLongitudeSeconds + digit(5, 1) * kSecondMeshLongitudeSeconds +
                digit(7, 1) * kThirdMeshLongitudeSeconds + kLongitudeCodeBase};
}

namespace {

int ExceedanceClass(float value)
{
    const float g = value * 1000.0f;
    if (g < 1)
        return 0;
    if (g < 30)
        return 1;
    if (g < 60)
        return 2;
    if (g < 260)
        return 3;
    if (g < 400)
        return 4;
    return 5; // also a value that is no number: the top colour, as before
}

int IntensityClass(float g)
{
    if (g <= 2)
        return 0;
    if (g > 2 && g < 3.5f)
        return 1;
    if (g >= 3.5f && g < 4.5f)
        return 2;
    if (g >= 4.5f && g < 5)
        return 3;
    if (g >= 5 && g < 5.5f)
        return 4;
    if (g >= 5.5f && g < 6)
        return 5;
    if (g >= 6)
        return 6;
    return kUnclassified;
}

int VelocityClass(float g)
{
    if (g < 70) {
        const int c = meshcode::TruncateToInt(g) / 10;
        return c >= 0 ? c : kUnclassified;
    }
    if (g >= 70 && g < 100)
        return 7;
    if (g >= 100 && g < 160)
        return meshcode::TruncateToInt(g) / 10 - 2;
    if (g >= 160)
        return 14;
    return kUnclassified;
}

} // namespace

int ProbabilisticValueClass(int dataKind, float value)
{
    switch (dataKind) {
    case kExceedance:
        return ExceedanceClass(value);
    case kIntensity:
        return IntensityClass(value);
    case kSurfaceVelocity:
    case kBedrockVelocity:
        return VelocityClass(value);
    default:
        return 0;
    }
}

int ProbabilisticLabelValue(int dataKind, float value)
{
    switch (dataKind) {
    case kExceedance:
        return meshcode::TruncateToInt(value * 1000.0f);
    case kIntensity:
        return meshcode::TruncateToInt(value * 10.0f);
    case kSurfaceVelocity:
    case kBedrockVelocity:
        return meshcode::TruncateToInt(value);
    default:
        return 0;
    }
}

int ProbabilisticClassCount(int dataKind)
{
    switch (dataKind) {
    case kExceedance:
        return 6;
    case kIntensity:
        return 7;
    case kSurfaceVelocity:
    case kBedrockVelocity:
        return 15;
    default:
        return 0;
    }
}

ValueLabel ProbabilisticValueLabel(int dataKind, int v)
{
    switch (dataKind) {
    case kExceedance:
        return {v < 10 ? vd::format("%.1f", v * 0.1) : vd::format("%d", v / 10), v > 260, v / 10 >= 70};
    case kIntensity:
        return {vd::format("%.1f", v * 0.1), v > 60, v >= 60};
    case kSurfaceVelocity:
    case kBedrockVelocity:
        return {vd::format("%d", v), v > 130, v >= 131};
    default:
        return {};
    }
}

std::optional<vd::COLORREF> ProbabilisticClassColour(int dataKind, int valueClass)
{
    using vd::RGB;
    static constexpr vd::COLORREF kExceedanceColours[] = {RGB(144, 255, 80), RGB(255, 255, 0), RGB(255, 208, 56),
                                                          RGB(255, 132, 56), RGB(232, 0, 56),   RGB(255, 0, 0)};
    static constexpr vd::COLORREF kIntensityColours[] = {RGB(64, 122, 232), RGB(48, 196, 176), RGB(24, 220, 72),
                                                         RGB(144, 255, 80), RGB(255, 255, 0),   RGB(255, 164, 64),
                                                         RGB(255, 72, 112)};
    static constexpr vd::COLORREF kVelocityColours[] = {
        RGB(0, 0, 200),    RGB(0, 72, 255),   RGB(0, 152, 184), RGB(0, 240, 104), RGB(40, 248, 64),
        RGB(80, 255, 24),  RGB(168, 255, 16), RGB(255, 255, 0), RGB(255, 208, 0), RGB(255, 164, 0),
        RGB(255, 120, 0),  RGB(255, 76, 0),   RGB(255, 36, 0),  RGB(255, 0, 0),   RGB(168, 0, 0)};
    const auto pick = [valueClass](const auto& table) -> std::optional<vd::COLORREF> {
        if (valueClass < 0 || valueClass >= int(std::size(table)))
            return std::nullopt;
        return table[valueClass];
    };
    switch (dataKind) {
    case kExceedance: {
        // Every class beyond the table takes the top colour.
        const auto colour = pick(kExceedanceColours);
        return colour ? colour : RGB(255, 0, 0);
    }
    case kIntensity:
        return pick(kIntensityColours);
    case kSurfaceVelocity:
    case kBedrockVelocity:
        return pick(kVelocityColours);
    default:
        return std::nullopt;
    }
}

} // namespace seismic
