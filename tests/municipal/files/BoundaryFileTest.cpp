// The reader of the boundary files: ledger, end-of-ledger record of each kind, areas with their
// points, and files cut short or missing.
#include "municipal/files/BoundaryFile.h"
#include "platform/sys/ApplicationFolder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>

using namespace municipal;

namespace {

std::string Record(const std::string& text, std::size_t size)
{
    std::string bytes = text;
    bytes.resize(size, '\0');
    return bytes;
}

std::string Int32s(std::initializer_list<std::int32_t> values)
{
    std::string bytes;
    for (std::int32_t v : values)
        for (int i = 0; i < 4; ++i)
            bytes.push_back(char((std::uint32_t(v) >> (8 * i)) & 0xFF));
    return bytes;
}

std::string Write(const std::string& name, const std::string& bytes)
{
    const std::string folder = vd::applicationFolder(); // made on first use
    std::ofstream((vd::applicationFolderPath() / name).string(), std::ios::binary) << bytes;
    return folder + name;
}

} // namespace

TEST(BoundaryFile, ReadsLedgerAndAreasOfBothKinds)
{
    const std::string areas = Record("25201", 10) + Int32s({4891842, 1270224, -2147483647 - 1, 2147483647, 999, 999}) +
                              Record("25202", 10) + Int32s({999, 0});
    const auto pg = ReadBoundaryFile(Write("Pg.dat", Record("25201A", 81) + Record("999", 81) + areas),
                                     BoundaryFileKind::Municipality);
    ASSERT_TRUE(pg);
    ASSERT_EQ(pg->ledger.size(), 1u);
    EXPECT_EQ(pg->ledger[0].text(), "25201A");
    EXPECT_EQ(pg->ledger[0].bytes.size(), 81u);
    ASSERT_EQ(pg->areas.size(), 2u);
    EXPECT_EQ(pg->areas[0].code, "25201");
    EXPECT_EQ(pg->areas[0].points,
              (std::vector<BoundaryPoint>{{4891842, 1270224}, {-2147483647 - 1, 2147483647}}));
    EXPECT_TRUE(pg->areas[0].closed);
    EXPECT_TRUE(pg->areas[1].points.empty()) << "999 in the first value closes the area";

    // A coastline ledger ends only at "-999"; a "999" text there is a ledger record.
    const auto ln = ReadBoundaryFile(Write("Ln.dat", Record("999", 81) + Record("-999", 81) + Record("1", 10) +
                                                         Int32s({1, 2, 999, 999})),
                                     BoundaryFileKind::Coastline);
    ASSERT_TRUE(ln);
    ASSERT_EQ(ln->ledger.size(), 1u);
    ASSERT_EQ(ln->areas.size(), 1u);
    EXPECT_EQ(ln->areas[0].points, (std::vector<BoundaryPoint>{{1, 2}}));
}

TEST(BoundaryFile, ShortAndMissingFilesEndQuietly)
{
    EXPECT_FALSE(ReadBoundaryFile(vd::applicationFolder() + "missing.dat", BoundaryFileKind::Municipality));

    struct Case {
        const char* what;
        std::string bytes;
        std::size_t ledger;
        std::size_t areas;
        bool lastClosed;
    } cases[] = {
        {"empty", "", 0, 0, false},
        {"no end of ledger", Record("25201", 81) + "short", 1, 0, false},
        {"area cut in a point", Record("999", 81) + Record("25201", 10) + Int32s({1, 2}) + "abc", 0, 1, false},
        {"area record cut", Record("999", 81) + "2520", 0, 0, false},
        {"whole", Record("999", 81) + Record("1", 10) + Int32s({999, 999}), 0, 1, true},
    };
    for (const Case& c : cases) {
        const auto contents = ReadBoundaryFile(Write("cut.dat", c.bytes), BoundaryFileKind::Municipality);
        ASSERT_TRUE(contents) << c.what;
        EXPECT_EQ(contents->ledger.size(), c.ledger) << c.what;
        ASSERT_EQ(contents->areas.size(), c.areas) << c.what;
        if (c.areas) {
            EXPECT_EQ(contents->areas.back().closed, c.lastClosed) << c.what;
        }
    }
}

TEST(BoundaryFile, TheLedgerStreamsAndAreasSkipWhatIsLeftOfIt)
{
    BoundaryFileReader reader(BoundaryFileKind::Municipality);
    ASSERT_TRUE(reader.open(Write("Pg.dat", Record("a", 81) + Record("b", 81) + Record("999", 81) + Record("7", 10) +
                                                Int32s({5, 6, 999, 999}))));
    LedgerRecord record;
    ASSERT_TRUE(reader.nextLedgerRecord(record));
    EXPECT_EQ(record.text(), "a");
    BoundaryArea area;
    ASSERT_TRUE(reader.nextArea(area));
    EXPECT_EQ(area.code, "7");
    EXPECT_FALSE(reader.nextArea(area));
    EXPECT_FALSE(reader.nextLedgerRecord(record));
}
