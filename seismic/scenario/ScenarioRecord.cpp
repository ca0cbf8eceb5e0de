#include "seismic/scenario/ScenarioRecord.h"

#include "meshcode/Truncate.h"
#include "platform/text/Format.h"
#include "seismic/probabilistic/ProbabilisticRecord.h"

#include <algorithm>
#include <charconv>

namespace seismic {

namespace {

// The quantity's number in the record (7, 10, 11), counted from 1.
int QuantityNumber(int quantity)
{
    switch (quantity) {
    case 0:
        return 7;
    case 1:
        return 10;
    case 2:
        return 11;
    default:
        return 0;
    }
}

// The probabilistic quantity whose classes a scenario quantity uses.
int ClassKind(int quantity)
{
    if (quantity == 0 || quantity == 1)
        return kSurfaceVelocity;
    if (quantity == 2)
        return kIntensity;
    return -1;
}

// One number as "%f" reads it: leading blanks, a sign, digits, an exponent. Null when there is
// none at `at`.
const char* ReadFloat(const char* at, const char* end, float& value)
{
    while (at != end && (*at == ' ' || *at == '\t'))
        ++at;
    if (at != end && *at == '+' && at + 1 != end && at[1] != '-')
        ++at;
    const auto [next, error] = std::from_chars(at, end, value);
    if (error == std::errc::result_out_of_range && next != at)
        return next; // a value beyond float: as read, an infinity or zero does no harm
    return error == std::errc() ? next : nullptr;
}

} // namespace

std::optional<ScenarioMeshRecord> ParseScenarioRecord(std::string_view line, bool listForm, int upTo)
{
    const char* at = line.data();
    const char* end = line.data() + line.size();
    ScenarioMeshRecord record;
    const int most = std::min(upTo, int(record.numbers.size()));
    while (record.count < most) {
        float value = 0;
        const char* next = ReadFloat(at, end, value);
        if (next == nullptr)
            break;
        record.numbers[record.count++] = value;
        at = next;
        if (at == end || *at != ',')
            break;
        ++at;
    }
    if (record.count < std::min(most, 4) || (listForm && record.count < std::min(most, 10)))
        return std::nullopt;
    return record;
}

std::optional<float> ScenarioQuantityValue(const ScenarioMeshRecord& record, int quantity)
{
    const int number = QuantityNumber(quantity);
    if (number == 0 || record.count < number)
        return std::nullopt;
    return record.numbers[number - 1];
}

int ScenarioSeconds(float degrees) { return meshcode::TruncateToInt(degrees * 3600.0f); }

int ScenarioValueClass(int quantity, float value)
{
    const int kind = ClassKind(quantity);
    return kind < 0 ? -1 : ProbabilisticValueClass(kind, value);
}

std::optional<vd::COLORREF> ScenarioClassColour(int quantity, int valueClass)
{
    const int kind = ClassKind(quantity);
    if (kind < 0)
        return std::nullopt;
    return ProbabilisticClassColour(kind, valueClass);
}

ScenarioLabel ScenarioValueLabel(int quantity, float value)
{
    const int tenths = meshcode::TruncateToInt(value * 10.0f);
    if (quantity == 2)
        return {vd::format("%.1f", tenths * 0.1), tenths >= 61, tenths > 59};
    return {vd::format("%d", tenths / 10), tenths > 1300, tenths > 2000};
}

int ScenarioClassCount(int quantity)
{
    const int kind = ClassKind(quantity);
    return kind == kIntensity ? 7 : kind < 0 ? 0 : 15;
}

} // namespace seismic
