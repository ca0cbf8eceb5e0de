#include "platform/text/Cp932Chars.h"
#include "platform/text/Cp932Text.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace {

// "a" byte 0, "あ" bytes 1-2, "b" 3, "い" 4-5, "c" 6: double-byte characters at odd positions,
// so every cut at an even position falls inside one.
const std::string kMixed = "aあbいc";

TEST(Cp932Text, WidthCountsCp932Bytes)
{
    const std::pair<std::string, int> cases[] = {
        {"", 0}, {"abc", 3}, {"表", 2}, {"ｱ", 1}, {"表ソポ～ｱｲｳ abc", 15},
        {kMixed, 7}, {"é", 1} /* written as "?" */, {"\x80", 1} /* a stray byte too */,
    };
    for (const auto& [text, width] : cases)
        EXPECT_EQ(vd::cp932Width(text), width) << text;
}

TEST(Cp932Text, LeftNeverSplitsACharacter)
{
    const std::pair<int, std::string> cases[] = {
        {-1, ""}, {0, ""}, {1, "a"}, {2, "a"}, {3, "aあ"}, {4, "aあb"},
        {5, "aあb"}, {6, "aあbい"}, {7, kMixed}, {100, kMixed},
    };
    for (const auto& [count, expected] : cases)
        EXPECT_EQ(vd::cp932Left(kMixed, count), expected) << count;
}

TEST(Cp932Text, MidIsClampedAndNeverSplitsACharacter)
{
    struct Case {
        int first, count;
        std::string expected;
    };
    const Case cases[] = {
        {0, 3, "aあ"}, {1, 2, "あ"}, {1, 1, ""}, {2, 2, "b"}, {2, 3, "b"}, {2, 4, "bい"},
        {-5, 3, "aあ"}, {3, -1, ""}, {6, 5, "c"}, {7, 1, ""}, {100, 5, ""}, {1, INT_MAX, "あbいc"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(vd::cp932Mid(kMixed, c.first, c.count), c.expected) << c.first << "," << c.count;

    const std::pair<int, std::string> toEnd[] = {
        {-3, kMixed}, {0, kMixed}, {1, "あbいc"}, {2, "bいc"}, {5, "c"}, {7, ""}, {50, ""},
    };
    for (const auto& [first, expected] : toEnd)
        EXPECT_EQ(vd::cp932Mid(kMixed, first), expected) << first;
}

TEST(Cp932Text, RightNeverSplitsACharacter)
{
    const std::pair<int, std::string> cases[] = {
        {-1, ""}, {0, ""}, {1, "c"}, {2, "c"}, {3, "いc"}, {4, "bいc"},
        {5, "bいc"}, {6, "あbいc"}, {7, kMixed}, {99, kMixed},
    };
    for (const auto& [count, expected] : cases)
        EXPECT_EQ(vd::cp932Right(kMixed, count), expected) << count;
}

TEST(Cp932Text, PadCountsCp932Bytes)
{
    EXPECT_EQ(vd::cp932Pad("表", 6), "表    ");
    EXPECT_EQ(vd::cp932Pad("表", 6, vd::Justify::Right), "    表");
    EXPECT_EQ(vd::cp932Pad("ｱｲ", 4), "ｱｲ  ");
    EXPECT_EQ(vd::cp932Pad("表ソ", 4), "表ソ");
    EXPECT_EQ(vd::cp932Pad("表ソ", 3), "表ソ"); // wider texts are never cut
    EXPECT_EQ(vd::cp932Pad("", 3, vd::Justify::Right), "   ");
    EXPECT_EQ(vd::cp932Pad("ab", -4), "ab");
}

TEST(Cp932Text, PositionsConvertBetweenUtf8AndCp932)
{
    EXPECT_EQ(vd::utf8Position(kMixed, 0), 0u);
    EXPECT_EQ(vd::utf8Position(kMixed, 1), 1u);
    EXPECT_EQ(vd::utf8Position(kMixed, 2), 4u); // inside "あ": the next character, "b"
    EXPECT_EQ(vd::utf8Position(kMixed, 3), 4u);
    EXPECT_EQ(vd::utf8Position(kMixed, 7), kMixed.size());
    EXPECT_EQ(vd::cp932Position(kMixed, 4), 3);
    EXPECT_EQ(vd::cp932Position(kMixed, kMixed.size()), 7);
}

TEST(Cp932Chars, YieldsEachCharacterWithItsCp932Form)
{
    struct Expected {
        std::string utf8;
        std::string cp932;
        int offset;
    };
    const std::vector<Expected> expected = {
        {"a", "a", 0}, {"表", "\x95\x5C", 1}, {"ｱ", "\xB1", 3}, {"ポ", "\x83\x7C", 4},
        {"é", "?", 6}, {"\\", "\\", 7}, {"\xE3\x81", "?", 8}, {"z", "z", 9},
    };
    const std::string text = "a表ｱポé\\\xE3\x81z";
    std::size_t i = 0;
    for (const vd::Cp932Char& c : vd::Cp932Chars(text)) {
        ASSERT_LT(i, expected.size());
        EXPECT_EQ(c.utf8, expected[i].utf8) << i;
        EXPECT_EQ(c.cp932(), expected[i].cp932) << i;
        EXPECT_EQ(c.width, static_cast<int>(expected[i].cp932.size())) << i;
        EXPECT_EQ(c.isDoubleByte(), c.width == 2) << i;
        EXPECT_EQ(c.offset, expected[i].offset) << i;
        ++i;
    }
    EXPECT_EQ(i, expected.size());
    EXPECT_EQ(vd::Cp932Chars("").begin(), vd::Cp932Chars("").end());
}

// The "two bytes at a time" walk: unit i is CP932 bytes 2i and 2i + 1, which is a whole
// character exactly when a double-byte character starts at an even offset.
TEST(Cp932Chars, OffsetsShowHowTwoByteUnitsFall)
{
    std::vector<std::string> wholeUnits;
    for (const vd::Cp932Char& c : vd::Cp932Chars("あいaうえ"))
        if (c.isDoubleByte() && c.offset % 2 == 0)
            wholeUnits.emplace_back(c.utf8);
    EXPECT_EQ(wholeUnits, (std::vector<std::string>{"あ", "い"}));
}

} // namespace
