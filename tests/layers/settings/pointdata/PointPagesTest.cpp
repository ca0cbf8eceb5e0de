// The pages of the detailed map's point dialog as the user clicks them: the on boxes of each
// page, label items, file choices, the 大分類 list and the land-price year.
#include "tests/layers/settings/pointdata/PointDialogSupport.h"

using namespace point_test;

TEST_F(PointDialogTest, OnBoxesFollowTheirPagesRules)
{
    Integers in;
    in.slots[0] = {1, 0, 0, 0};  // 公共施設 on without a folder
    in.slots[20] = {1, 0, 0, 0}; // 感潮限界 on without a file
    in.slots[4] = {2, 0, 0, 0};  // 潮汐・海洋施設: a flag that is neither 0 nor 1
    in.slots[10] = {1, 0, 0, 0};
    inputs[4] = "";
    inputs[8] = "d:\\ksj\\p12.txt"; // 文化財
    inputs[11] = "d:\\ksj\\c05.txt"; // 潮汐・海洋施設
    const Answer a(Detailed(in.text(), [](vd::DialogDriver& d) {
        d.selectTab(kTabs, 0);
        EXPECT_TRUE(d.isChecked(Slot(0).onBox));
        d.click(Slot(0).onBox);
        EXPECT_FALSE(d.isChecked(Slot(0).onBox)) << "施設: no folder, the box clears";
        d.click(Slot(1).onBox);
        EXPECT_TRUE(d.isChecked(Slot(1).onBox));
        d.selectTab(kTabs, 1);
        d.click(Slot(20).onBox);
        EXPECT_FALSE(d.isChecked(Slot(20).onBox)) << "水文: no file, box and flag clear";
        d.selectTab(kTabs, 2);
        d.click(Slot(5).onBox);
        EXPECT_FALSE(d.isChecked(Slot(5).onBox)) << "沿岸域: no file, the row stays hidden";
        EXPECT_FALSE(d.isChecked(Slot(4).onBox));
        d.click(Slot(4).onBox);
        EXPECT_TRUE(d.isChecked(Slot(4).onBox)) << "2 counts as off";
        d.selectTab(kTabs, 6);
        d.click(Slot(10).onBox);
        d.click(Slot(11).onBox);
        EXPECT_TRUE(d.isChecked(Slot(11).onBox)) << "点Ｂ toggles without a file";
        d.click(vd::IDOK);
    }));
    EXPECT_EQ(a.flag(0), 1) << "施設 keeps the flag under the cleared box";
    EXPECT_EQ(a.flag(1), 1);
    EXPECT_EQ(a.flag(20), 0);
    EXPECT_EQ(a.flag(5), 0);
    EXPECT_EQ(a.flag(4), 1);
    EXPECT_EQ(a.flag(10), 0);
    EXPECT_EQ(a.flag(11), 1);
}

TEST_F(PointDialogTest, LabelItemsShowTheirButtonAndSwitchARowWithDataOn)
{
    Integers in;
    in.slots[0] = {0, 0, 5, 0};  // 名称/種別: any item but 0 shows 種別
    in.slots[1] = {0, 0, 0, 0};
    in.slots[9] = {0, 0, 7, 0};  // 発電所: 7 is outside its four buttons
    in.slots[2] = {0, 0, 6, 0};
    in.slots[3] = {0, 0, 2, 0};
    in.slots[15] = {0, 0, 9, 0};
    inputs[7] = "D:\\KSJ\\(P02-06_1)";
    inputs[17] = "d:\\c.txt"; // 海岸施設・感潮限界
    const Answer a(Detailed(in.text(), [](vd::DialogDriver& d) {
        d.selectTab(kTabs, 0);
        EXPECT_TRUE(d.isChecked(Slot(0).items[1]));
        EXPECT_FALSE(d.isChecked(Slot(0).items[0]));
        EXPECT_TRUE(d.isChecked(Slot(1).items[0]));
        for (int id : Slot(9).items)
            EXPECT_FALSE(d.isChecked(id)) << id;
        d.click(Slot(0).items[1]);
        EXPECT_TRUE(d.isChecked(Slot(0).onBox)) << "種別 with a folder set checks the row";
        d.click(Slot(1).items[1]);
        EXPECT_FALSE(d.isChecked(Slot(1).onBox)) << "without a file the row stays off";
        d.selectCombo(FacilitySpec(false).classList, 12);
        d.selectTab(kTabs, 1);
        EXPECT_TRUE(d.isChecked(Slot(2).items[6]));
        EXPECT_TRUE(d.isChecked(Slot(3).items[2]));
        d.selectTab(kTabs, 2);
        d.click(Slot(5).items[4]);
        EXPECT_TRUE(d.isChecked(Slot(5).onBox));
        d.selectTab(kTabs, 4);
        EXPECT_TRUE(d.isChecked(LandPriceBSpec(false).pageItems[9]));
        d.click(LandPriceBSpec(false).pageItems[2]);
        EXPECT_FALSE(d.isChecked(Slot(15).onBox)) << "a land-price item switches no row on";
        d.click(vd::IDOK);
    }));
    EXPECT_EQ(a.n(0), 1);
    EXPECT_EQ(a.flag(0), 1);
    EXPECT_EQ(a.p(0), 12);
    EXPECT_EQ(a.n(1), 1);
    EXPECT_EQ(a.flag(1), 0);
    EXPECT_EQ(a.n(9), 7) << "an item outside its group passes unchanged";
    EXPECT_EQ(a.n(5), 4);
    EXPECT_EQ(a.flag(5), 1);
    EXPECT_EQ(a.n(15), 2);
    EXPECT_EQ(a.flag(15), 0);
}

TEST_F(PointDialogTest, FileChoicesGiveAFolderWithItsCodeOrALowerCaseFile)
{
    for (int i = 0; i < 4; ++i)
        script->answerFileDialog("C:\\Data\\P02-06_13.txt");
    script->cancelFileDialog();
    const Answer a(Detailed(Integers{}.text(), [](vd::DialogDriver& d) {
        d.selectTab(kTabs, 0);
        d.click(Slot(0).fileButton);
        EXPECT_EQ(d.text(Slot(0).textEdit), "C:\\Data\\(P02-06_1)");
        d.click(Slot(1).fileButton);
        EXPECT_EQ(d.text(Slot(1).textEdit), "c:\\data\\p02-06_13.txt");
        d.selectTab(kTabs, 5);
        d.click(Slot(6).fileButton);
        EXPECT_EQ(d.text(Slot(6).textEdit), "C:\\Data\\(P02-06_1)");
        d.selectTab(kTabs, 6);
        d.click(Slot(10).fileButton);
        EXPECT_EQ(d.text(Slot(10).textEdit), "c:\\data\\p02-06_13.txt");
        d.click(Slot(11).fileButton);
        EXPECT_EQ(d.text(Slot(11).textEdit), "") << "a cancelled choice changes nothing";
        d.selectTab(kTabs, 0);
        d.click(Slot(0).onBox);
        EXPECT_TRUE(d.isChecked(Slot(0).onBox)) << "a chosen folder lets the row be checked";
        d.click(vd::IDOK);
    }));
    EXPECT_EQ(script->beeps(), 5);
    EXPECT_EQ(a.file[0], "C:\\Data\\(P02-06_1)");
    EXPECT_EQ(a.file[1], "c:\\data\\p02-06_13.txt");
    EXPECT_EQ(a.file[6], "C:\\Data\\(P02-06_1)");
    EXPECT_EQ(a.flag(0), 1);
}

TEST_F(PointDialogTest, TheLandPriceYearStaysWithinTheLatestYearOfTheCheckedRows)
{
    // Only a row of L02-07 (平成 7年, index 12), checked anew: 平成10年 falls back to 平成 7年.
    inputs[37] = "D:\\KSJ\\L02-07\\(L02-07_1)/////";
    Integers in;
    in.slots[29] = {0, 20, 0, 0};
    const Answer a(Detailed(in.text(), [](vd::DialogDriver& d) {
        d.selectTab(kTabs, 3);
        EXPECT_EQ(d.text(kLandPriceYearList), "平成15年");
        d.selectCombo(kLandPriceYearList, 15);
        EXPECT_EQ(d.text(kLandPriceYearList), "昭和58年") << "no row checked: the limit is 0";
        d.click(Slot(25).onBox);
        EXPECT_EQ(d.text(kLandPriceYearList), "平成 7年") << "the year follows the row's data";
        d.selectCombo(kLandPriceYearList, 15);
        EXPECT_EQ(d.text(kLandPriceYearList), "平成 7年");
        d.selectCombo(kLandPriceYearList, 8);
        EXPECT_EQ(d.text(kLandPriceYearList), "平成 3年");
        d.click(vd::IDOK);
    }));
    EXPECT_EQ(a.colour(29), 8);
    EXPECT_EQ(a.flag(25), 1);
}

TEST_F(PointDialogTest, RowsCheckedAlreadyHoldTheYearFromTheStart)
{
    // Row 1 of L01-05 (index 10) and row 2 of L01-63 (index 5) checked, row 3 naming no data set.
    inputs[37] = "D:\\L01-05\\(L01-05_1)/D:\\L01-63\\(L01-63_1)/D:\\MINE\\(x)/D:\\L01-25\\(L01-25_1)/";
    Integers in;
    in.slots[25] = {1, 0, 0, 0};
    in.slots[26] = {1, 0, 0, 0};
    in.slots[27] = {1, 0, 0, 0};
    in.slots[28] = {2, 0, 0, 0};
    in.slots[29] = {0, 3, 0, 0};
    const Answer a(Detailed(in.text(), [](vd::DialogDriver& d) {
        d.selectTab(kTabs, 3);
        EXPECT_FALSE(d.isChecked(Slot(28).onBox)) << "a flag other than 1 opens as 0";
        d.selectCombo(kLandPriceYearList, 9);
        EXPECT_EQ(d.text(kLandPriceYearList), "昭和63年") << "the smallest latest year of the checked rows";
        d.click(Slot(26).onBox); // row 2 off: row 1's year remains
        d.selectCombo(kLandPriceYearList, 9);
        EXPECT_EQ(d.text(kLandPriceYearList), "平成 4年");
        d.click(Slot(28).onBox); // row 4: data after 平成20 is held to the list's end
        EXPECT_EQ(d.text(kLandPriceYearList), "平成 5年");
        d.click(Slot(27).onBox); // a row without a data set changes nothing
        d.click(Slot(27).onBox);
        EXPECT_EQ(d.text(kLandPriceYearList), "平成 5年");
        d.click(vd::IDOK);
    }));
    EXPECT_EQ(a.colour(29), 10);
    EXPECT_EQ(a.flag(26), 0);
    EXPECT_EQ(a.flag(27), 1);
    EXPECT_EQ(a.flag(28), 1);
}
