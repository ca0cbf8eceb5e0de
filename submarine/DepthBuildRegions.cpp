#include "submarine/DepthBuildRegions.h"

namespace {

struct RegionRange {
    int firstSouth, lastSouth; // step 2 degrees
    int firstWest, lastWest;   // step 3 degrees
};

constexpr RegionRange kRegions[] = {
    {24, 28, 122, 131},
    {30, 36, 128, 146},
    {38, 44, 135, 147},
};

void AppendRegion(const RegionRange& range, std::vector<DepthBlock>& blocks)
{
    for (int west = range.firstWest; west <= range.lastWest; west += 3)
        for (int south = range.firstSouth; south <= range.lastSouth; south += 2)
            blocks.push_back({south, west});
}

} // namespace

std::vector<DepthBlock> DepthBlocksOfRegion(int region)
{
    std::vector<DepthBlock> blocks;
    for (int r = 0; r < 3; ++r)
        if (region == r || region == kAllDepthRegions)
            AppendRegion(kRegions[r], blocks);
    return blocks;
}
