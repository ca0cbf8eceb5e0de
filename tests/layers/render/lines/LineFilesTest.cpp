#include "layers/render/lines/LineLayerData.h"
#include "layers/render/lines/LineRecordFile.h"
#include "layers/render/lines/RoadLedgerFile.h"
#include "tests/layers/render/LayerFixtures.h"

#include <gtest/gtest.h>

namespace {

using layers_test::LayerFolder;
using layers_test::LedgerLine;
using layers_test::LineHeader;

struct ReadRecord {
    int roadNumber = 0;
    std::vector<std::pair<int, int>> points;
    friend bool operator==(const ReadRecord&, const ReadRecord&) = default;
};

std::vector<ReadRecord> ReadAll(const std::string& path)
{
    LineRecordReader reader;
    EXPECT_TRUE(reader.open(path));
    std::vector<ReadRecord> records;
    LineRecordHeader header;
    while (reader.nextRecord(header)) {
        ReadRecord r{header.roadNumber, {}};
        LinePoint p;
        for (int i = 0; i < header.pointCount && reader.nextPoint(p); ++i)
            r.points.emplace_back(p.longitudeTenths, p.latitudeTenths);
        records.push_back(r);
    }
    return records;
}

TEST(LineRecordFile, RecordsOverAnyNumberOfLines)
{
    LayerFolder folder;
    // An over-long comment line whose "S" lies past column 98 ends nothing; LF-only lines too.
    const std::string longLine = "C" + std::string(120, ' ') + "S";
    folder.WriteBytes("13.txt", "H header\r\n" + longLine + "\r\n" + LineHeader(3, 13001) + "\r\n1 2 3\n 4\t5 6 99 99\r\n" +
                                    "X ignored\r\n" + LineHeader(0) + "\r\n" + LineHeader(-5) + "\r\n" +
                                    LineHeader(1, 2) + "\r\n7 x8\r\nS\r\n" + LineHeader(1) + "\r\n1 1\r\n");
    EXPECT_EQ(ReadAll(folder.Windows() + "13.txt"),
              (std::vector<ReadRecord>{{13001, {{1, 2}, {3, 4}, {5, 6}}}, {0, {}}, {0, {}}, {2, {{7, 0}}}}));
}

TEST(LineRecordFile, TheFileEndEndsARecord)
{
    LayerFolder folder;
    // An absurd count reads what is there; a last line without its end is read.
    folder.WriteBytes("14.txt", LineHeader(2000000000) + "\r\n10 20 30");
    EXPECT_EQ(ReadAll(folder.Windows() + "14.txt"), (std::vector<ReadRecord>{{0, {{10, 20}}}}));
    folder.WriteBytes("15.txt", "");
    EXPECT_TRUE(ReadAll(folder.Windows() + "15.txt").empty());
    LineRecordReader reader;
    EXPECT_FALSE(reader.open(folder.Windows() + "16.txt"));
}

TEST(LineRecordFile, EveryValueReadsAsAtoiReadsIt)
{
    // Plain digits of up to nine places are read as they are scanned; signs, longer runs, letters
    // and digits cut by a letter fall back to atoi's reading.
    LayerFolder folder;
    folder.WriteBytes("17.txt", LineHeader(5) + "\r\n007 123456789 1234567890 99999999999 -12 +7\r\n12a 3x4 0 9\r\n");
    EXPECT_EQ(ReadAll(folder.Windows() + "17.txt"),
              (std::vector<ReadRecord>{
                  {0, {{7, 123456789}, {1234567890, 2147483647}, {-12, 7}, {12, 3}, {0, 9}}}}));
}

TEST(RoadLedger, GroupsOfTheClassTable)
{
    struct Case {
        int number;
        std::optional<std::size_t> slot;
    } cases[] = {
        {0, 0},          {999, 999},       {1000, 1000},     {13001, 13001},    {47999, 47999},
        {48000, {}},     {69999, {}},      {70000, 48000},   {79999, 48999},    {80000, 49000},
        {89999, 49999},  {90000, 0},       {99999, 999},     {100000, {}},      {-1, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RoadClassTable::Slot(c.number), c.slot) << c.number;
}

TEST(RoadLedger, ReadsDlLinesUpToFourThousand)
{
    LayerFolder folder;
    std::vector<std::string> lines{"; ledger", LedgerLine(13001, 1), "XL 0000013002  2", LedgerLine(13002, 2),
                                   LedgerLine(55000, 1), LedgerLine(70005, 2), LedgerLine(-3, 1)};
    while (lines.size() < 4002)
        lines.push_back(LedgerLine(20000, 3));
    lines.push_back(LedgerLine(13003, 1)); // the 4001st "DL" line
    folder.WriteLines("W05台.TXT", lines);
    RoadClassTable table;
    ASSERT_TRUE(ReadRoadLedgerFile(folder.Windows() + "W05台.TXT", table));
    EXPECT_EQ(table.ClassOf(13001), 1);
    EXPECT_EQ(table.ClassOf(13002), 2);
    EXPECT_EQ(table.ClassOf(70005), 2);
    EXPECT_EQ(table.ClassOf(20000), 3);
    EXPECT_EQ(table.ClassOf(13003), 7);
    EXPECT_EQ(table.ClassOf(55000), 7); // no place in the table
    EXPECT_EQ(table.ClassOf(-3), 7);
    EXPECT_EQ(table.ClassOf(13999), 7);
    EXPECT_FALSE(ReadRoadLedgerFile(folder.Windows() + "none台.TXT", table));
}

TEST(LineDataBase, FolderAndStem)
{
    EXPECT_EQ(LineDataBase("d:\\ksj\\w05\\(W05-07L-13.txt)"), "d:\\ksj\\w05\\W05-07L-");
    EXPECT_EQ(LineDataBase("d:\\ksj\\(河川ﾃﾞｰﾀ-13)"), "d:\\ksj\\河川ﾃﾞｰﾀ");
    EXPECT_EQ(LineDataBase("(ab河川ﾃ川)"), "ab河川ﾃ"); // no character cut in two
    EXPECT_EQ(LineDataBase("W05-07L-13.txt"), "W05-07L-");
    EXPECT_EQ(LineDataBase(""), "");
}

} // namespace
