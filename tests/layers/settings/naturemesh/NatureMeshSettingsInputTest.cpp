// What the program hands the natural-environment mesh dialog and the answer it gets back.
#include "layers/settings/BarDelimitedSettings.h"
#include "layers/settings/naturemesh/NatureMeshSettingsInput.h"

#include <gtest/gtest.h>

namespace {

// 22 integers: the tab, on and item of slots 0-9 (slot k: on k % 2, item 10 + k), the method.
std::string Integers(int tab, int method)
{
    std::string out = std::to_string(tab) + "|";
    for (int k = 0; k < kMeshSlotCount; ++k)
        out += std::to_string(k % 2) + "|" + std::to_string(10 + k) + "|";
    return out + std::to_string(method) + "|";
}

} // namespace

TEST(NatureMeshSettingsInput, TheSelectionForms)
{
    struct Case {
        std::string selection;
        bool fromFile, meshMapOnly;
        int tab, method;
        bool slotValues; // the slots carry the integers' on and item values
    };
    const Case cases[] = {
        {"-1", true, false, 0, 1, false},
        {"WhiteMap", true, true, 0, 1, false},
        {"WhiteMap/TAVREL", true, true, 0, 1, false},
        {"-1/TAVREL", true, true, 0, 1, false},
        {Integers(2, 0), false, false, 2, 0, true},
        {Integers(10003, 1), false, true, 3, 1, true},
        {Integers(4, 1) + "/TAVREL", false, true, 4, 1, true},
        {Integers(20001, 0), false, true, 1, 0, true},
        {"3|", false, false, 3, 0, false},       // missing fields read 0
        {"x|y|", false, false, 0, 0, false},   // non-numeric fields read 0
        {"", false, false, 0, 0, false},
        {"whitemap", false, false, 0, 0, false}, // only the exact word
    };
    for (const Case& c : cases) {
        NatureMeshSlots slots;
        slots.on.fill(7);
        const NatureMeshSelection s = ParseNatureMeshSelection(c.selection, slots);
        EXPECT_EQ(s.fromSettingsFile, c.fromFile) << c.selection;
        EXPECT_EQ(s.meshMapOnly, c.meshMapOnly) << c.selection;
        EXPECT_EQ(s.currentTab, c.tab) << c.selection;
        EXPECT_EQ(s.displayMethod, c.method) << c.selection;
        for (int k = 0; k < kMeshSlotCount; ++k) {
            if (c.slotValues) {
                EXPECT_EQ(slots.on[k], k % 2) << c.selection << " slot " << k;
                EXPECT_EQ(slots.item[k], 10 + k) << c.selection << " slot " << k;
            } else {
                EXPECT_EQ(slots.on[k], 0) << c.selection << " slot " << k;
                EXPECT_EQ(slots.item[k], 0) << c.selection << " slot " << k;
            }
        }
    }
}

TEST(NatureMeshSettingsInput, TextsGoToTheirSlotsAndTheAnswerKeepsTheLayout)
{
    NatureMeshInputs inputs;
    for (int i = 2; i < kMeshInputCount; ++i)
        inputs[i] = "t" + std::to_string(i);
    NatureMeshSlots slots;
    PlaceNatureMeshInputTexts(inputs, slots);
    EXPECT_EQ(slots.name[0], "t2");
    EXPECT_EQ(slots.name[4], "t6");
    EXPECT_EQ(slots.text[0], "t7");
    EXPECT_EQ(slots.text[4], "t11");
    EXPECT_EQ(slots.name[5], "t12");
    EXPECT_EQ(slots.name[9], "t16");
    EXPECT_EQ(slots.text[5], "t17");
    EXPECT_EQ(slots.text[9], "t21");

    slots.on[6] = 1;
    slots.item[6] = 8;
    slots.item[0] = 154;
    EXPECT_EQ(FormatNatureMeshResult(2, slots, 0),
              "2|0|154|0|0|0|0|0|0|0|0|0|0|1|8|0|0|0|0|0|0|0|"
              "t2|t7|t3|t8|t4|t9|t5|t10|t6|t11|t12|t17|t13|t18|t14|t19|t15|t20|t16|t21|");
}

TEST(NatureMeshSettingsInput, ABarInATextBecomesAFullWidthBar)
{
    EXPECT_EQ(BarSafeText("D:\\a|b\\(x|)"), "D:\\a｜b\\(x｜)");
    EXPECT_EQ(BarSafeText("D:\\KSJ/G02\\"), "D:\\KSJ/G02\\") << "a slash is no field separator here";
}
