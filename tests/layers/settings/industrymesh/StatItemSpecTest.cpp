// StatItemSpec: split three times at "/", the rest is the interval; joined back with "/%d".
#include "layers/settings/industrymesh/StatItemSpec.h"

#include <gtest/gtest.h>

TEST(StatItemSpec, SplitTakesThreePartsAndLeavesTheRestAsTheInterval)
{
    const struct {
        const char* text;
        StatItemSpec spec;
    } cases[] = {
        {"販売額/12/17/50", {"販売額", 12, 17, 50}},
        {"", {"", 0, 0, 0}},
        {"/0/0/0", {"", 0, 0, 0}},
        {"a/-3/+4/-5", {"a", -3, 4, -5}},
        {"a/1/2/3/4", {"a", 1, 2, 3}},      // the rest "3/4" reads 3
        {"a/1/2", {"a", 1, 0, 2}},          // no third "/": "2" is left for the interval
        {"7", {"", 0, 0, 7}},               // no "/" at all: the whole text is the interval
        {"name/x/9y/ 12", {"name", 0, 9, 12}},
        {"n/99999999999/1/1", {"n", 2147483647, 1, 1}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SplitStatItemSpec(c.text), c.spec) << c.text;
}

TEST(StatItemSpec, JoinWritesSignedNumbersAndRoundTrips)
{
    EXPECT_EQ(JoinStatItemSpec({"販売額", 3, 9, 100}), "販売額/3/9/100");
    EXPECT_EQ(JoinStatItemSpec({}), "/0/0/0") << "an empty item definition comes back so";
    EXPECT_EQ(JoinStatItemSpec({"x", -1, 0, -2147483647 - 1}), "x/-1/0/-2147483648");
    const StatItemSpec spec{"従業員数", 5, 11, 20};
    EXPECT_EQ(SplitStatItemSpec(JoinStatItemSpec(spec)), spec);
}

TEST(StatItemSpec, RegisteredNamesKeepNoSeparators)
{
    EXPECT_EQ(StatItemNameText("売上/月#1"), "売上／月＃1");
    EXPECT_EQ(StatItemNameText("販売額"), "販売額");
    EXPECT_EQ(SplitStatItemSpec(JoinStatItemSpec({StatItemNameText("a/b"), 1, 2, 3})).name, "a／b");
}
