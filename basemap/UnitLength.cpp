// OnUnitLength: metres per arc-second on the GRS80 ellipsoid at whole degrees 21..50.
#include "contracts/dovanne.h"
#include "platform/text/Numbers.h"

#include <algorithm>

namespace {

constexpr int kFirstDegree = 21;
constexpr int kLastDegree = 50;

// East-west (along the parallel) and north-south (along the meridian), rounded to 0.1 mm.
struct UnitLengths {
    float eastWest;
    float northSouth;
};
constexpr UnitLengths kUnitLengths[kLastDegree - kFirstDegree + 1] = {
    {28.8807f, 30.7547f}, {28.6839f, 30.7584f}, {28.4785f, 30.7622f}, {28.2644f, 30.7662f}, {28.0417f, 30.7702f},
    {27.8105f, 30.7744f}, {27.5708f, 30.7788f}, {27.3227f, 30.7832f}, {27.0664f, 30.7877f}, {26.8017f, 30.7923f},
    {26.5290f, 30.7971f}, {26.2481f, 30.8019f}, {25.9592f, 30.8068f}, {25.6624f, 30.8118f}, {25.3578f, 30.8168f},
    {25.0455f, 30.8219f}, {24.7255f, 30.8271f}, {24.3979f, 30.8324f}, {24.0629f, 30.8376f}, {23.7205f, 30.8430f},
    {23.3709f, 30.8483f}, {23.0141f, 30.8537f}, {22.6503f, 30.8591f}, {22.2795f, 30.8645f}, {21.9019f, 30.8699f},
    {21.5176f, 30.8754f}, {21.1267f, 30.8808f}, {20.7293f, 30.8862f}, {20.3255f, 30.8916f}, {19.9155f, 30.8970f},
};

} // namespace

extern "C" double OnUnitLength(std::string kind, std::string latitude)
{
    try {
        // The whole degrees before the point ("35." and "35.4012" are 35; "35" too).
        const int degree = std::clamp(vd::parseInt(latitude.substr(0, latitude.find('.'))), kFirstDegree, kLastDegree);
        const UnitLengths& row = kUnitLengths[degree - kFirstDegree];
        if (kind == "ew")
            return row.eastWest;
        if (kind == "ns")
            return row.northSouth;
        return static_cast<float>(row.northSouth / row.eastWest);
    } catch (...) {
        return 0.0;
    }
}
