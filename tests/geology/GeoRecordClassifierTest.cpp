// The record classifiers: filters, symbols, positions, grids and the lists of classes that occur.
#include "geology/GeoMeshRenderer.h"
#include "platform/dc/RecordingDc.h"
#include "tests/geology/GeoFixtures.h"

#include <gtest/gtest.h>

using namespace geology_test;

namespace {

// An object over mesh 5339 at one pixel a second, the work-file grids on.
CGeoMeshRenderer Over5339(int theme, const std::string& selection)
{
    CGeoMeshRenderer r;
    r.m_nNorth = kNorth5339;
    r.m_nWest = kWest5339;
    r.m_nSouth = kSouth5339;
    r.m_nEast = kEast5339;
    r.m_nRecordWestBound = kWest5339;
    r.m_nRecordSouthBound = kSouth5339;
    r.m_fScaleX = 0.1f;
    r.m_fScaleY = 0.1f;
    r.m_fOriginX = 10;
    r.m_fOriginY = 20;
    r.m_nDetailLevel = 2;
    r.m_nWorkFileDetail = 2;
    r.ParseGeoSelection(theme, selection);
    return r;
}

void Classify(CGeoMeshRenderer& r, int theme, const std::string& line, int drawLabel = 0)
{
    r.m_strLine = line;
    r.ClassifyNaturalTerrainRecord(theme, drawLabel);
}

void ClassifyLand(CGeoMeshRenderer& r, int theme, const std::string& line, int drawLabel = 0)
{
    r.m_strLine = line;
    r.ClassifyLandClassRecord(theme, drawLabel);
}

std::uint8_t GridAt(const std::vector<std::uint8_t>& grid, int column, int row)
{
    return grid[std::size_t(column) * kGeoGridSide + std::size_t(row)];
}

} // namespace

TEST(GeoRecordClassifier, AcceptedSurfaceGeologyRecord)
{
    CGeoMeshRenderer r = Over5339(0, "0100000000001#0000010");
    TerrainFields f;
    f.rock = "31";
    f.era = "5";
    // Second-level row 2, column 3, third-level row 4, column 5.
    Classify(r, 0, TerrainRecord("53392345", f));
    const int lat = kSouth5339 + 2 * 300 + 4 * 30;
    const int lon = kWest5339 + 3 * 450 + 5 * 45;
    EXPECT_EQ(r.m_nRecordLat, lat);
    EXPECT_EQ(r.m_nRecordLon, lon);
    EXPECT_EQ(r.m_nColourIndex, 19);
    EXPECT_EQ(r.m_nRecordIndex, 25);
    EXPECT_EQ(r.m_nSecondaryCode, 5);
    EXPECT_EQ(r.m_nPrimaryCode, 31);
    EXPECT_EQ(r.m_strSymbol, "31");
    EXPECT_EQ(r.m_strLine, "D"); // symbol mode 1: the era
    EXPECT_EQ(r.m_nLabelX, int(float(lon - kWest5339) * 0.1f + 10.0f));
    EXPECT_EQ(r.m_nLabelY, int(float(kNorth5339 - lat) * 0.1f + 20.0f) - 9);
    EXPECT_EQ(r.m_anPrimaryCodes[25], 31);
    EXPECT_EQ(r.m_anColourCodes[25], 19);
    EXPECT_EQ(r.m_anSecondaryCodes[25], 5);
    const int column = (lon - kWest5339) * 80 / 3600;
    const int row = (kNorth5339 - lat - 30) * 80 / 2400;
    EXPECT_EQ(GridAt(r.m_primaryGrid, column, row), 31);
    EXPECT_EQ(GridAt(r.m_secondaryGrid, column, row), 5);
}

TEST(GeoRecordClassifier, EraAndRockFilters)
{
    struct Case {
        std::string selection;
        std::string rock, era;
        bool drawn;
        int era6;
    };
    const Case cases[] = {
        {"0100000000000#0010000", "10", "8", false, 2}, // era digit 8 is era 2: no class for 10 there
        {"1000000000000#0010000", "10", "8", true, 2},  // all rocks: class 0 passes
        {"1000000000000#0100000", "10", "8", false, 2}, // era 1 only
        {"0000100000000#0010000", "52", "7", true, 2},  // 7 is era 2 too
        {"0000100000000#0000100", "46", "9", true, 4},  // 9 is era 4
        {"0000100000000#0000001", "44", "6", true, 6},
        {"0100000000000#0000001", "44", "6", false, 6}, // 火山岩類 off
        {"1000000000000#0000001", "44", "6", true, 6},
        {"1000000000000#0000000", "44", "0", false, 0}, // no era: only 表示のないもの
        {"1000000000000#00000001", "44", "0", true, 0},
        {"1000000000000#1", "44", "0", true, 0},        // or all eras
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.selection + " rock " + c.rock + " era " + c.era);
        CGeoMeshRenderer r = Over5339(0, c.selection);
        TerrainFields f;
        f.rock = c.rock;
        f.era = c.era;
        Classify(r, 0, TerrainRecord("53390000", f));
        EXPECT_EQ(r.m_nRecordLon != -1, c.drawn);
        if (c.drawn)
            EXPECT_EQ(r.m_nSecondaryCode, c.era6);
        else
            EXPECT_EQ(r.m_nSecondaryCode, -1);
    }
}

TEST(GeoRecordClassifier, SymbolsOfBothLayouts)
{
    struct Case {
        int theme;
        std::string selection;
        bool landClass;
        std::string symbol;
    };
    // Record fields: slope 37, direction 03, terrain 05, sub 2, rock 44, hardness 7, era 8,
    // structure 6, soil 21, soil symbol 3, valley 57.
    const Case cases[] = {
        {0, "1000000000001#1", false, "M"},  {0, "1000000000002#1", false, "AS"}, {0, "1000000000003#1", false, "3a"},
        {0, "1000000000004#1", false, "44"}, {0, "1000000000005#1", false, "21"}, {0, "1000000000006#1", false, "05"},
        {0, "1000000000007#1", false, "37"}, {0, "1000000000008#1", false, "57"}, {0, "1000000000000#1", false, ""},
        {0, "1000000000001#1", true, "M"},   {0, "1000000000006#1", true, "05"},  {0, "1000000000007#1", true, ""},
        {0, "1000000000008#1", true, ""},
        {1, "100000000000000001", false, "3"}, {1, "100000000000000002", false, "44"},
        {1, "100000000000000001", true, "3"},  {1, "100000000000000002", true, "44"},
        {2, "10000000000001", false, "2"}, {2, "10000000000002", false, "7"}, {2, "10000000000003", false, "03"},
        {2, "10000000000004", false, "44"}, {2, "10000000000002", true, ""}, {2, "10000000000003", true, ""},
        {2, "10000000000004", true, "44"},
        {3, "1", false, "57"}, {3, "2", false, "7"}, {3, "3", false, "03"}, {3, "4", false, "44"}, {3, "1", true, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "theme " << c.theme << " " << c.selection << (c.landClass ? " land" : ""));
        CGeoMeshRenderer r = Over5339(c.theme, c.selection);
        if (c.landClass) {
            LandClassFields f;
            f.terrain = c.theme == 3 ? "57" : "05";
            f.sub = "2", f.rock = "44", f.hardness = "7", f.era = "8", f.structure = "6", f.soil = "21",
            f.soilSymbol = "3";
            ClassifyLand(r, c.theme, LandClassRecord("53390000", f));
        } else {
            TerrainFields f{"0001", "37", "03", "05", "2", "44", "7", "8", "6", "21", "3", "57"};
            Classify(r, c.theme, TerrainRecord("53390000", f));
        }
        ASSERT_NE(r.m_nRecordLon, -1);
        EXPECT_EQ(r.m_strLine, c.symbol);
    }
}

TEST(GeoRecordClassifier, SymbolsForNoValue)
{
    CGeoMeshRenderer r = Over5339(2, "10000000000002");
    TerrainFields f;
    f.slope = "99";
    Classify(r, 2, TerrainRecord("53390000", f));
    EXPECT_EQ(r.m_strLine, "");
    r = Over5339(0, "1000000000001#1");
    f.era = "0";
    f.rock = "10";
    Classify(r, 0, TerrainRecord("53390000", f));
    EXPECT_EQ(r.m_strLine, "");
    r = Over5339(3, "1");
    f.valley = " 0";
    Classify(r, 3, TerrainRecord("53390000", f));
    EXPECT_EQ(r.m_strLine, "");
    r = Over5339(0, "1000000000002#1");
    f.structure = "9"; // not in the table: written unchanged
    Classify(r, 0, TerrainRecord("53390000", f));
    EXPECT_EQ(r.m_strLine, "9");
}

TEST(GeoRecordClassifier, ClassesOfSoilTerrainAndValley)
{
    CGeoMeshRenderer soil = Over5339(1, "000000010000000000"); // 低地土壌･台地土壌
    TerrainFields f;
    f.soil = "39";
    Classify(soil, 1, TerrainRecord("53390000", f));
    EXPECT_EQ(soil.m_nColourIndex, 39);
    EXPECT_EQ(soil.m_anPrimaryCodes[39], 1);
    EXPECT_EQ(GridAt(soil.m_primaryGrid, 0, 79), 39);
    f.soil = "21";
    Classify(soil, 1, TerrainRecord("53390001", f));
    EXPECT_EQ(soil.m_nRecordLon, -1);
    EXPECT_EQ(soil.m_nSecondaryCode, -1);
    EXPECT_EQ(soil.m_anPrimaryCodes[21], 0);

    CGeoMeshRenderer valley = Over5339(3, "0");
    f.valley = "57";
    Classify(valley, 3, TerrainRecord("53390000", f));
    EXPECT_EQ(valley.m_nColourIndex, 9);
    EXPECT_EQ(valley.m_anPrimaryCodes[9], 1);
    f.valley = "14";
    Classify(valley, 3, TerrainRecord("53390000", f));
    EXPECT_EQ(valley.m_nColourIndex, 2);
}

TEST(GeoRecordClassifier, RecordsThatLeaveNoMark)
{
    CGeoMeshRenderer r = Over5339(2, "1");
    TerrainFields f;
    f.count = "0000";
    Classify(r, 2, TerrainRecord("53390000", f));
    EXPECT_EQ(r.m_nRecordLon, -1);
    // A record cut short reads its count as 0.
    Classify(r, 2, "G    53390000");
    EXPECT_EQ(r.m_nRecordLon, -1);
    Classify(r, 2, "");
    EXPECT_EQ(r.m_nRecordLon, -1);
    // A Japanese character (CP932 bytes) in a field reads as text, not as digits.
    {
        CGeoMeshRenderer text = Over5339(2, "1");
        TerrainFields japanese;
        japanese.terrain = "\x8e\x52"; // 山
        Classify(text, 2, TerrainRecord("53390000", japanese));
        EXPECT_EQ(text.m_strSymbol, "山");
        EXPECT_EQ(text.m_nColourIndex, 0);
    }
    // Outside the block: north of it, east of it, south of the record bound.
    f.count = "0001";
    for (const std::string code : {"54390000", "53400000", "52390000"}) {
        Classify(r, 2, TerrainRecord(code, f));
        EXPECT_EQ(r.m_nRecordLon, -1) << code;
    }
    // Garbage fields read as atoi reads them: a negative class is not noted.
    f.terrain = "-5";
    r.m_nAllClasses = 1;
    Classify(r, 2, TerrainRecord("53390000", f));
    EXPECT_EQ(r.m_nColourIndex, -5);
    EXPECT_EQ(GridAt(r.m_primaryGrid, 0, 79), 0);
    for (std::int16_t code : r.m_anPrimaryCodes)
        EXPECT_EQ(code, 0);
}

TEST(GeoRecordClassifier, GridCellsOfBlocks)
{
    // A 5 x 5 block: 200 cells a side, each 2 x 2 third-level meshes.
    CGeoMeshRenderer wide = Over5339(2, "1");
    wide.m_strWideAreaName = "広域5";
    wide.m_nWest = kWest5339 - 2 * 3600;
    wide.m_nNorth = kNorth5339 + 2 * 2400;
    wide.m_nRecordWestBound = wide.m_nWest;
    TerrainFields f;
    f.terrain = "24";
    Classify(wide, 2, TerrainRecord("53397799", f));
    const int column = (160 + 79) / 2;
    const int row = (160 + 0) / 2;
    EXPECT_EQ(GridAt(wide.m_primaryGrid, column, row), 24);

    // Land classification caps the column at 239; natural terrain leaves a cell past it alone.
    CGeoMeshRenderer land = Over5339(2, "1");
    land.m_nWest = kWest5339 - 3 * 3600;
    land.m_nRecordWestBound = land.m_nWest;
    LandClassFields lf;
    lf.terrain = "24";
    ClassifyLand(land, 2, LandClassRecord("53397799", lf));
    EXPECT_EQ(GridAt(land.m_primaryGrid, 239, 0), 24);
    CGeoMeshRenderer terrain = land;
    terrain.m_primaryGrid.assign(terrain.m_primaryGrid.size(), 0);
    Classify(terrain, 2, TerrainRecord("53397799", f));
    EXPECT_NE(terrain.m_nRecordLon, -1);
    EXPECT_EQ(std::count(terrain.m_primaryGrid.begin(), terrain.m_primaryGrid.end(), 0), 240 * 240);

    // Detail 3 (and the white map) keeps the grids untouched.
    CGeoMeshRenderer plain = Over5339(2, "1");
    plain.m_nWorkFileDetail = 3;
    Classify(plain, 2, TerrainRecord("53390000", f));
    EXPECT_EQ(std::count(plain.m_primaryGrid.begin(), plain.m_primaryGrid.end(), 0), 240 * 240);
    EXPECT_EQ(plain.m_anPrimaryCodes[24], 1);
}

TEST(GeoRecordClassifier, DrawLabelFlagWritesTheClassField)
{
    vd::RecordingDc dc;
    CGeoMeshRenderer r = Over5339(2, "10000000000001");
    r.m_pDC = &dc;
    r.m_nDetailLevel = 3;
    r.m_nRecordSouthBound = kSouth5339 - 30; // detail 3 widens the bounds
    r.m_nRecordWestBound = kWest5339 - 45;
    TerrainFields f;
    f.terrain = "07";
    Classify(r, 2, TerrainRecord("53390000", f), 1);
    EXPECT_EQ(r.m_nRecordLon, -1); // nothing left to fill
    ClassifyLand(r, 2, LandClassRecord("53390000", {"08"}), 1);
    // A record in the widened margin, outside the extent, is not written at detail 3.
    Classify(r, 2, TerrainRecord("53380709", f), 1);
    const auto texts = dc.Texts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, "07");
    EXPECT_EQ(texts[0].at, (vd::Point{10, int(2400 * 0.1f + 20.0f) - 9}));
    EXPECT_EQ(texts[1].text, "08");

    r.m_nDetailLevel = 2;
    Classify(r, 2, TerrainRecord("53380709", f), 1);
    EXPECT_EQ(dc.Texts().size(), 3u);
}
