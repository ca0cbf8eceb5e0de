// The point-data settings dialog of the white map: its own 施設, 水文, 土地A and 土地B pages,
// the same answer and settings file.
#include "tests/layers/settings/pointdata/PointDialogSupport.h"

using namespace point_test;

TEST_F(PointDialogTest, WhiteMapVisitsEveryTabAndPassesTheItemsItHasNoButtonsFor)
{
    Integers in;
    for (int slot : {0, 1, 2, 15, 25})
        in.slots[slot] = {0, 0, 1, 0};
    in.slots[29] = {0, 17, 0, 0};
    const std::string answer = White(in.text(), [](vd::DialogDriver& d) {
        EXPECT_EQ(d.caption(), "  国土数値情報（点データ）");
        const int firstSlot[] = {0, 2, 4, 25, 15, 6, 10}; // of each tab's page
        for (int tab = 0; tab < 7; ++tab) {
            d.selectTab(kTabs, tab);
            EXPECT_TRUE(d.isVisible(Slot(firstSlot[tab], true).onBox)) << tab;
        }
        EXPECT_EQ(d.text(kNote), "データの範囲:全国");
        d.selectTab(kTabs, 0);
        d.click(Slot(0, true).onBox);
        EXPECT_TRUE(d.isChecked(Slot(0, true).onBox)) << "施設 turns on without a folder";
        d.click(Slot(23, true).onBox);
        d.click(Slot(23, true).onBox);
        EXPECT_FALSE(d.isChecked(Slot(23, true).onBox));
        d.click(Slot(9, true).items[2]);
        EXPECT_FALSE(d.isChecked(Slot(9, true).onBox)) << "an item switches no row on";
        d.selectCombo(FacilitySpec(true).classList, 4);
        d.selectTab(kTabs, 1);
        d.click(Slot(2, true).onBox);
        EXPECT_FALSE(d.isChecked(Slot(2, true).onBox)) << "水文: an empty folder clears the box";
        d.click(vd::IDOK);
    });
    const Answer a(answer);
    for (int slot : {0, 1, 2, 15, 25})
        EXPECT_EQ(a.n(slot), 1) << slot;
    EXPECT_EQ(a.flag(0), 1);
    EXPECT_EQ(a.p(0), 4);
    EXPECT_EQ(a.flag(23), 0);
    EXPECT_EQ(a.n(9), 2);
    EXPECT_EQ(a.flag(9), 0);
    EXPECT_EQ(a.flag(2), 0);
    EXPECT_EQ(a.colour(29), 17) << "no row checked: the year passes";
    EXPECT_EQ(a.tab, 1);
}

TEST_F(PointDialogTest, WhiteLandPriceTakesTheSmallestLatestYearOfTheCheckedRows)
{
    inputs[37] = "D:\\KSJ\\L01-05\\(L01-05_1)/D:\\KSJ\\L01-63\\(L01-63_1)/D:\\KSJ\\L02-03\\(L02-03_1)/D:\\MINE\\(x)/";
    Integers in;
    in.slots[29] = {0, 21, 0, 0};
    const Answer a(White(in.text(), [](vd::DialogDriver& d) {
        d.selectTab(kTabs, 3);
        d.click(Slot(25, true).onBox);
        d.click(Slot(26, true).onBox);
        d.click(Slot(28, true).onBox); // a folder of no land-price data set
        d.click(vd::IDOK);
    }));
    EXPECT_EQ(a.colour(29), 5) << "昭和63 (5) is older than 平成5 (10)";

    const Answer b(White(in.text(), [](vd::DialogDriver& d) {
        d.selectTab(kTabs, 3);
        d.click(Slot(27, true).onBox); // "l02" gives no year on the white map
        d.click(vd::IDOK);
    }));
    EXPECT_EQ(b.colour(29), 21);
    EXPECT_EQ(b.flag(27), 1);
}
