#include "platform/fs/RawFields.h"
#include "platform/fs/TextReader.h"
#include "platform/text/Cp932.h"
#include "platform/text/Numbers.h"
#include "tests/platform/fs/FsTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using vd::test::scratchFolder;
using vd::test::win;
using vd::test::writeBytes;
using Lines = std::vector<std::string>;

namespace {

Lines readAll(const std::string& bytes, bool raw = false)
{
    const auto path = scratchFolder() / "lines.txt";
    writeBytes(path, bytes);
    vd::TextReader reader;
    EXPECT_TRUE(reader.open(win(path)));
    Lines lines;
    std::string line;
    while (raw ? reader.readRawLine(line) : reader.readLine(line))
        lines.push_back(line);
    EXPECT_FALSE(reader.failed());
    return lines;
}

TEST(TextReader, SplitsLinesAtEveryKindOfEnd)
{
    struct Case {
        std::string bytes;
        Lines lines;
    };
    const std::vector<Case> cases = {
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb\n", {"a", "b"}},
        {"a\r\nb", {"a", "b"}}, // no final line end
        {"a\r\nb\r", {"a", "b"}},
        {"", {}},
        {"\r\n", {""}},
        {"a\n\r\n\nb", {"a", "", "", "b"}},
        {"a\rb\r\n", {"a\rb"}}, // a lone CR is text
        {"a\r\r\n", {"a\r"}},
        {"a\r\nb\r\n\x1A", {"a", "b"}}, // Ctrl-Z ends the text, as in the old text mode
        {"a\r\nb\x1A\r\nc\r\n", {"a", "b"}},
        {"\x1A" "a\r\n", {}},
        {"\x95\x5C\r\n\x83\x5C\x83\x7C\r\n", {"表", "ソポ"}}, // second bytes 0x5C and 0x7C
        {"\xB6\xC0\xB6\xC5\n", {"ｶﾀｶﾅ"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(readAll(c.bytes), c.lines) << testing::PrintToString(c.bytes);
}

TEST(TextReader, ReadsALineOfAHundredThousandBytes)
{
    std::string longLine;
    for (int i = 0; i < 50'000; ++i)
        longLine += "\x95\x5C"; // 表
    const Lines raw = readAll(longLine + "\r\nend", true);
    ASSERT_EQ(raw.size(), 2u);
    EXPECT_EQ(raw[0].size(), 100'000u);
    EXPECT_EQ(raw[0], longLine);
    EXPECT_EQ(raw[1], "end");

    const Lines text = readAll(std::string(99'999, 'x') + "\xB1" + "\nend\n");
    ASSERT_EQ(text.size(), 2u);
    EXPECT_EQ(text[0], std::string(99'999, 'x') + "ｱ");
}

TEST(TextReader, KeepsRawBytesAndSeeksByOffset)
{
    // "ソ" (83 5C) and an NEC-selected code (ED 40) that does not survive a round trip.
    const std::string nec = "\xED\x40";
    const Lines text = readAll("\x83\x5C" + nec + "\r\n");
    ASSERT_EQ(text.size(), 1u);
    EXPECT_EQ(text[0].substr(0, 3), "ソ");
    const Lines bytes = readAll("\x83\x5C" + nec + "\r\n", true);
    EXPECT_EQ(bytes, (Lines{"\x83\x5C" + nec}));

    // Fixed-length records found by offset.
    const auto path = scratchFolder() / "records.txt";
    writeBytes(path, "0001,aaaa\r\n0002,bbbb\r\n0003,cccc\r\n");
    vd::TextReader reader;
    ASSERT_TRUE(reader.open(win(path)));
    std::string line;
    ASSERT_TRUE(reader.readLine(line));
    EXPECT_EQ(reader.position(), 11u);
    ASSERT_TRUE(reader.seek(22));
    ASSERT_TRUE(reader.readLine(line));
    EXPECT_EQ(line, "0003,cccc");
    EXPECT_FALSE(reader.readLine(line));
    ASSERT_TRUE(reader.seek(3));
    ASSERT_TRUE(reader.readLine(line));
    EXPECT_EQ(line, "1,aaaa");
}

// Lines read in place, and a whole file's raw lines, are the lines copied: every kind of line
// end, the end mark, and lines that cross the edge of the 64 KB read buffer.
TEST(TextReader, ReadsTheSameLinesInPlace)
{
    std::string crossing;
    for (int i = 0; crossing.size() < 200'000; ++i)
        crossing += std::string(std::size_t(i * 37 % 1500), char('a' + i % 26)) + (i % 3 ? "\r\n" : "\n");
    for (const std::string& bytes : {std::string("a\r\nb\r"), std::string("a\n\r\n\nb"), std::string("a\r\r\n"),
                                     std::string("a\r\nb\x1A\r\nc\r\n"), std::string("\x1A" "a\r\n"), std::string(),
                                     crossing + "\x1A\r\nafter", crossing + "end"}) {
        const Lines copied = readAll(bytes, true);
        vd::TextReader reader;
        ASSERT_TRUE(reader.open(win(scratchFolder() / "lines.txt")));
        Lines inPlace;
        std::string_view line;
        while (reader.readRawLine(line))
            inPlace.emplace_back(line);
        EXPECT_EQ(inPlace, copied) << bytes.size() << " bytes";
        EXPECT_EQ(vd::readRawTextLines(win(scratchFolder() / "lines.txt")), copied) << bytes.size() << " bytes";
    }
}

// Field numbers by digit arithmetic read as parseInt reads them.
TEST(RawFields, NumbersOfFieldsAsParseIntReadsThem)
{
    const std::string line = "M    5339  -12 +7x 12345678901 \t9";
    for (int start = -2; start <= int(line.size()) + 1; ++start)
        for (int length : {-1, 0, 1, 2, 4, 9, 10, 12})
            EXPECT_EQ(vd::rawFieldInt(line, start, length), vd::parseInt(vd::rawField(line, start, length)))
                << start << "," << length;
}

TEST(TextReader, RefusesWhatIsNotAReadableFile)
{
    vd::TextReader reader;
    EXPECT_FALSE(reader.open(win(scratchFolder() / "missing.txt")));
    EXPECT_FALSE(reader.open(win(scratchFolder())));
    std::string line;
    EXPECT_FALSE(reader.readLine(line));
    EXPECT_FALSE(vd::readTextLines(win(scratchFolder() / "missing.txt")));
    EXPECT_FALSE(vd::readRawTextLines(win(scratchFolder() / "missing.txt")));

    writeBytes(scratchFolder() / "LIST.DAT", vd::utf8ToCp932("一\r\n二\r\n"));
    EXPECT_EQ(vd::readTextLines(win(scratchFolder()) + "\\list.dat"), (Lines{"一", "二"}));
    EXPECT_EQ(vd::readRawTextLines(win(scratchFolder()) + "\\list.dat"),
              (Lines{vd::utf8ToCp932("一"), vd::utf8ToCp932("二")}));
}

// A municipality record: code (5 bytes), name (10 bytes, padded with blanks), prefecture
// (6 bytes), population (8 bytes). Columns are byte columns of the CP932 line.
TEST(RawFields, CutsColumnsOnTheRawBytes)
{
    const std::string record = vd::utf8ToCp932("01101札幌市    北海道 1973395");
    ASSERT_EQ(record.size(), 5u + 10u + 6u + 8u);
    struct Case {
        int start;
        int length;
        std::string text;
    };
    const std::vector<Case> cases = {
        {0, 5, "01101"},
        {5, 10, "札幌市    "},
        {15, 6, "北海道"},
        {21, 8, " 1973395"},
        {21, -1, " 1973395"},
        {25, 100, "3395"},    // cut short at the end of the line
        {40, 5, ""},          // past the end
        {-3, 5, "01101"},
        {6, 2, "D\xEF\xBF\xBD"}, // a cut through characters: a stray trail byte reads as ASCII, a lone lead as U+FFFD
    };
    for (const Case& c : cases)
        EXPECT_EQ(vd::textField(record, c.start, c.length), c.text) << c.start << "," << c.length;
    EXPECT_EQ(vd::rawField(record, 15, 6), "\x96\x6B\x8A\x43\x93\xB9");
}

} // namespace
