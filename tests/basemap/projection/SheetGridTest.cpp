// The sheet grid and the two D.MMSS number rules that the view's drawings now share.
#include "basemap/projection/SheetGrid.h"
#include "basemap/projection/CoordinateText.h"

#include <gtest/gtest.h>

namespace {

TEST(SheetGrid, SheetCornersAndMeshCodesAgree)
{
    // 京都及大阪: south 34.40 (124800 s), west 135 degrees.
    EXPECT_EQ(SheetMeshCode(124800, 135), 5235);
    EXPECT_EQ(MeshSouthSeconds(5235), 124800);
    EXPECT_EQ(MeshWestSeconds(5235), 135 * 3600);
    EXPECT_EQ(MeshCodeAt(124800 + kMeshHeightSeconds - 1, 135 * 3600), 5235);
    EXPECT_EQ(MeshCodeAt(124800 + kMeshHeightSeconds, 135 * 3600), 5335) << "the next row up";
}

TEST(SheetGrid, SpansTruncateLikeTheirDrawingsInEachPrecision)
{
    // n sheets at a scale: n x scale first, then x 320, in the precision of the caller.
    const float scale = 0.8333333f;
    EXPECT_EQ(SheetSpan(3, scale), 3.0 * double(scale) * 320.0);
    EXPECT_EQ(SheetSpan(1, scale), 320.0 * double(scale));
    EXPECT_EQ(SheetSpanSingle(7, scale), 7.0f * scale * 320.0f);
    EXPECT_EQ(static_cast<int>(SheetSpanSingle(1, 2.5f)), 800);
}

TEST(SheetGrid, DmsNumbersTruncateOrKeepTheFractionOfASecond)
{
    struct Case {
        double value;
        double whole;
        double fractional;
    };
    const Case cases[] = {
        {355000, 35.3, 35.3},
        {351234.5, 35.0724, 35.072442},    // 444.42 seconds
        {-351234.5, -35.0724, -35.072442}, // the sign belongs to the whole value
        {1000000, 100.0, 100.0},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(TenThousandthDegreesToDmsWholeSeconds(c.value), c.whole, 1e-9) << c.value;
        EXPECT_NEAR(TenThousandthDegreesToDmsFractionalSeconds(c.value), c.fractional, 1e-9) << c.value;
    }
}

} // namespace
