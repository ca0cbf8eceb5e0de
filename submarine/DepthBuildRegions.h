#pragma once
// The blocks of 3 x 3 first-level meshes that the depth-file builder works through, by region:
// 0 the south-west islands, 1 central and western Japan, 2 the north; 3 all three in that order.
// Within a region the longitude is the outer loop. Another region builds nothing.
#include <vector>

struct DepthBlock {
    int southDegree = 0; // latitude of the south-west corner, whole degrees
    int westDegree = 0;  // longitude of the south-west corner, whole degrees
    friend bool operator==(const DepthBlock&, const DepthBlock&) = default;
};

inline constexpr int kAllDepthRegions = 3;

std::vector<DepthBlock> DepthBlocksOfRegion(int region);
