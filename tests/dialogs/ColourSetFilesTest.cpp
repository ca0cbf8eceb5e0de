// PLTTFILE.DAT and the colour-set files as the dialog library reads and writes them: the list up
// to its first empty line, appending only to an existing list, and the class lines a set is
// written with (black middle classes left out, the sea, 0 m and 4,000 m always kept).
#include "DialogTestSupport.h"

#include "dialogs/files/ColourSetFile.h"
#include "dialogs/files/PaletteListFile.h"
#include "platform/dc/Color.h"

namespace {

using namespace dialogtest;
using vd::RGB;

TEST(PaletteListFile, ReadsUpToTheFirstEmptyLineAndAppendsOnlyToAList)
{
    const std::string list = HomeWin() + "PALETTE\\PLTTFILE.DAT";
    std::filesystem::remove_all(Home() / "PALETTE");
    EXPECT_FALSE(ReadPaletteList(list));
    std::filesystem::create_directories(Home() / "PALETTE");
    EXPECT_FALSE(AppendPaletteListEntry(list, {"新", "Atlas1.plt"})) << "never creates the list";
    EXPECT_FALSE(std::filesystem::exists(Home() / "PALETTE" / "PLTTFILE.DAT"));

    WriteHomeFile("PALETTE/plttfile.dat", Cp932Lines({"地図帳$ATLAS1.PLT", "ドルなし", "二つ$a$b.plt", "$", "", "後$X.PLT"}));
    EXPECT_EQ(ReadPaletteList(list), (std::vector<PaletteListEntry>{
                                         {"地図帳", "ATLAS1.PLT"}, {"ドルなし", ""}, {"二つ", "a$b.plt"}, {"", ""}}));
    ASSERT_TRUE(RewritePaletteList(list, {{"一", "Atlas1.plt"}}));
    ASSERT_TRUE(AppendPaletteListEntry(list, {"二", "Atlas2.plt"}));
    EXPECT_EQ(ReadHomeFile("PALETTE/plttfile.dat"), Cp932Lines({"一$Atlas1.plt", "二$Atlas2.plt"}));
}

TEST(ColourSetFile, WritesTheAnchorsOfASet)
{
    ColourSetColours colours{};
    for (int k = 0; k < kColourSetClassCount; ++k)
        colours[k] = RGB(k, 255 - k, 0) | 0xFF000000u; // the high byte is no colour
    const std::vector<std::string> all = FormatColourSetLines("全部", "Z:\\p\\A.plt", colours);
    ASSERT_EQ(all.size(), 12u);
    EXPECT_EQ(all[0], ";全部  Z:\\p\\A.plt  ");
    EXPECT_EQ(all[1], "   0   0 255   0    青（海域）  1:15");
    EXPECT_EQ(all[2], "   1   1 254   0         0m");
    EXPECT_EQ(all[6], "1000   5 250   0     1,000m");
    EXPECT_EQ(all[11], "4000  10 245   0     4,000m");

    colours.fill(RGB(0, 0, 0));
    EXPECT_EQ(FormatColourSetLines("黒", "B.plt", colours),
              (std::vector<std::string>{";黒  B.plt  ", "   0   0   0   0    青（海域）  1:15",
                                        "   1   0   0   0         0m", "4000   0   0   0     4,000m"}));
}

} // namespace
