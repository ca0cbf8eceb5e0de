#include "platform/text/StringOps.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(StringOps, FindGivesCp932PositionsOrMinusOne)
{
    struct Case {
        std::string text, what;
        int start, expected;
    };
    const Case cases[] = {
        {"aあbあ", "あ", 0, 1}, {"aあbあ", "あ", 1, 1}, {"aあbあ", "あ", 2, 4}, {"aあbあ", "あ", 3, 4},
        {"aあbあ", "b", -4, 3}, {"aあbあ", "あ", 5, -1}, {"aあbあ", "x", 0, -1},
        {"表\\", "\\", 0, 2},     // the second byte of "表" is 0x5C but never a "\"
        {"ソ表ポ", "\\", 0, -1}, {"ソ表ポ", "|", 0, -1},
        {"abc", "", 0, 0}, {"abc", "", 2, 2}, {"abc", "", 3, 3}, {"abc", "", 4, -1}, {"abc", "c", 99, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(vd::cp932Find(c.text, c.what, c.start), c.expected) << c.text << " " << c.what << " " << c.start;
}

TEST(StringOps, ReverseFindGivesTheLastCp932Position)
{
    EXPECT_EQ(vd::cp932ReverseFind("Z:\\表\\ソ.DAT", "\\"), 5);
    EXPECT_EQ(vd::cp932ReverseFind("Z:\\表\\ソ.DAT", "."), 8);
    EXPECT_EQ(vd::cp932ReverseFind("ソ表", "\\"), -1);
    EXPECT_EQ(vd::cp932ReverseFind("都道府県", "府"), 4);
    EXPECT_EQ(vd::cp932ReverseFind("abc", ""), -1);
}

TEST(StringOps, ReplaceAllCountsReplacements)
{
    struct Case {
        std::string text, from, to, expected;
        int count;
    };
    const Case cases[] = {
        {"a|b|c", "|", "/", "a/b/c", 2},  {"aaa", "aa", "b", "ba", 1},
        {"表ソ", "\\", "/", "表ソ", 0},     {"東京都", "京", "北", "東北都", 1},
        {"abc", "", "x", "abc", 0},       {"abab", "ab", "", "", 2},
    };
    for (Case c : cases) {
        EXPECT_EQ(vd::replaceAll(c.text, c.from, c.to), c.count) << c.expected;
        EXPECT_EQ(c.text, c.expected);
    }
}

TEST(StringOps, TrimRemovesBlanksOrGivenCharacters)
{
    EXPECT_EQ(vd::trimLeft("  a b \t\r\n"), "a b \t\r\n");
    EXPECT_EQ(vd::trimRight("  a b \t\r\n"), "  a b");
    EXPECT_EQ(vd::trim("\v a b \f"), "a b");
    EXPECT_EQ(vd::trim(" \t "), "");
    EXPECT_EQ(vd::trim("　a　"), "　a　"); // a full-width blank is not white space
    EXPECT_EQ(vd::trimLeft("　 　名前 ", " 　"), "名前 ");
    EXPECT_EQ(vd::trimRight("名前 　 ", " 　"), "名前");
    EXPECT_EQ(vd::trimRight("ソ\\", "\\"), "ソ");
    EXPECT_EQ(vd::trimLeft("xx", "x"), "");
}

TEST(StringOps, CaseChangesOnlySingleByteLetters)
{
    EXPECT_EQ(vd::toLowerAscii("ABC.Dat 表ＡＢｱｲ"), "abc.dat 表ＡＢｱｲ");
    EXPECT_EQ(vd::toUpperAscii("abc.dat 表ａｂｱｲ"), "ABC.DAT 表ａｂｱｲ");
}

} // namespace
