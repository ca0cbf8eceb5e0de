#include "ViewTestSupport.h"

#include "graphics/TintRamp.h"
#include "platform/sys/ApplicationFolder.h"
#include "platform/text/Format.h"

#include <filesystem>

#include <gtest/gtest.h>

namespace {

using viewtest::Cp932Lines;
using viewtest::WriteHomeFile;

std::string ClassLine(int metres, int r, int g, int b, const std::string& label)
{
    return vd::format("%4d %3d %3d %3d", metres, r, g, b) + label;
}

void WritePaletteList()
{
    WriteHomeFile("PALETTE/PLTTFILE.DAT",
                  Cp932Lines({"地図帳(通常)$ATLAS1.PLT", "地図帳(高度帯)$ATLAS3.PLT", "なし$MISSING.PLT",
                              "黄金(ﾓﾉｸﾛｰﾑ)$ATLAS7.PLT"}));
    WriteHomeFile("PALETTE/ATLAS1.PLT",
                  Cp932Lines({";地図帳(通常)  Z:\\x\\ATLAS1.PLT  ", ClassLine(0, 0, 0, 255, "    青（海域）  1:15"),
                              ClassLine(1, 0, 100, 0, "         0m"), "",
                              ClassLine(4000, 254, 200, 100, "     4,000m")}));
    // The 200 m and 500 m classes are black and so left out of the file.
    WriteHomeFile("PALETTE/ATLAS3.PLT",
                  Cp932Lines({";地図帳(高度帯)  Z:\\x\\ATLAS3.PLT  ", ClassLine(0, 1, 2, 3, "    青（海域）  1:15"),
                              ClassLine(1, 0, 0, 0, "         0m"), ClassLine(100, 0, 60, 0, "       100m"),
                              ClassLine(1000, 120, 0, 240, "     1,000m"),
                              ClassLine(4000, 255, 255, 255, "     4,000m")}));
    WriteHomeFile("PALETTE/ATLAS7.PLT", Cp932Lines({ClassLine(0, 0, 0, 255, ""), ClassLine(1, 0, 128, 0, ""),
                                                    ClassLine(100, 200, 200, 0, ""), ClassLine(4000, 128, 64, 0, "")}));
}

TEST(ColourSetDocument, TheChosenLineNamesTheSetAndItsFile)
{
    auto doc = viewtest::MakeDocument();
    WritePaletteList();
    EXPECT_EQ(doc->LoadColourSet(1), 5);
    EXPECT_EQ(doc->colours.m_aTintRows[2], (TintRow{6, 0, 60, 0}));
    EXPECT_EQ(doc->colours.m_aTintRows[3], (TintRow{66, 120, 0, 240}));
    EXPECT_EQ(doc->colours.m_strReliefStyle, "地図帳(高度帯)");
    EXPECT_EQ(doc->LoadColourSet(0), 3) << "comments and empty lines are skipped";
    EXPECT_EQ(doc->colours.m_aTintRows[2], (TintRow{255, 254, 200, 100}));
    EXPECT_EQ(doc->colours.m_strReliefStyle, "ﾓﾉｸﾛｰﾑ") << "its land rows run one way";
    EXPECT_EQ(doc->LoadColourSet(3), 4);
    EXPECT_EQ(doc->colours.m_strReliefStyle, "ﾓﾉｸﾛｰﾑ") << "by its name, whatever its colours";
}

TEST(ColourSetDocument, AMissingSetOrLineFallsBackToTheFirstSet)
{
    auto doc = viewtest::MakeDocument();
    WritePaletteList();
    for (int number : {2, 4, 99, -1}) {
        doc->colours.m_nPaletteNo = number;
        EXPECT_EQ(doc->LoadColourSet(number), 3) << number;
        EXPECT_EQ(doc->colours.m_nPaletteNo, 0) << number;
        EXPECT_EQ(doc->colours.m_aTintRows[1], (TintRow{1, 0, 100, 0})) << number;
    }
}

TEST(ColourSetDocument, RowsPastTheTableAreIgnored)
{
    auto doc = viewtest::MakeDocument();
    WritePaletteList();
    std::string lines;
    for (int i = 0; i < 300; ++i)
        lines += vd::format("%4d %3d %3d %3d\r\n", i * 10, i % 256, 0, 0);
    WriteHomeFile("PALETTE/ATLAS1.PLT", lines);
    EXPECT_EQ(doc->LoadColourSet(0), 256);
    EXPECT_EQ(doc->colours.m_aTintRows.back().red, 255);
    EXPECT_EQ(doc->BuildTintRamp(), 1);
}

TEST(ColourSetDocument, TheTintRampAndTheSeaColour)
{
    auto doc = viewtest::MakeDocument();
    WritePaletteList();
    EXPECT_EQ(doc->colours.m_crSeaColour, vd::RGB(126, 180, 234)) << "until the first ramp";
    doc->colours.m_nPaletteNo = 0;
    ASSERT_EQ(doc->BuildTintRamp(), 1);
    EXPECT_EQ(doc->colours.m_crSeaColour, vd::RGB(0, 0, 255));
    EXPECT_EQ(doc->colours.m_anTintRed[128], 127);
    EXPECT_EQ(doc->colours.m_anTintGreen[128], 150);
    EXPECT_EQ(doc->colours.m_anTintBlue[128], 50);
    EXPECT_EQ(doc->colours.m_anTintGreen[1], 100);

    doc->depth.m_nSubmarineLayer = 1;
    doc->depth.m_anSubmarineSetting[0] = 1;
    ASSERT_EQ(doc->BuildTintRamp(), 1);
    EXPECT_EQ(doc->colours.m_crSeaColour, vd::RGB(245, 245, 255));
    EXPECT_EQ(doc->colours.m_anTintBlue[0], 255);

    // A set without rows leaves the ramp as it was.
    WriteHomeFile("PALETTE/ATLAS1.PLT", Cp932Lines({";nothing"}));
    EXPECT_EQ(doc->BuildTintRamp(), -1);
    EXPECT_EQ(doc->colours.m_crSeaColour, vd::RGB(245, 245, 255));
    EXPECT_EQ(doc->colours.m_anTintRed[128], 127);
}

TEST(ColourSetDocument, AFreshInstallTintsWithItsFirstBundledSet)
{
    namespace fs = std::filesystem;
    vd::applicationFolder();
    fs::remove_all(vd::applicationFolderPath() / "PALETTE");
    vd::seedFolder(VD_BIN_DIR "/data", vd::applicationFolderPath());
    auto doc = viewtest::MakeDocument();
    doc->colours.m_nPaletteNo = 0;
    ASSERT_EQ(doc->BuildTintRamp(), 1);
    const TintRamp ramp = InterpolateTintRamp(ReadColourSetRows(doc->folders.m_strPaletteDir + "ATLAS1.PLT"));
    EXPECT_EQ(doc->colours.m_anTintRed, ramp.red);
    EXPECT_EQ(doc->colours.m_anTintGreen, ramp.green);
    EXPECT_EQ(doc->colours.m_anTintBlue, ramp.blue);
    EXPECT_NE(doc->colours.m_anTintGreen[66], 0);
    EXPECT_EQ(doc->colours.m_crSeaColour, vd::RGB(ramp.red[0], ramp.green[0], ramp.blue[0]));
}

} // namespace
