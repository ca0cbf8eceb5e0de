#include "platform/text/Cp932.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Conversion {
    const char* utf8;
    const char* cp932;
};

// Characters that come back as they went: half-width katakana, the wave dash, characters whose
// second byte is "\" (0x5C) or "|" (0x7C), NEC row 13, the IBM extensions, the user-defined area.
TEST(Cp932, RoundTripsEveryKindOfCharacter)
{
    const Conversion cases[] = {
        {"abc 123", "abc 123"},
        {"ｱｲｳﾞｰ", "\xB1\xB2\xB3\xDE\xB0"},
        {"～", "\x81\x60"},
        {"ソ", "\x83\x5C"},
        {"表", "\x95\x5C"},
        {"ポ", "\x83\x7C"},
        {"\\~", "\x5C\x7E"},
        {"Ⅰ㈱№", "\x87\x54\x87\x8A\x87\x82"},
        {"ⅰ纊", "\xFA\x40\xFA\x5C"},
        {"\xEE\x80\x80", "\xF0\x40"}, // U+E000, the first user-defined code
        {"表ソポ～ｱｲｳ abc", "\x95\x5C\x83\x5C\x83\x7C\x81\x60\xB1\xB2\xB3 abc"},
        {"", ""},
    };
    for (const Conversion& c : cases) {
        EXPECT_EQ(vd::utf8ToCp932(c.utf8), c.cp932) << c.utf8;
        EXPECT_EQ(vd::cp932ToUtf8(c.cp932), c.utf8) << c.utf8;
    }
}

// glibc maps the NEC-selected IBM extensions and the duplicates of NEC row 13 to one character
// each, written back in one form: such bytes read correctly but are rewritten differently.
TEST(Cp932, DuplicateCodesReadAsOneCharacterAndWriteOneForm)
{
    struct Duplicate {
        const char* read;
        const char* utf8;
        const char* written;
    };
    const Duplicate cases[] = {
        {"\xED\x40", "纊", "\xFA\x5C"}, // NEC-selected IBM extension -> IBM extension
        {"\xEE\xEF", "ⅰ", "\xFA\x40"},
        {"\xEE\xF9", "￢", "\x81\xCA"}, // -> JIS X 0208
        {"\xFA\x54", "￢", "\x81\xCA"},
        {"\xFA\x4A", "Ⅰ", "\x87\x54"}, // IBM extension -> NEC row 13
        {"\xFA\x58", "㈱", "\x87\x8A"},
        {"\xFA\x5B", "∵", "\x81\xE6"},
        {"\x87\x9A", "∵", "\x81\xE6"}, // NEC row 13 -> JIS X 0208
        {"\x87\x90", "≒", "\x81\xE0"},
    };
    for (const Duplicate& c : cases) {
        EXPECT_EQ(vd::cp932ToUtf8(c.read), c.utf8) << c.utf8;
        EXPECT_EQ(vd::utf8ToCp932(c.utf8), c.written) << c.utf8;
    }
}

TEST(Cp932, InvalidBytesReadAsReplacementCharacters)
{
    const Conversion cases[] = {
        {"\xEF\xBF\xBD", "\x80"},
        {"\xEF\xBF\xBD", "\xA0"},
        {"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD", "\xFD\xFE\xFF"},
        {"a\xEF\xBF\xBD" "b", "a\x85\x40" "b"},   // an unassigned pair is one character
        {"\xEF\xBF\xBD", "\xEF\x40"},
        {"\xEF\xBF\xBD", "\xFC\x4C"},
        {"\xEF\xBF\xBD x", "\x81\x20x"},            // a stray lead byte keeps the blank after it
        {"A\xEF\xBF\xBD", "A\x81"},                 // a lead byte at the end
        {"表\xEF\xBF\xBD表", "\x95\x5C\x80\x95\x5C"},
    };
    for (const Conversion& c : cases)
        EXPECT_EQ(vd::cp932ToUtf8(c.cp932), c.utf8) << c.utf8;
}

TEST(Cp932, CharactersCp932CannotHoldAreWrittenAsQuestionMarks)
{
    const Conversion cases[] = {
        {"café", "caf?"},
        {"😀!", "?!"},
        {"\xE3\x81" "A", "?A"},   // a cut UTF-8 sequence keeps the ASCII after it
        {"\x80\xFF", "??"},       // stray bytes
        {"\xC0\xAF", "??"},       // an overlong "/" never becomes a path separator
        {"\xED\xA0\x80", "???"}, // an encoded surrogate
        {"¥‾", "\x5C\x7E"},       // written as their single-byte look-alikes
        {"〜−", "\x81\x60\x81\x7C"},
    };
    for (const Conversion& c : cases)
        EXPECT_EQ(vd::utf8ToCp932(c.utf8), c.cp932) << c.utf8;
}

// Longer than the converter's buffer, with an invalid byte beyond it.
TEST(Cp932, LongTextsConvertWhole)
{
    std::string utf8, cp932;
    for (int i = 0; i < 20000; ++i) {
        utf8 += "表ｱa";
        cp932 += "\x95\x5C\xB1" "a";
    }
    EXPECT_EQ(vd::utf8ToCp932(utf8), cp932);
    EXPECT_EQ(vd::cp932ToUtf8(cp932), utf8);
    EXPECT_EQ(vd::cp932ToUtf8(cp932 + "\x80z"), utf8 + "\xEF\xBF\xBDz");
}

} // namespace
