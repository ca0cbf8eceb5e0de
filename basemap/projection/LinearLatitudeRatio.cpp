#include "basemap/projection/LinearLatitudeRatio.h"

#include <bit>
#include <cstdint>

namespace {

// 1.408 as a float, widened; both forms start from it.
constexpr double kRatioAt45 = static_cast<double>(1.408f);
constexpr double kLatitude45 = 450000.0;

} // namespace

double LinearLatitudeRatioSingle(double latitude)
{
    const double slope = static_cast<double>(std::bit_cast<float>(std::uint32_t{0x35D0B564}));
    const double from45 = static_cast<double>(450000.0f) - latitude;
    return kRatioAt45 - from45 * slope;
}

double LinearLatitudeRatioDouble(double latitude)
{
    const double slope = std::bit_cast<double>(std::uint64_t{0x3EBA16AC8605681F});
    return kRatioAt45 - (kLatitude45 - latitude) * slope;
}
