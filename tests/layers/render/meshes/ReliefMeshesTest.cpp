// The mesh relief forms and the white-map mesh cells drawn into a RecordingDc: sub-cells shaded
// by TEMP\RELIEF.DAT (or at level 0 without it), their size and edges, the top class, the
// white map's blocks, scale and legend rule.
#include "layers/render/LayerRenderer.h"
#include "layers/render/meshes/ReliefCells.h"
#include "meshcode/ReliefGrid.h"
#include "platform/dc/RecordingDc.h"
#include "tests/layers/render/LayerFixtures.h"
#include "tests/layers/render/MeshFixtures.h"
#include "tests/layers/render/PointFixtures.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

using namespace layers_test;

// Sub-cells at full detail, n = 6: 1 + trunc(45 / 6) + 2 wide, 1 + trunc(30 / 6) + 2 high.
constexpr int kSubWidth = 10;
constexpr int kSubHeight = 8;

std::string Climate(const std::string& code, int tenths) { return MeshRecord(code).Number(90, 4, tenths).Size(300); }

class ReliefMeshes : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder.WriteLines("Msh_prft.dat", {"5339=13"});
        std::filesystem::remove_all(folder.LinuxPath() / "TEMP");
    }

    CLayerRenderer& Renderer(const std::string& dataSet, int itemCode = 900)
    {
        renderer.emplace(dc, Mesh5339Params(dataSet, folder.Windows(), 3, itemCode));
        return *renderer;
    }
    std::string Write(const std::string& name, const std::vector<std::string>& rawLines)
    {
        folder.WriteBytes(name, FileBytes(rawLines));
        return folder.Windows() + name;
    }
    // RELIEF.DAT of the detailed map's one block (R 320) with the given bytes set.
    void WriteRelief(std::initializer_list<std::pair<std::size_t, char>> set)
    {
        std::string bytes(102400, '\0');
        for (const auto& [at, value] : set)
            bytes[at] = value;
        std::filesystem::create_directories(folder.LinuxPath() / "TEMP");
        folder.WriteBytes("TEMP/RELIEF.DAT", bytes);
    }
    std::string PerPrefecture(const std::string& stem) { return folder.Windows() + "(" + stem + ")"; }

    LayerFolder folder;
    vd::RecordingDc dc;
    std::optional<CLayerRenderer> renderer;
};

// The 36 sub-cells of the cell at (latitude, longitude) offsets from the mesh corner, all in one colour.
std::vector<Fill> SubCells(int dLat, int dLon, vd::COLORREF colour)
{
    std::vector<Fill> fills;
    for (int s = 0; s < 36; ++s) {
        const int x = dLon + (s % 6) * 45 / 6;
        const int top = kMeshNorth - (kMeshSouth + dLat + (s / 6) * 5) - kSubHeight;
        fills.push_back({{x, top, x + kSubWidth, top + kSubHeight}, colour});
    }
    return fills;
}

TEST_F(ReliefMeshes, WithoutTheReliefFileEveryMemberDrawsLevelZero)
{
    // No TEMP\RELIEF.DAT: the members return as usual and each sub-cell takes its class colour.
    Write("climate_13.txt", {Climate(Cell5339(0, 0, 0, 0), 5)});
    const int result = Renderer(PerPrefecture("climate_x")).DrawPrefectureMeshRelief(-1, 0, 3, 0, WholeCountry());
    EXPECT_GT(result, 0);
    EXPECT_EQ(Painted(Cells(dc)), Painted(SubCells(0, 0, CLayerRenderer::ClassRampColour(5))));

    dc.Clear();
    const std::string sea = Write("sea.txt", {MeshRecord(Cell5339(0, 0, 0, 1)).Number(13, 4, 30).Size(40)});
    EXPECT_GT(Renderer(sea).DrawSingleFileMeshRelief(-1, 110, 0, 0), 0);
    const std::vector<Fill> seaCells = Cells(dc);
    ASSERT_FALSE(seaCells.empty());
    EXPECT_EQ(seaCells.front().rect.left, 45);
    EXPECT_EQ(Painted(seaCells), Painted(SubCells(0, 45, seaCells.front().colour)));

    dc.Clear();
    std::string spec = "小売業 その他/38/45/10#";
    for (int g = 1; g < 28; ++g)
        spec += "項目/0/0/1#";
    Write("commerc_13.txt", {MeshRecord(Cell5339(0, 0, 0, 0)).Put(37, "      25").Size(2000)});
    const int census = Renderer(PerPrefecture("commerc_")).OnPlainLclReliefCensas(-1, 200, 6, 1, 0, spec, WholeCountry());
    EXPECT_GT(census, 0);
    ASSERT_FALSE(Cells(dc).empty());
    EXPECT_EQ(Painted(Cells(dc)), Painted(SubCells(0, 0, Cells(dc).front().colour)));
}

TEST_F(ReliefMeshes, SubCellsShadedByTheByteUnderTheirCorner)
{
    // Sub-cell 22 (third row, fifth column: 15 and 30 seconds in) reads row 2, column 2 of the
    // 320-byte rows; 37 is level 7. A byte of another cell does not touch this one.
    WriteRelief({{2 * 320 + 2, 37}, {8 * 320 + 8, 9}});
    Write("climate_13.txt", {Climate(Cell5339(0, 0, 0, 0), 5)});
    Renderer(PerPrefecture("climate_x")).DrawPrefectureMeshRelief(-1, 0, 3, 0, WholeCountry());
    std::vector<Fill> want = SubCells(0, 0, CLayerRenderer::ClassRampColour(5));
    // Sub-cell 28 (20 seconds in) lies on the same grid row: 4 x 4 points to 6 x 6 sub-cells.
    want[22].colour = want[28].colour = meshcode::ReliefShade(CLayerRenderer::ClassRampColour(5), 7);
    EXPECT_EQ(Painted(Cells(dc)), Painted(want));
}

TEST_F(ReliefMeshes, SubCellsOnTheNorthOrEastEdgeAreLeftOut)
{
    // The extent ends 15 seconds north and 30 seconds east of the cell's corner: rows 0-2 and
    // columns 0-3 remain; those on the south and west edges are drawn.
    Write("climate_13.txt", {Climate(Cell5339(0, 0, 0, 0), 5)});
    CLayerRenderer& r = Renderer(PerPrefecture("climate_x"));
    r.North = kMeshSouth + 15;
    r.East = kMeshWest + 30;
    r.DrawPrefectureMeshRelief(-1, 0, 3, 0, WholeCountry());
    std::vector<Fill> want;
    for (const int dLat : {0, 5, 10})
        for (const int x : {0, 7, 15, 22})
            want.push_back({{x, 15 - dLat - kSubHeight, x + kSubWidth, 15 - dLat}, CLayerRenderer::ClassRampColour(5)});
    EXPECT_EQ(Painted(Cells(dc)), Painted(want));
}

TEST_F(ReliefMeshes, ClassesAboveElevenShadeAsTheTopClass)
{
    CLayerRenderer& r = Renderer("");
    meshes::ReliefCells cells(r);
    cells.SizeSubCells();
    cells.SetBlock(1, 0, "5339");
    cells.Fill(kMeshSouth, kMeshWest, 12);
    cells.Fill(kMeshSouth, kMeshWest, 11);
    EXPECT_EQ(Painted(Cells(dc)), Painted(SubCells(0, 0, vd::RGB(88, 0, 0))));
}

TEST_F(ReliefMeshes, WhiteMapBlocksRoundTheCentreAndTheLegendRule)
{
    // Nine blocks round 5339: 5438 is block 0 (north-west), 5240 block 8 (south-east); their
    // cells are drawn, whatever the frame.
    folder.WriteLines("Msh_prft.dat", {"5339=13", "5438=14", "5240=15"});
    Write("climate_13.txt", {Climate(Cell5339(0, 0, 0, 0), 5)});
    Write("climate_14.txt", {Climate("54380000", 5)});
    Write("climate_15.txt", {Climate("52400000", 5)});
    CLayerRenderer& r = Renderer(PerPrefecture("climate_x"), 800);
    r.North = 134400;
    r.West = 496800;
    r.South = 124800;
    r.East = 507600;
    r.DrawWhitePrefectureMeshCells(9, 0, 3, WholeCountry());
    int fills = 0;
    for (const vd::RecordedCall& c : dc.Calls())
        fills += c.op.kind == vd::DrawOp::FillSolidRect ? 1 : 0;
    EXPECT_EQ(fills, 3);
    EXPECT_TRUE(dc.Texts().empty()); // item code 800: no legend

    // Designated areas: the white-map scale shrink with two blocks or more, zero totals skipped,
    // and no legend at full detail even from item code 801.
    dc.Clear();
    const std::string area = MeshRecord(Cell5339(0, 0, 0, 0)).Number(13, 5, 100).Number(38, 5, 80).Size(300);
    const std::string noArea = MeshRecord(Cell5339(0, 0, 0, 2)).Number(13, 5, 0).Number(38, 5, 80).Size(300);
    Write("areas_xx13.txt", {area, noArea});
    CLayerRenderer& d = Renderer(PerPrefecture("areas_xx"), 900);
    d.DrawWhiteDesignatedAreaCells(9, 10, 0, WholeCountry());
    EXPECT_FLOAT_EQ(d.XScale, 0.9974748f);
    EXPECT_EQ(Cells(dc).size(), 1u);
    EXPECT_TRUE(dc.Texts().empty());
    dc.Clear();
    Renderer(PerPrefecture("areas_xx"), 900).DetailLevel = 2;
    renderer->DrawWhiteDesignatedAreaCells(1, 10, 0, WholeCountry());
    EXPECT_EQ(renderer->XScale, 1.0f);
    EXPECT_FALSE(dc.Texts().empty());
}

TEST_F(ReliefMeshes, WhiteSingleFileReadLimit)
{
    // Forest flag 0 reads the coastal sea; after a drawn cell, 5000 records in a row outside
    // the frame end the file (the extent is under two 3500-second steps wide).
    std::vector<std::string> lines{MeshRecord(Cell5339(0, 0, 0, 0)).Number(13, 4, 30).Size(40)};
    for (int i = 0; i < 5000; ++i)
        lines.push_back(MeshRecord("64400000").Size(20));
    lines.push_back(MeshRecord(Cell5339(0, 0, 0, 1)).Number(13, 4, 30).Size(40));
    const std::string sea = Write("sea.txt", lines);
    CLayerRenderer& r = Renderer(sea, 800);
    r.DrawWhiteSingleFileMeshCells(0, 9, 110, 0);
    EXPECT_FLOAT_EQ(r.XScale, 0.9974748f);
    const std::size_t narrow = Cells(dc).size();

    // Twice 3500 seconds wide: the limit is 20000, so the last record is drawn too.
    dc.Clear();
    CLayerRenderer& wide = Renderer(sea, 800);
    wide.East = kMeshWest + 7000;
    wide.DrawWhiteSingleFileMeshCells(0, 1, 110, 0);
    EXPECT_EQ(narrow, 1u);
    EXPECT_EQ(Cells(dc).size(), 2u);
}

} // namespace
