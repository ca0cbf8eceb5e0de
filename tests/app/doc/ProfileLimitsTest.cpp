#include "app/document/ProfileLimits.h"

#include <gtest/gtest.h>

#include <climits>

TEST(ProfileLimits, ChoicesOutsideTheirSetTakeTheDefaultAndSizesAndColoursAreClamped)
{
    const struct {
        int stored, frame, sheets, colour, symbol, coastPen, prefecturePen;
    } cases[] = {
        // stored      frame sheets colour symbol coast prefecture
        {1, 1, 9, 1, 1, 1, 1},
        {3, 3, 9, 3, 3, 3, 3},
        {9, 2, 9, 9, 9, 9, 9},
        {19, 2, 9, 19, 16, 19, 19},
        {20, 2, 9, 20, 16, 10, 20},
        {25, 2, 25, 25, 16, 10, 18},
        {49, 2, 49, 49, 16, 10, 18},
        {0, 2, 9, 0, 1, 0, 0},
        {-1, 2, 9, 0, 1, 10, 18},
        {100, 2, 9, 100, 16, 10, 18},
        {256, 2, 9, 255, 16, 10, 18},
        {INT_MAX, 2, 9, 255, 16, 10, 18},
        {INT_MIN, 2, 9, 0, 1, 10, 18},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(UsableMapFrame(c.stored), c.frame) << c.stored;
        EXPECT_EQ(UsableBlockSheets(c.stored), c.sheets) << c.stored;
        EXPECT_EQ(UsableColourByte(c.stored), c.colour) << c.stored;
        EXPECT_EQ(UsableSymbolSize(c.stored), c.symbol) << c.stored;
        EXPECT_EQ(UsableCoastPen(c.stored, 10), c.coastPen) << c.stored;
        EXPECT_EQ(UsablePrefectureCoastPen(c.stored, 18), c.prefecturePen) << c.stored;
    }
    EXPECT_EQ(UsableSheetName(""), "京都及大阪");
    EXPECT_EQ(UsableSheetName(" "), " ");
    EXPECT_EQ(UsableSheetName("金沢"), "金沢");
}
