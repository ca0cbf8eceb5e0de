// The conversion of one published file, byte for byte against hand-built boundary files, and the
// damaged sources that must end without hanging or writing a truncated file.
#include "municipal/conversion/SourceFileConversion.h"
#include "municipal/conversion/SourceRecords.h"
#include "platform/sys/ApplicationFolder.h"
#include "tests/municipal/conversion/SourceFixtures.h"
#include "tests/support/FileSizeLimit.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace fixtures;
using municipal::SourceTheme;

namespace {

std::string Home(const std::string& name)
{
    return (vd::applicationFolderPath() / name).string();
}

std::string WinHome(const std::string& name)
{
    return vd::applicationFolder() + name;
}

// Converts the text and gives the bytes written.
std::string Convert(const std::string& text, SourceTheme theme, municipal::FileConversionResult* result = nullptr)
{
    WriteFile(Home("source.txt"), text);
    const auto r = municipal::ConvertSourceFile(WinHome("source.txt"), WinHome("out.dat"), theme);
    if (result)
        *result = r;
    return ReadFile(Home("out.dat"));
}

} // namespace

TEST(SourceFileConversion, FixturesConvertToTheHandBuiltFiles)
{
    municipal::SourceHeader header;
    WriteFile(Home("n03.txt"), AdministrativeFixture());
    const auto result = municipal::ConvertSourceFile(WinHome("n03.txt"), WinHome("Pg.dat"), SourceTheme::AdministrativeArea,
                                                     [&](const municipal::SourceHeader& h) { header = h; });
    EXPECT_TRUE(result.written);
    EXPECT_EQ(ReadFile(Home("Pg.dat")), ExpectedAdministrativeFile());
    EXPECT_EQ(header.allData, 9);
    EXPECT_EQ(header.links, 4);
    EXPECT_EQ(header.areas, 3);
    EXPECT_EQ(header.ledger, 3);

    EXPECT_EQ(Convert(CoastlineFixture(), SourceTheme::Coastline), ExpectedCoastlineFile());
}

TEST(SourceFileConversion, DamagedSourcesEndAtTheFileEnd)
{
    const std::string noAreas = Record("999", 81);
    struct Case {
        const char* what;
        std::string text;
        std::string expected;
    } cases[] = {
        {"truncated link, no D", Text({"h", Header(1, 1, 0, 0), LinkRecord(1, 1, 12), Points({{1, 2}})}), noAreas},
        {"absurd count reads what exists",
         Text({"h", "h", LinkRecord(1, 1, 999999999), Points({{1, 2}}), AreaRecord(25201, 1), References({{1, 1}})}),
         noAreas},
        {"negative count reads no line",
         Text({"h", "h", LinkRecord(1, 1, -3), AreaRecord(25201, 1), References({{1, 1}}), "D"}),
         noAreas + Record("25201", 10) + Int32s({{999, 999}})},
        {"non-numeric columns read 0",
         Text({"h", "h", Line({{0, "L"}, {3, "abcdef"}, {27, "x"}, {46, "?"}}), Points({{7, 8}}),
               Line({{0, "A"}, {35, "code"}, {45, "many"}}), References({{0, 1}}), "D"}),
         noAreas + Record("00000", 10) + Int32s({{999, 999}})},
        {"truncated area", Text({"h", "h", LinkRecord(1, 1, 1), Points({{1, 2}}), AreaRecord(25201, 12)}),
         noAreas + Record("25201", 10) + Int32s({{999, 999}})},
        {"empty file", "", noAreas},
    };
    for (const Case& c : cases) {
        municipal::FileConversionResult result;
        EXPECT_EQ(Convert(c.text, SourceTheme::AdministrativeArea, &result), c.expected) << c.what;
        EXPECT_TRUE(result.written) << c.what;
    }
}

TEST(SourceFileConversion, SourceLinesAreCutAndPiecesEndTheLink)
{
    WriteFile(Home("long.txt"), std::string(300, 'x') + "\r\nshort\r\n");
    municipal::SourceLineReader reader;
    ASSERT_TRUE(reader.open(WinHome("long.txt")));
    std::string line;
    ASSERT_TRUE(reader.next(line));
    EXPECT_EQ(line.size(), 199u);
    ASSERT_TRUE(reader.next(line));
    EXPECT_EQ(line, "short");

    struct Case {
        std::string line;
        std::vector<municipal::BoundaryPoint> points;
        bool open;
    } cases[] = {
        {Points({{1, 2}, {3, 4}, {5, 6}, {7, 8}, {9, 10}}) + Points({{11, 12}}),
         {{1, 2}, {3, 4}, {5, 6}, {7, 8}, {9, 10}}, true}, // past 80 bytes nothing counts
        {Points({{1, 2}, {0, 0}, {3, 4}}), {{1, 2}}, false},
        {Points({{1, 2}, {0, 5}}), {{1, 2}, {0, 5}}, false}, // one zero is a point; the line then ends
        {Points({{1, 2}}) + std::string(16, ' ') + Points({{3, 4}}), {{1, 2}}, false},
        {"", {}, false},
    };
    for (const Case& c : cases) {
        std::vector<municipal::BoundaryPoint> points;
        EXPECT_EQ(municipal::AppendLinkPoints(c.line, points), c.open) << c.line;
        EXPECT_EQ(points, c.points) << c.line;
    }

    EXPECT_EQ(municipal::FollowingLineCount(0), 1);
    EXPECT_EQ(municipal::FollowingLineCount(5), 1);
    EXPECT_EQ(municipal::FollowingLineCount(6), 2);
    EXPECT_EQ(municipal::FollowingLineCount(-1), 0);
    EXPECT_EQ(municipal::LinkKey(SourceTheme::AdministrativeArea, 12, -3), "1203");
    EXPECT_EQ(municipal::LinkKey(SourceTheme::Coastline, 12, -3), "12-03");
    EXPECT_EQ(municipal::LinkKey(SourceTheme::Coastline, 12, 3), "12003");
}

TEST(SourceFileConversion, AFailedWriteKeepsTheEarlierFile)
{
    WriteFile(Home("n03.txt"), AdministrativeFixture());
    const std::string earlier = "an earlier complete file";
    WriteFile(Home("Pg.dat"), earlier);
    {
        testsupport::FileSizeLimit limit(100);
        EXPECT_FALSE(
            municipal::ConvertSourceFile(WinHome("n03.txt"), WinHome("Pg.dat"), SourceTheme::AdministrativeArea).written);
    }
    EXPECT_EQ(ReadFile(Home("Pg.dat")), earlier);
    EXPECT_FALSE(
        municipal::ConvertSourceFile(WinHome("n03.txt"), WinHome("nowhere\\Pg.dat"), SourceTheme::AdministrativeArea)
            .written);
}

TEST(SourceFileConversion, LinksAndAreasBeyondTheTablesAreRefusedAndCounted)
{
    std::vector<std::string> lines{"h", "h"};
    for (int link = 1; link <= 20002; ++link) {
        lines.push_back(LinkRecord(link, 1, 1));
        lines.push_back(Points({{link, 1}}));
    }
    lines.push_back(AreaRecord(25201, 2));
    lines.push_back(References({{20000, 1}, {20001, 1}}));
    lines.push_back("D");
    municipal::FileConversionResult result;
    const std::string bytes = Convert(Text(lines), SourceTheme::AdministrativeArea, &result);
    EXPECT_EQ(result.refusedLinks, 2);
    EXPECT_EQ(bytes, Record("999", 81) + Record("25201", 10) + Int32s({{20000, 1}, {999, 999}}));

    lines.assign({"h", "h"});
    for (int i = 0; i < municipal::kAreaCodeLimit + 3; ++i)
        lines.push_back(AreaRecord(i + 1, -1));
    Convert(Text(lines), SourceTheme::AdministrativeArea, &result);
    EXPECT_EQ(result.refusedAreaCodes, 3);
}
