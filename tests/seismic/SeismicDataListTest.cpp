// The registered-file lists SEISFILE.DAT and FLTFILE.DAT: entry numbering, quantity codes, header
// and appends, read and written as the settings pages and the renderer use them.
#include "seismic/lists/SeismicDataList.h"

#include "platform/text/Cp932.h"
#include "tests/seismic/SeismicFixtures.h"

#include <gtest/gtest.h>

using namespace seismic;
using namespace seismicfixtures;

namespace {

struct ListFolder {
    std::filesystem::path linux = Home() / "lists";
    std::string win = WinFolder(linux);
    void Write(int kind, const std::string& utf8) { WriteFile(linux / (kind == 0 ? "SEISFILE.DAT" : "FLTFILE.DAT"), vd::utf8ToCp932(utf8)); }
    std::string Bytes(int kind) const { return ReadFile(linux / (kind == 0 ? "SEISFILE.DAT" : "FLTFILE.DAT")); }
};

} // namespace

TEST(SeismicDataList, CommentAndEmptyLinesDoNotCountAsEntries)
{
    ListFolder f;
    f.Write(0, ";comment\r\n宇治=Z:\\d\\a_ps.csv\r\n\r\n;another\r\n京都=Z:\\d\\b_sv.csv\r\n");
    EXPECT_EQ(GetSeismicDataEntry(f.win, 0, 1).line, "京都=Z:\\d\\b_sv.csv");
    EXPECT_EQ(GetSeismicDataEntry(f.win, 0, 1).quantity, 2);
    EXPECT_EQ(GetSeismicDataEntry(f.win, 0, 0).line, "宇治=Z:\\d\\a_ps.csv");
    for (int missing : {-1, 2, 100}) {
        EXPECT_EQ(GetSeismicDataEntry(f.win, 0, missing).line, "") << missing;
        EXPECT_EQ(GetSeismicDataEntry(f.win, 0, missing).quantity, -1) << missing;
    }
    EXPECT_EQ(ListSeismicDataNames(f.win, 0), (std::vector<std::string>{"宇治", "京都"}));
    // Another kind reads the other file, here missing: no entries, no message.
    EXPECT_EQ(GetSeismicDataEntry(f.win, 1, 0).line, "");
    EXPECT_TRUE(ListSeismicDataNames(f.win, 2).empty());
}

TEST(SeismicDataList, QuantityComesFromTheFileNameAlone)
{
    const struct {
        const char* path;
        int quantity;
    } cases[] = {
        {"Z:\\data\\hazard_ps.csv", 0},
        {"Z:\\data\\HAZARD_SI.CSV", 1},
        {"Z:\\data\\hazard_sv.csv", 2},
        {"Z:\\data\\hazard_bv.csv", 3},
        {"Z:\\data\\hazard_t30.csv", -1},
        {"Z:\\data\\hazard_ps", -1},
        {"Z:\\data\\p.csv", -1},
        // A dotted folder (the application folder lies under ~/.local) does not hide the name.
        {"Z:\\home\\user\\.local\\share\\veldoran\\hazard_ps.csv", 0},
        {"Z:/home/user/.cache/x.y/hazard_bv.csv", 3},
        {"Z:\\data\\hazard_ps.tar.gz", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SeismicQuantityCode(c.path), c.quantity) << c.path;
}

TEST(SeismicDataList, LongLinesAreOneEntryForTheListingAndTheLookup)
{
    ListFolder f;
    const std::string longPath = "Z:\\" + std::string(240, 'd') + "\\long_ps.csv";
    f.Write(0, "長い=" + longPath + "\r\n短い=Z:\\d\\short_si.csv\r\n");
    EXPECT_EQ(ListSeismicDataNames(f.win, 0), (std::vector<std::string>{"長い", "短い"}));
    EXPECT_EQ(GetSeismicDataEntry(f.win, 0, 0).quantity, 0);
    EXPECT_EQ(GetSeismicDataEntry(f.win, 0, 1).line, "短い=Z:\\d\\short_si.csv");
}

TEST(SeismicDataList, EnsureWritesTheHeaderOnlyForANewList)
{
    ListFolder f;
    ASSERT_TRUE(EnsureSeismicDataList(f.win, 0));
    ASSERT_TRUE(EnsureSeismicDataList(f.win, 1));
    EXPECT_EQ(f.Bytes(0), vd::utf8ToCp932(";-----確率論的地震動予測地図データファイル--------\r\n"));
    EXPECT_EQ(f.Bytes(1), vd::utf8ToCp932(";-----震源断層を特定した地震動予測地図データファイル--------\r\n"));
    EXPECT_EQ(GetSeismicDataEntry(f.win, 0, 0).line, "");

    // A hand-made list without a header keeps its bytes.
    f.Write(0, "mine=Z:\\d\\a_ps.csv");
    const std::string before = f.Bytes(0);
    ASSERT_TRUE(EnsureSeismicDataList(f.win, 0));
    EXPECT_EQ(f.Bytes(0), before);
}

TEST(SeismicDataList, AppendEndsAnUnfinishedLastLineFirst)
{
    ListFolder f;
    // The last line without a line end is an entry all the same.
    f.Write(0, "first=Z:\\d\\a_ps.csv");
    EXPECT_EQ(GetSeismicDataEntry(f.win, 0, 0).line, "first=Z:\\d\\a_ps.csv");
    ASSERT_TRUE(AppendSeismicDataEntry(f.win, 0, "二番", "z:\\d\\b_bv.csv"));
    ASSERT_TRUE(AppendSeismicDataEntry(f.win, 0, "third", "z:\\d\\c_si.csv"));
    EXPECT_EQ(f.Bytes(0), vd::utf8ToCp932("first=Z:\\d\\a_ps.csv\r\n二番=z:\\d\\b_bv.csv\r\nthird=z:\\d\\c_si.csv\r\n"));
    EXPECT_EQ(GetSeismicDataEntry(f.win, 0, 1).quantity, 3);

    // A missing list is created by the append, without a header.
    ASSERT_TRUE(AppendSeismicDataEntry(f.win, 1, "fault", "z:\\d\\f.csv"));
    EXPECT_EQ(f.Bytes(1), "fault=z:\\d\\f.csv\r\n");
    EXPECT_EQ(GetSeismicDataEntry(f.win, 1, 0).quantity, -1); // scenario entries have no quantity
}
