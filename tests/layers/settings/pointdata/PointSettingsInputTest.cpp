// The point settings' inputs and answer: joined inputs split into their values, the 40 inputs
// placed into the slots, the answer's layout and the texts kept from shifting its fields.
#include "layers/settings/pointdata/PointSettingsInput.h"

#include <gtest/gtest.h>

using Values = std::vector<std::string>;

TEST(PointSettingsInput, JoinedInputsSplitIntoTheirValues)
{
    struct Case {
        const char* text;
        int count;
        Values values;
    } cases[] = {
        {"東京/大阪", 2, {"東京", "大阪"}},
        {"東京/", 2, {"東京", ""}},
        {"東京", 2, {"", "東京"}},
        {"a/b/c", 2, {"a", "b/c"}},
        {"", 2, {"", ""}},
        {"a/b/c/d/", 4, {"a", "b", "c", "d"}},
        {"a/b/c/d/e/", 5, {"a", "b", "c", "d", "e"}},
        {"a/b", 4, {"a", "", "", ""}},
        {"a//c/", 4, {"a", "", "c", ""}},
        {"a/b/c/d/e/f/", 5, {"a", "b", "c", "d", "e"}},
        {"abc", 5, {"", "", "", "", ""}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SplitJoinedValues(c.text, c.count), c.values) << c.text << " " << c.count;
}

TEST(PointSettingsInput, InputsLandInTheirSlots)
{
    PointInputs in;
    for (int i = 2; i < kPointInputCount; ++i)
        in[i] = "in" + std::to_string(i);
    in[31] = "n16/n17";
    in[32] = "n25/n26/n27/n28/";
    in[33] = "n18/n19";
    in[34] = "n20/n21/n22/n23/n24/";
    in[36] = "f16/f17";
    in[37] = "f25/f26/f27/f28/";
    in[38] = "f18/f19";
    in[39] = "f20/f21/f22/f23/f24/";
    PointLayerSlots slots;
    PlacePointInputTexts(in, slots);
    EXPECT_EQ(slots.name[0], "in2");
    EXPECT_EQ(slots.name[4], "in6");
    EXPECT_EQ(slots.file[0], "in7");
    EXPECT_EQ(slots.name[5], "in12");
    EXPECT_EQ(slots.file[9], "in21");
    EXPECT_EQ(slots.name[10], "in22");
    EXPECT_EQ(slots.name[13], "in25");
    EXPECT_EQ(slots.file[10], "in26");
    EXPECT_EQ(slots.file[13], "in29");
    EXPECT_EQ(slots.name[14], "");
    EXPECT_EQ(slots.file[14], "");
    EXPECT_EQ(slots.name[15], "in30");
    EXPECT_EQ(slots.file[15], "in35");
    for (int slot = 16; slot <= 28; ++slot) {
        EXPECT_EQ(slots.name[slot], "n" + std::to_string(slot));
        EXPECT_EQ(slots.file[slot], "f" + std::to_string(slot));
    }
    EXPECT_EQ(slots.name[29], "");
    EXPECT_EQ(slots.file[29], "");
}

TEST(PointSettingsInput, TheAnswerHoldsTheTabFourIntegersASlotAndTheTextsButSlot14s)
{
    PointLayerSlots slots;
    for (int k = 0; k < kPointSlotCount; ++k) {
        slots.flag[k] = k % 2;
        slots.colour[k] = k;
        slots.n[k] = -k;
        slots.p[k] = 100 + k;
        slots.name[k] = "N" + std::to_string(k);
        slots.file[k] = "F" + std::to_string(k);
    }
    const std::string answer = FormatPointSettingsResult(6, slots);
    EXPECT_EQ(answer.substr(0, 24), "6|0|0|0|100|1|1|-1|101|0");
    EXPECT_NE(answer.find("|N13|F13|N15|F15|"), std::string::npos) << "slot 14 has no texts";
    EXPECT_EQ(answer.substr(answer.size() - 8), "N29|F29|");
    EXPECT_EQ(std::count(answer.begin(), answer.end(), '|'), 121 + 58);

    int tab = -1;
    PointLayerSlots back;
    std::vector<int> values;
    for (size_t at = 0; values.size() < 121; at = answer.find('|', at) + 1)
        values.push_back(std::stoi(answer.substr(at)));
    PlacePointSettingsIntegers(values, tab, back);
    EXPECT_EQ(tab, 6);
    EXPECT_EQ(back.flag, slots.flag);
    EXPECT_EQ(back.colour, slots.colour);
    EXPECT_EQ(back.n, slots.n);
    EXPECT_EQ(back.p, slots.p);
}

TEST(PointSettingsInput, OkRulesAndColumnRanges)
{
    PointLayerSlots slots;
    slots.p.fill(7);
    slots.n.fill(3);
    slots.flag[14] = slots.colour[14] = 5;
    ApplyPointOkRules(slots);
    for (int k = 0; k < kPointSlotCount; ++k) {
        const bool zero = k == 1 || k == 2 || k == 3 || k == 4 || k == 5 || k == 9 || k == 14 || k == 20 || k == 23;
        EXPECT_EQ(slots.p[k], zero ? 0 : 7) << k;
        EXPECT_EQ(slots.n[k], k == 14 ? 0 : 3) << k;
    }
    EXPECT_EQ(slots.flag[14], 0);
    EXPECT_EQ(slots.colour[14], 0);

    EXPECT_EQ(PackColumnRange(3, 12), 30012);
    EXPECT_EQ(PackColumnRange(0, 0), 0);
    EXPECT_EQ(PackColumnRange(99999, 12), 99990012) << "from held to 9999";
    EXPECT_EQ(PackColumnRange(-4, 20000), 9999);
    EXPECT_EQ(PackColumnRange(2147483647, -2147483647 - 1), 99990000);
}
