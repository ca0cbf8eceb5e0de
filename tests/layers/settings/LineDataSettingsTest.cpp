// The line-data settings without the dialog: the slot tables, the joined inputs, the colour-code
// forms and the answer's exact text.
#include "layers/settings/linedata/LineColourCode.h"
#include "layers/settings/linedata/LineDataAnswer.h"
#include "layers/settings/linedata/LineDataInputs.h"

#include <gtest/gtest.h>

#include <climits>

using Parts = std::vector<std::string>;

TEST(LineDataSlots, TabsTwoAndThreeTradeSlots)
{
    const int slots[] = {0, 2, 1, 3, 4, 5, 6};
    for (int tab = 1; tab <= 7; ++tab)
        EXPECT_EQ(PageSlot(tab), slots[tab - 1]) << tab;
    EXPECT_EQ(SlotEntry(1, 1), 0);
    EXPECT_EQ(SlotEntry(2, 1), 10);
    EXPECT_EQ(SlotEntry(3, 5), 9);
    EXPECT_EQ(SlotEntry(7, 5), 34);
}

TEST(LineDataInputs, JoinedInputsSplitIntoTheirParts)
{
    struct Case {
        const char* text;
        int parts;
        char separator;
        bool closes;
        Parts expected;
    } cases[] = {
        {"a/b/c/d/e", 5, '/', false, {"a", "b", "c", "d", "e"}},
        {"a/e", 5, '/', false, {"a", "", "", "", "e"}},
        {"whole", 5, '/', false, {"", "", "", "", "whole"}},
        {"", 5, '/', false, {"", "", "", "", ""}},
        {"a/b/c/d/e/f", 5, '/', false, {"a", "b", "c", "d", "e/f"}},
        {"x/y/z", 3, '/', false, {"x", "y", "z"}},
        {"////", 5, '/', false, {"", "", "", "", ""}},
        {"a|b|c|d|e|", 5, '|', true, {"a", "b", "c", "d", "e"}},
        {"a|b|c|d|e", 5, '|', true, {"a", "b", "c", "d", "e"}},
        {"a|b|c|d|e||", 5, '|', true, {"a", "b", "c", "d", "e|"}},
        {"|", 5, '|', true, {"", "", "", "", ""}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SplitJoinedInput(c.text, c.parts, c.separator, c.closes), c.expected) << c.text;
}

TEST(LineDataInputs, ArgumentsLandInTheirRows)
{
    std::vector<std::string> texts(31);
    auto arg = [&texts](int k) -> std::string& { return texts[k - 2]; };
    arg(2) = "N1-2";
    arg(6) = "F1-1";
    arg(15) = "N2-5";
    arg(21) = "N3-1";
    arg(23) = "N3-3/N3-4/N3-5";
    arg(26) = "F3-1////F3-5";
    arg(31) = "N7-1|N7-2|N7-3|N7-4|N7-5|";
    const LineDataRowTexts rows = PlaceLineDataTexts(texts);
    EXPECT_EQ(rows.name[SlotEntry(1, 1)], "道路");
    EXPECT_EQ(rows.name[SlotEntry(1, 2)], "N1-2");
    EXPECT_EQ(rows.file[SlotEntry(1, 1)], "F1-1");
    EXPECT_EQ(rows.name[SlotEntry(2, 5)], "N2-5");
    EXPECT_EQ(rows.name[SlotEntry(3, 1)], "N3-1");
    EXPECT_EQ(rows.name[SlotEntry(3, 5)], "N3-5");
    EXPECT_EQ(rows.file[SlotEntry(3, 5)], "F3-5");
    EXPECT_EQ(rows.name[SlotEntry(7, 5)], "N7-5");
    // Fewer arguments than 31 leave the rest empty.
    EXPECT_EQ(PlaceLineDataTexts({"only"}).name[SlotEntry(1, 2)], "only");
}

TEST(LineColourCode, FormsSplitAndPackTheirParts)
{
    struct Case {
        LineCodeForm form;
        int code;
        LineColourParts parts;
        int packed;
    } cases[] = {
        {LineCodeForm::Attribute, 312, {12, 3, 0}, 312},
        {LineCodeForm::KeepHundreds, 914, {14, 9, 0}, 914},
        {LineCodeForm::ColourOnly, 305, {5, 3, 0}, 5},
        {LineCodeForm::CodeBox, 102, {2, 0, 1}, 102},
        {LineCodeForm::RoadMode, 1, {0, 1, 0}, 1},
        {LineCodeForm::RailMode, 11, {0, 1, 1}, 11},
        {LineCodeForm::RailMode, 10, {0, 1, 0}, 10},
        {LineCodeForm::River, 143, {3, 4, 1}, 143},
        {LineCodeForm::Attribute, -7, {-7, 0, 0}, -7},
    };
    for (const Case& c : cases) {
        const LineColourParts p = SplitColourCode(c.form, c.code);
        EXPECT_EQ(p.index, c.parts.index) << c.code;
        EXPECT_EQ(p.attribute, c.parts.attribute) << c.code;
        EXPECT_EQ(p.option, c.parts.option) << c.code;
        EXPECT_EQ(PackColourCode(c.form, p), c.packed) << c.code;
    }
    // Any int comes back as it was; a changed part next to an extreme hundreds saturates.
    for (int code : {INT_MAX, INT_MIN, 2147483599})
        for (LineCodeForm form : {LineCodeForm::Attribute, LineCodeForm::RailMode, LineCodeForm::River})
            EXPECT_EQ(PackColourCode(form, SplitColourCode(form, code)), code);
    EXPECT_EQ(PackColourCode(LineCodeForm::Attribute, {21, INT_MAX / 100 + 1, 0}), INT_MAX);
    EXPECT_EQ(PackColourCode(LineCodeForm::River, {-9, -9, INT_MIN / 100 - 1}), INT_MIN);
    EXPECT_EQ(ColourIndexLimit(LineCodeForm::River), 10);
    EXPECT_EQ(ColourIndexLimit(LineCodeForm::Attribute), 22);
}

TEST(LineDataAnswer, FieldsComeInFileOrder)
{
    LineDataInts show{}, colour{};
    LineDataTexts name, file;
    show[SlotEntry(2, 1)] = 1;
    colour[SlotEntry(2, 1)] = 205;
    colour[SlotEntry(3, 5)] = 11;
    name[SlotEntry(1, 1)] = "not written";
    file[SlotEntry(1, 1)] = "D:\\R\\(N01-07L-)";
    name[SlotEntry(1, 2)] = "A";
    file[SlotEntry(7, 5)] = "z.txt";
    std::string expected = "6|0|0|0|0|0|0|0|0|0|0|1|205|";
    for (int n = 0; n < 9; ++n) // tab 2 rows 2 to 5, tab 3 rows 1 to 5
        expected += n == 8 ? "0|11|" : "0|0|";
    for (int n = 0; n < 20; ++n)
        expected += "0|0|";
    expected += "道路|D:\\R\\(N01-07L-)|A||";
    for (int n = 0; n < 32; ++n)
        expected += "||";
    expected += "|z.txt|";
    EXPECT_EQ(FormatLineDataAnswer(6, show, colour, name, file), expected);
}
