#include "platform/text/Cp932Chars.h"
#include "platform/text/Cp932Text.h"
#include "platform/text/Cp932Wrap.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string repeat(std::string_view piece, int times)
{
    std::string out;
    for (int i = 0; i < times; ++i)
        out += piece;
    return out;
}

std::string blanks(int n)
{
    return std::string(static_cast<std::size_t>(n), ' ');
}

bool endsWithDoubleByte(const std::string& line)
{
    int last = 0;
    for (const vd::Cp932Char& c : vd::Cp932Chars(line))
        last = c.width;
    return last == 2;
}

struct WrapCase {
    const char* what;
    std::string text;
    int width;
    std::vector<std::string> lines;
};

TEST(Cp932Wrap, CutsAtTheWidthAndCarriesAStraddlingCharacter)
{
    const std::string a77 = repeat("a", 77);
    const WrapCase cases[] = {
        {"empty: one line of blanks", "", 78, {blanks(78)}},
        {"short text padded", "表ｱb", 78, {"表ｱb" + blanks(74)}},
        {"exactly 78 bytes: a second, blank line", repeat("a", 78), 78, {repeat("a", 78), blanks(78)}},
        {"79 bytes", repeat("a", 79), 78, {repeat("a", 78), "a" + blanks(77)}},
        {"lead byte in column 76: ends the line", repeat("a", 76) + "表xyz", 78,
         {repeat("a", 76) + "表", "xyz" + blanks(75)}},
        {"lead byte in column 77: 79-byte line", a77 + "表bc", 78, {a77 + "表", "bc" + blanks(76)}},
        {"lead byte in column 77 at the end", a77 + "表", 78, {a77 + "表", blanks(78)}},
        {"half-width katakana in column 77", a77 + "ｱ表", 78, {a77 + "ｱ", "表" + blanks(76)}},
        {"kanji at even offsets never straddle", repeat("表", 78), 78,
         {repeat("表", 39), repeat("表", 39), blanks(78)}},
        {"kanji at odd offsets straddle every line", "a" + repeat("表", 78), 78,
         {"a" + repeat("表", 39), repeat("表", 39), blanks(78)}},
        {"a carry shifts the later lines by one byte", a77 + "表" + repeat("b", 80), 78,
         {a77 + "表", repeat("b", 78), "bb" + blanks(76)}},
        // The tag panel: 74 bytes a line.
        {"76 bytes", repeat("c", 76), 74, {repeat("c", 74), "cc" + blanks(72)}},
        {"148 bytes", repeat("c", 148), 74, {repeat("c", 74), repeat("c", 74), blanks(74)}},
        {"double-byte character at bytes 74 and 75", repeat("c", 73) + "ポd", 74,
         {repeat("c", 73) + "ポ", "d" + blanks(73)}},
    };
    for (const WrapCase& c : cases)
        EXPECT_EQ(vd::cp932Wrap(c.text, c.width), c.lines) << c.what;
}

// After a line that took a 79th byte, a line beginning with a single-byte character followed by
// kanji whose second byte is a lead-byte value ("日" is 0x93 0xFA) used to lose track of the
// character boundaries and split the character in column 77; every character stays whole.
TEST(Cp932Wrap, LineAfterACarryKeepsCharactersWhole)
{
    const std::string text = repeat("a", 77) + "表" + "A" + repeat("日", 40);
    const std::vector<std::string> lines = vd::cp932Wrap(text, 78);
    const std::vector<std::string> expected = {
        repeat("a", 77) + "表", "A" + repeat("日", 39), "日" + blanks(76)};
    EXPECT_EQ(lines, expected);
}

// Every length across three lines and every phase of double-byte characters: the line count,
// each line's width and the text itself are kept.
TEST(Cp932Wrap, KeepsTheTextAtEveryBoundary)
{
    const std::string patterns[] = {"表", "a表", "ｱ表b", "表表ｱ", "日A"};
    for (const int width : {74, 78}) {
        for (const std::string& pattern : patterns) {
            std::string text;
            while (vd::cp932Width(text) < 3 * width + 4) {
                const std::vector<std::string> lines = vd::cp932Wrap(text, width);
                const int n = vd::cp932Width(text);
                ASSERT_EQ(static_cast<int>(lines.size()), n / width + 1) << pattern << " " << n;
                std::string joined;
                for (const std::string& line : lines) {
                    const int w = vd::cp932Width(line);
                    EXPECT_TRUE(w == width || (w == width + 1 && endsWithDoubleByte(line)))
                        << pattern << " " << n << ": " << line;
                    joined += line;
                }
                // The padding is blanks only after the text's end.
                EXPECT_EQ(joined.substr(0, text.size()), text) << pattern << " " << n;
                EXPECT_EQ(joined.find_first_not_of(' ', text.size()), std::string::npos) << pattern << " " << n;
                text += pattern;
            }
        }
    }
}

} // namespace
