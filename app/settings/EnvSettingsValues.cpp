#include "app/settings/EnvSettingsValues.h"

#include "platform/text/Numbers.h"

namespace {

constexpr int kElevations[] = {0, -999, -9999};

} // namespace

std::optional<int> SteppedBrightness(const std::string& text, int step)
{
    const int value = vd::parseInt(text);
    if (step > 0 && value <= 9)
        return value + 1;
    if (step < 0 && value > 1)
        return value - 1;
    return std::nullopt;
}

int OutputElevationItem(int elevation)
{
    return elevation == 0 ? 0 : elevation == -9999 ? 2 : 1;
}

std::optional<int> OutputElevationOfItem(int item)
{
    if (item < 0 || item > 2)
        return std::nullopt;
    return kElevations[item];
}
