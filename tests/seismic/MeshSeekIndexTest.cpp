// The seek index beside a probabilistic data file: its name, its bytes, its reuse and the offsets
// it gives.
#include "seismic/probabilistic/MeshSeekIndex.h"

#include "platform/dc/RecordingDc.h"
#include "platform/text/Cp932.h"
#include "tests/seismic/SeismicFixtures.h"
#include "tests/support/FileSizeLimit.h"

#include <gtest/gtest.h>

using namespace seismic;
using namespace seismicfixtures;

TEST(MeshSeekIndex, NamedAtTheDotOfTheFileName)
{
    const struct {
        const char* data;
        const char* index;
    } cases[] = {
        {"Z:\\D\\A_PS.CSV", "Z:\\D\\A_PS.hdr"},
        {"Z:\\HOME\\U\\.LOCAL\\SHARE\\VELDORAN\\A_PS.CSV", "Z:\\HOME\\U\\.LOCAL\\SHARE\\VELDORAN\\A_PS.hdr"},
        {"Z:\\D.E\\B_SV.CSV", "Z:\\D.E\\B_SV.hdr"},
        {"Z:\\D.E\\NODOT", "Z:\\D.E\\NODOT.hdr"},
        {"Z:/d.e/x.y.csv", "Z:/d.e/x.hdr"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MeshSeekIndexPath(c.data), c.index) << c.data;
}

TEST(MeshSeekIndex, BuiltOnceWithARunPerMeshRun)
{
    const auto folder = Home() / "index";
    const std::string win = WinFolder(folder);
    // A comment, two runs of 5339 with 5340 between: records counted from 0 without the comment.
    WriteFile(folder / "A_PS.CSV", "# header line\r\n" + Lines({{"53390000", 0.1f}, {"53390001", 0.1f}, {"53390002", 0.1f},
                                                                 {"53400000", 0.2f}, {"53400001", 0.2f},
                                                                 {"53390100", 0.3f}}));
    vd::RecordingDc dc;
    const auto index = BuildMeshSeekIndex(&dc, win + "A_PS.CSV");
    ASSERT_TRUE(index);
    EXPECT_EQ(index->path, win + "A_PS.hdr");
    EXPECT_EQ(ReadFile(folder / "A_PS.hdr"), vd::utf8ToCp932(win) + "A_PS.CSV\r\n5339 0\r\n5340 3\r\n5339 5\r\n");
    ASSERT_EQ(dc.Texts().size(), 1u);
    EXPECT_EQ(dc.Texts()[0].at, (vd::Point{50, 100}));
    EXPECT_EQ(dc.Texts()[0].text, "しばらくお待ちください。地図ファイルのデータ並びを調べています。");
    // The look-up takes the first run.
    ASSERT_TRUE(FindMeshRun(*index, "5339"));
    EXPECT_EQ(FindMeshRun(*index, "5339")->firstLine, 0);
    EXPECT_EQ(FindMeshRun(*index, "5441"), nullptr);

    // An existing index is used as it stands (here a hand-edited one), without a message; lines that
    // do not parse are skipped.
    WriteFile(folder / "A_PS.hdr", "Z:\\A_PS.CSV\r\n5339 12\r\nbroken\r\n5340 x\r\n5341 40");
    vd::RecordingDc second;
    const auto again = BuildMeshSeekIndex(&second, win + "A_PS.CSV");
    ASSERT_TRUE(again);
    EXPECT_EQ(again->runs, (std::vector<MeshRun>{{"5339", 12}, {"5341", 40}}));
    EXPECT_TRUE(second.Texts().empty());
}

TEST(MeshSeekIndex, AnIndexThatCannotBeWrittenIsKeptForTheCall)
{
    const auto folder = Home() / "readonly";
    const std::string win = WinFolder(folder);
    WriteFile(folder / "B_SI.CSV", Lines({{"53390000", 4.f}, {"53400000", 5.f}}));
    const auto index = testsupport::UnderFileSizeLimit(0, [&] { return BuildMeshSeekIndex(nullptr, win + "B_SI.CSV"); });
    ASSERT_TRUE(index);
    EXPECT_EQ(index->runs, (std::vector<MeshRun>{{"5339", 0}, {"5340", 1}}));
    EXPECT_FALSE(std::filesystem::exists(folder / "B_SI.hdr"));
    // No data file, no index.
    EXPECT_FALSE(BuildMeshSeekIndex(nullptr, win + "MISSING_PS.CSV"));
    EXPECT_FALSE(BuildMeshSeekIndex(nullptr, ""));
}

TEST(MeshSeekIndex, OffsetsStartTenRecordsBeforeTheRun)
{
    const struct {
        long long line;
        std::uint64_t offset;
    } cases[] = {{0, 0}, {9, 0}, {10, 0}, {11, 66}, {1000, 990 * 66}, {50'000'000, (50'000'000ull - 10) * 66}};
    for (const auto& c : cases)
        EXPECT_EQ(SeekMeshOffset(MeshRun{"5339", c.line}), c.offset) << c.line;
}
