// The four geology drawers over small fixtures: cells filled in their class colours at their
// places, labels, the legend, and the work files byte for byte.
#include "geology/GeoMeshSetup.h"
#include "platform/dc/RecordingDc.h"
#include "tests/geology/GeoFixtures.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

using namespace geology_test;

namespace {

const vd::COLORREF kRed = vd::RGB(255, 0, 0);
const vd::COLORREF kBlue = vd::RGB(0, 0, 255);
const std::string kAllPrefectures = "1|";

// A data folder with Msh_prft.dat, GEOLOGY.PLT and a natural-terrain set GEOSET01 of prefecture 13
// (terrain 24 in the south-west cell of 5339, 12 in its north-east cell, soil 3 and 21).
class DrawerFixture : public testing::Test {
protected:
    DrawerFixture()
    {
        folder.WriteLines("Msh_prft.dat", {"5339=13", "5340=13", "5238=13"});
        folder.WriteLines("GEOLOGY.PLT", {"-999 1", "19 255 0 0", "-999 2", "3 0 0 255 岩屑", "21 255 0 0",
                                          "-999 3", "24 0 0 255 湖沼", "12 255 0 0 低地", "-999 4", "9 255 0 0"});
        TerrainFields sw;
        sw.terrain = "24", sw.soil = "03", sw.rock = "31", sw.era = "5", sw.valley = "57", sw.sub = "3";
        TerrainFields ne;
        ne.terrain = "12", ne.soil = "21", ne.rock = "31", ne.era = "5", ne.valley = "48", ne.sub = "0";
        folder.WriteLines("GEOSET0113.txt", {"H header line", TerrainRecord("53390000", sw), TerrainRecord("53397799", ne)});
    }
    std::filesystem::path Linux(const std::string& name) const
    {
        return std::filesystem::path(std::getenv("VELDORAN_HOME")) / "GEO" / name;
    }
    std::string Bytes(const std::string& name) const
    {
        std::ifstream in(Linux(name), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    // One mesh 5339 on the plain map: 0.2 pixels a second across, 0.25 down, origin (10, 10).
    D4GeologyMeshArgs Plain(int modeCode, int detailLevel, int layerFlag, const std::string& selection) const
    {
        D4GeologyMeshArgs a;
        a.north = kNorth5339, a.west = kWest5339, a.south = kSouth5339, a.east = kEast5339;
        a.areaKind = 2, a.wideAreaMode = 2, a.blockMode = 1, a.layerFlag = layerFlag, a.detailLevel = detailLevel;
        a.layerModeCode = modeCode, a.displayOption = 0, a.statusLineY = 700;
        a.originX = 10, a.originY = 10, a.scaleX = 0.2f, a.scaleY = 0.25f;
        a.areaSpec = "広域3/" + kAllPrefectures;
        a.centreMesh = a.wideCentre3 = a.wideCentre5 = "5339";
        a.dataPrefix = folder.Windows() + "(GEOSET01)", a.dataFolder = folder.Windows(), a.selection = selection;
        return a;
    }
    void Draw(vd::Dc& dc, const D4GeologyMeshArgs& args)
    {
        CGeoMeshRenderer r;
        RunGeoDrawerCall(r, SetUpD4GeologyMesh(r, &dc, args));
    }
    void DrawWhite(vd::Dc& dc, const WhiteG4MeshArgs& args)
    {
        CGeoMeshRenderer r;
        RunGeoDrawerCall(r, SetUpWhiteG4Mesh(r, &dc, args));
    }

    GeoFolder folder;
};

bool HasText(const vd::RecordingDc& dc, const std::string& text)
{
    for (const auto& t : dc.Texts())
        if (t.text == text)
            return true;
    return false;
}

} // namespace

TEST_F(DrawerFixture, PlainTerrainFillsCellsAndWritesTheWorkFile)
{
    vd::RecordingDc dc({1024, 768, true});
    const vd::Pen callerPen(vd::PS_DOT, 1, vd::RGB(1, 2, 3));
    dc.SelectObject(callerPen);
    Draw(dc, Plain(1020, 2, 10001, "10000000000001")); // all terrain classes, sub-classification labels
    // Sub-cells of 3 x 2 pixels; the south-west record's first at (10, 608), its last at (16, 602).
    EXPECT_EQ(dc.GetPixel(10, 608), kBlue);
    EXPECT_EQ(dc.GetPixel(16, 602), kBlue);
    EXPECT_NE(dc.GetPixel(40, 560), kBlue);
    const int eastX = int(float(3555) * 0.2f + 10.0f);
    EXPECT_EQ(dc.GetPixel(eastX, int(float(30) * 0.25f + 10.0f) - 2), kRed);
    EXPECT_TRUE(HasText(dc, "3"));     // the sub-classification of the first record
    EXPECT_TRUE(HasText(dc, "凡例 地形分類"));
    EXPECT_TRUE(HasText(dc, "24: 湖沼"));
    EXPECT_EQ(dc.State().pen.Style(), vd::PS_DOT);

    const std::string bytes = Bytes("TEMP/Geofile.dat");
    ASSERT_EQ(bytes.size(), 6600u);
    EXPECT_EQ(std::uint8_t(bytes[79 * 80 + 0]), 24); // row 79 (south), column 0
    EXPECT_EQ(std::uint8_t(bytes[0 * 80 + 79]), 12); // row 0 (north), column 79
    EXPECT_EQ(std::uint8_t(bytes[40 * 80 + 40]), 255);
    EXPECT_EQ(bytes[6400 + 24], 1);
    EXPECT_EQ(bytes[6400 + 12], 1);
    EXPECT_EQ(bytes[6400 + 13], 0);
}

TEST_F(DrawerFixture, WorkFileSizesByTheme)
{
    const struct {
        int mode;
        std::string selection;
        std::size_t size;
    } cases[] = {{1010, "1", 6600}, {1030, "0", 6400}, {1000, "1#1", 13200}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        vd::RecordingDc dc;
        Draw(dc, Plain(c.mode, 2, 10001, c.selection));
        const std::string bytes = Bytes("TEMP/Geofile.dat");
        EXPECT_EQ(bytes.size(), c.size);
        if (c.mode == 1000) {
            EXPECT_EQ(std::uint8_t(bytes[79 * 80]), 31);        // the rock number
            EXPECT_EQ(std::uint8_t(bytes[6400 + 79 * 80]), 5);  // its era
            EXPECT_EQ(std::uint8_t(bytes[12800 + 25]), 31);     // slot 25
            EXPECT_EQ(std::uint8_t(bytes[13000 + 25]), 5);
            EXPECT_EQ(std::uint8_t(bytes[40 * 80 + 40]), 0);
        }
    }
}

TEST_F(DrawerFixture, TheProgramsDetailThreeCall)
{
    std::filesystem::remove(Linux("TEMP/Geofile.dat"));
    vd::RecordingDc terrain;
    Draw(terrain, Plain(1020, 3, 10001, "1"));
    EXPECT_FALSE(std::filesystem::exists(Linux("TEMP/Geofile.dat")));
    EXPECT_TRUE(HasText(terrain, "凡例 地形分類")); // natural terrain: the legend always

    folder.WriteLines("LAND.txt", {LandClassRecord("53390000", {"24"})});
    D4GeologyMeshArgs land = Plain(10020, 3, 1, "1");
    land.dataPrefix = folder.Windows() + "LAND.txt/" + folder.Windows() + "VALLEY.txt";
    vd::RecordingDc dc({1024, 768, true});
    Draw(dc, land);
    EXPECT_EQ(dc.GetPixel(10, 608), kBlue);
    EXPECT_FALSE(HasText(dc, "凡例 地形分類"));       // land classification at detail 3: none
    EXPECT_TRUE(HasText(dc, "地形分類(土地分類ﾒｯｼｭ) 1/1"));
}

TEST_F(DrawerFixture, LandClassificationFileMissingOrValleyDensity)
{
    vd::RecordingDc dc;
    D4GeologyMeshArgs land = Plain(10020, 2, 1, "1");
    land.dataPrefix = folder.Windows() + "NONE.txt/" + folder.Windows() + "VALLEY.txt";
    std::filesystem::remove(Linux("TEMP/Geofile.dat"));
    Draw(dc, land);
    EXPECT_TRUE(dc.Calls().empty());
    EXPECT_FALSE(std::filesystem::exists(Linux("TEMP/Geofile.dat")));

    // A valley-density record of second-level cell (0, 0): value 47 at its north-west doubled cell
    // (third-level rows 8-9, columns 0-1), the rest 0.
    folder.WriteLines("VALLEY.txt", {"V    533900" + std::string("47") + std::string(48, '0')});
    D4GeologyMeshArgs valley = Plain(10030, 2, 1, "0");
    valley.dataPrefix = folder.Windows() + "LAND.txt/" + folder.Windows() + "VALLEY.txt";
    vd::RecordingDc drawn({1024, 768, true});
    Draw(drawn, valley);
    const std::string bytes = Bytes("TEMP/Geofile.dat");
    ASSERT_EQ(bytes.size(), 6400u);
    // Rows 70 and 71 from the north (third-level rows 9 and 8), columns 0 and 1: class 9.
    for (int row : {70, 71})
        for (int column : {0, 1})
            EXPECT_EQ(std::uint8_t(bytes[std::size_t(row * 80 + column)]), 9) << row << "," << column;
    EXPECT_EQ(std::uint8_t(bytes[72 * 80]), 255);
    EXPECT_EQ(std::uint8_t(bytes[70 * 80 + 2]), 255);
}

TEST_F(DrawerFixture, WhiteTerrainBlocksLabelsAndWorkFiles)
{
    WhiteG4MeshArgs a;
    a.blockMode = 1, a.detailLevel = 2, a.modeCode = 2, a.statusLineY = 600;
    a.originX = 0, a.originY = 0, a.zoomX = 1, a.zoomY = 1;
    a.centreMesh = "5339", a.cellCountAndText = kAllPrefectures;
    a.dataText = folder.Windows() + "(GEOSET01)", a.applicationFolder = folder.Windows(), a.selection = "10000000000001";

    vd::RecordingDc one({1024, 768, true});
    DrawWhite(one, a);
    const auto texts = one.Texts();
    ASSERT_FALSE(texts.empty());
    bool label = false;
    for (const auto& t : texts)
        if (t.text == "3") {
            label = true;
            EXPECT_EQ(t.font.GetLogFont().lfHeight, 10);
            EXPECT_EQ(t.font.GetLogFont().lfFaceName, "ＭＳ 明朝");
        }
    EXPECT_TRUE(label);
    EXPECT_TRUE(HasText(one, "凡例 地形分類"));
    EXPECT_EQ(Bytes("TEMP/GeoWmap.dat").size(), 200u);
    EXPECT_EQ(Bytes("TEMP/GeoWmap.dat")[24], 1);
    // The south-west record: its rectangle at the frame's origin (x + 2, y - 30 x ys + ...).
    const int x = 2;
    const int y = int(float(2400) * 0.13333334f + (0.0f - 30.0f * 0.13333334f));
    EXPECT_EQ(one.GetPixel(x, y), kBlue);

    // A 9-mesh block: cells around the centre, label font 7; a 25-mesh block: no labels.
    a.blockMode = 2, a.cellCountAndText = "9/" + kAllPrefectures;
    vd::RecordingDc nine;
    DrawWhite(nine, a);
    for (const auto& t : nine.Texts()) {
        if (t.text == "3") {
            EXPECT_EQ(t.font.GetLogFont().lfHeight, 7);
        }
    }
    EXPECT_TRUE(HasText(nine, "地形分類(自然地形ﾒｯｼｭ) 9/9"));
    a.cellCountAndText = "25/" + kAllPrefectures;
    vd::RecordingDc wide;
    DrawWhite(wide, a);
    EXPECT_FALSE(HasText(wide, "3"));

    // Surface geology keeps eras too; the valley density writes its classes as well.
    a.modeCode = 0, a.selection = "1#1";
    vd::RecordingDc rocks;
    DrawWhite(rocks, a);
    EXPECT_EQ(Bytes("TEMP/GeoWmap.dat").size(), 400u);
    a.modeCode = 3, a.selection = "0";
    vd::RecordingDc valley;
    DrawWhite(valley, a);
    const std::string classes = Bytes("TEMP/GeoWmap.dat");
    ASSERT_EQ(classes.size(), 200u);
    EXPECT_EQ(classes[9], 1); // 57 and 48 are both class 9
    EXPECT_EQ(classes[24], 0);
}
