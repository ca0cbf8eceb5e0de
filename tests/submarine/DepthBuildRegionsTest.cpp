// The blocks each region of the builder works through.
#include "submarine/DepthBuildRegions.h"

#include <gtest/gtest.h>

TEST(DepthBuildRegions, BlocksByRegionInTheirOrder)
{
    struct Case {
        int region;
        std::size_t blocks;
        DepthBlock first, last;
    };
    const Case cases[] = {
        {0, 12, {24, 122}, {28, 131}},
        {1, 28, {30, 128}, {36, 146}},
        {2, 20, {38, 135}, {44, 147}},
        {3, 60, {24, 122}, {44, 147}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.region);
        const auto blocks = DepthBlocksOfRegion(c.region);
        ASSERT_EQ(blocks.size(), c.blocks);
        EXPECT_EQ(blocks.front(), c.first);
        EXPECT_EQ(blocks.back(), c.last);
    }
    // Longitude outer, latitude inner; region 3 is 0, 1, 2 in turn.
    EXPECT_EQ(DepthBlocksOfRegion(1)[1], (DepthBlock{32, 128}));
    EXPECT_EQ(DepthBlocksOfRegion(3)[12], (DepthBlock{30, 128}));
    EXPECT_EQ(DepthBlocksOfRegion(3)[40], (DepthBlock{38, 135}));
    EXPECT_TRUE(DepthBlocksOfRegion(4).empty());
    EXPECT_TRUE(DepthBlocksOfRegion(-1).empty());
}
