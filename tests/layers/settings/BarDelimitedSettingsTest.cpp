#include "layers/settings/BarDelimitedSettings.h"

#include <gtest/gtest.h>

namespace {

TEST(BarDelimitedSettings, WritesIntegersThenTextsEachClosedByABar)
{
    BarDelimitedWriter writer;
    writer.addInt(3);
    writer.addInt(-12);
    writer.addText("道路");
    writer.addText("");
    writer.addText("d:\\ksj\\n02(n02-07_1)");
    EXPECT_EQ(writer.text(), "3|-12|道路||d:\\ksj\\n02(n02-07_1)|");
}

TEST(BarDelimitedSettings, ReadsFieldsAndLeavesAnUnclosedRestUnread)
{
    BarDelimitedReader reader("7|-3||x|道路|12abc|tail");
    EXPECT_EQ(reader.nextInt(), 7);
    EXPECT_EQ(reader.nextInt(), -3);
    EXPECT_EQ(reader.nextInt(), 0);       // an empty field
    EXPECT_EQ(reader.nextInt(), 0);       // no digits
    EXPECT_EQ(reader.nextText(), "道路");
    EXPECT_EQ(reader.nextInt(), 12);      // leading digits
    EXPECT_EQ(reader.nextText(), "");     // "tail" has no closing bar
    EXPECT_EQ(reader.rest(), "tail");
    EXPECT_EQ(reader.nextInt(), 0);
}

TEST(BarDelimitedSettings, IntegerSettingsInput)
{
    const struct {
        const char* input;
        bool mark;
        bool fromFile;
        std::vector<int> values;
    } cases[] = {
        {"-1/TAVREL", true, true, {0, 0, 0}},
        {"-1", false, true, {0, 0, 0}},
        {"4|1|-2|/TAVREL", true, false, {4, 1, -2}},
        {"4|1|", false, false, {4, 1, 0}},     // fewer closed fields: the rest stay 0
        {"4|1|9", false, false, {4, 1, 0}},    // an unclosed last field is not taken
        {"1|2|3|4|5|", false, false, {1, 2, 3}},
        {"", false, false, {0, 0, 0}},
        {"-1|", false, false, {-1, 0, 0}},     // only exactly "-1" asks for the file
        {"/", true, false, {0, 0, 0}},
    };
    for (const auto& c : cases) {
        const IntegerSettingsInput parsed = ParseIntegerSettingsInput(c.input, 3);
        EXPECT_EQ(parsed.callerMark, c.mark) << c.input;
        EXPECT_EQ(parsed.fromSettingsFile, c.fromFile) << c.input;
        EXPECT_EQ(parsed.values, c.values) << c.input;
    }
}

TEST(BarDelimitedSettings, TypedSeparatorsCannotShiftFields)
{
    EXPECT_EQ(BarSafeText("a|b/c||"), "a｜b/c｜｜");
    EXPECT_EQ(FieldSafeText("a|b/c"), "a｜b／c");
    EXPECT_EQ(FieldSafeText("C:\\データ\\(P02-06_1)"), "C:\\データ\\(P02-06_1)");
    EXPECT_EQ(FieldSafeText(""), "");
}

} // namespace
