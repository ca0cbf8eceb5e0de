// The third-order mesh members drawn into a RecordingDc: the cell and value forms of the
// per-prefecture and single-file themes, the census members, the whole-country members through
// OnDdPlainMeshTavrel, the read limits and stops, the legend rule and the objects left selected.
#include "contracts/pelmora.h"
#include "layers/render/EntryPointFrame.h"
#include "layers/render/LayerRenderer.h"
#include "layers/render/meshes/MeshLayer.h"
#include "platform/dc/ImageDc.h"
#include "platform/dc/RecordingDc.h"
#include "tests/layers/render/LayerFixtures.h"
#include "tests/layers/render/MeshFixtures.h"
#include "tests/layers/render/PointFixtures.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using layers_test::Cell5339;
using layers_test::Cells;
using layers_test::Fill;
using layers_test::WholeCountry;
using layers_test::FileBytes;
using layers_test::LayerFolder;
using layers_test::MeshRecord;
using vd::DrawOp;
using vd::Rect;

// Mesh 5339 at one pixel per arc-second.
constexpr int kNorth = 129600;
constexpr int kWest = 500400;
constexpr int kSouth = 127200;
constexpr int kEast = 504000;

// A January mean temperature (item 3, tenths at column 90) of a climate record.
std::string Climate(const std::string& code, int tenths, int observation = 0)
{
    return MeshRecord(code).Number(13, 1, observation).Number(90, 4, tenths).Size(300);
}

// A coastal-sea record with its mean depth (item 0, column 13).
std::string Sea(const std::string& code, int depth) { return MeshRecord(code).Number(13, 4, depth).Size(40); }

std::vector<vd::Point> Pixels(const vd::RecordingDc& dc)
{
    std::vector<vd::Point> pixels;
    for (const vd::RecordedCall& c : dc.Calls())
        if (c.op.kind == DrawOp::SetPixel)
            pixels.push_back(c.op.points.empty() ? vd::Point{c.op.rect.left, c.op.rect.top} : c.op.points[0]);
    return pixels;
}

class MeshLayers : public ::testing::Test {
protected:
    void SetUp() override { folder.WriteLines("Msh_prft.dat", {"5339=13 14"}); }

    LayerDrawParams Params(const std::string& dataSet, int detailLevel, int itemCode)
    {
        return layers_test::Mesh5339Params(dataSet, folder.Windows(), detailLevel, itemCode);
    }
    CLayerRenderer& Renderer(const std::string& dataSet, int detailLevel, int itemCode = 900)
    {
        renderer.emplace(dc, Params(dataSet, detailLevel, itemCode));
        return *renderer;
    }
    std::string Write(const std::string& name, const std::vector<std::string>& rawLines)
    {
        folder.WriteBytes(name, FileBytes(rawLines));
        return folder.Windows() + name;
    }
    std::string PerPrefecture(const std::string& stem) { return folder.Windows() + "(" + stem + ")"; }

    LayerFolder folder;
    vd::RecordingDc dc;
    std::optional<CLayerRenderer> renderer;
};

TEST_F(MeshLayers, ClimateCellsInTheirClassColours)
{
    // 14.txt is missing: skipped. Cells are 46 x 31 pixels, their top-left at (x + 2, y - 30).
    Write("climate_13.txt", {"H header", Climate(Cell5339(0, 0, 0, 0), -5), Climate(Cell5339(0, 0, 0, 1), 5),
                             Climate(Cell5339(1, 0, 3, 4), 5), Climate("53400000", 5)});
    const int result = Renderer(PerPrefecture("climate_x"), 3).DrawPrefectureMeshCells(-1, 0, 3, 0, WholeCountry());
    const vd::COLORREF class4 = CLayerRenderer::ClassRampColour(4), class5 = CLayerRenderer::ClassRampColour(5);
    EXPECT_EQ(Cells(dc),
              (std::vector<Fill>{
                  {{2, 2370, 48, 2401}, class4}, {{47, 2370, 93, 2401}, class5}, {{182, 1980, 228, 2011}, class5}}));
    // The legend (R = 900 + 30 without a status box) is the climate layout: 260 high.
    EXPECT_EQ(result, 265);
    EXPECT_EQ(dc.Texts().front().text, "平均気温 1月 [℃]");
    EXPECT_EQ(dc.State().bkMode, vd::OPAQUE);
    EXPECT_EQ(dc.State().bkColour, vd::RGB(255, 255, 255));

    // Item code 800: no legend, -1.
    dc.Clear();
    EXPECT_EQ(Renderer(PerPrefecture("climate_x"), 3, 800).DrawPrefectureMeshCells(-1, 1000, 3, 0, WholeCountry()), -1);
    EXPECT_EQ(Cells(dc).size(), 3u);
    EXPECT_TRUE(dc.Texts().empty());
}

TEST_F(MeshLayers, CellsAcrossTheWestEdgeAtFullDetail)
{
    // The view starts 10 seconds into the first column of cells: at full detail the limits are
    // rounded down to whole cells and the cell is drawn; below it, it lies outside.
    Write("climate_13.txt", {Climate(Cell5339(0, 0, 1, 0), -5)});
    for (const int detail : {3, 2}) {
        dc.Clear();
        CLayerRenderer& r = Renderer(PerPrefecture("climate_x"), detail);
        r.West = kWest + 10;
        r.DrawPrefectureMeshCells(-1, 0, 3, 0, WholeCountry());
        EXPECT_EQ(Cells(dc).size(), detail == 3 ? 1u : 0u) << detail;
    }
}

TEST_F(MeshLayers, MeshWithoutPrefecturesReadsNothing)
{
    folder.WriteLines("Msh_prft.dat", {"5440=13"});
    Write("climate_13.txt", {Climate(Cell5339(0, 0, 0, 0), -5)});
    Renderer(PerPrefecture("climate_x"), 3).DrawPrefectureMeshCells(-1, 0, 3, 0, WholeCountry());
    EXPECT_TRUE(Cells(dc).empty());
}

TEST_F(MeshLayers, ClimateValuesByDetailLevel)
{
    Write("climate_13.txt", {Climate(Cell5339(0, 0, 1, 0), 12, 1), Climate(Cell5339(0, 0, 2, 0), -30, 0)});
    Renderer(PerPrefecture("climate_x"), 3).DrawPrefectureMeshValues(-1, 0, 3, 0, WholeCountry());
    auto texts = dc.Texts();
    ASSERT_GE(texts.size(), 2u);
    EXPECT_EQ(texts[0].at, (vd::Point{0, 2370 - 6}));
    EXPECT_EQ(texts[0].text, "1.2");
    EXPECT_EQ(texts[0].colour, vd::RGB(255, 0, 0));
    EXPECT_EQ(texts[1].colour, vd::RGB(0, 0, 0));
    // The value legend: no swatches.
    EXPECT_EQ(texts.back().text, "○：観測地点と測定値");

    // Below full detail: a circle and a red value for the observation point, a dot for the other.
    dc.Clear();
    Renderer(PerPrefecture("climate_x"), 2).DrawPrefectureMeshValues(-1, 0, 3, 0, WholeCountry());
    texts = dc.Texts();
    EXPECT_EQ(texts[0].at, (vd::Point{4, 2370 - 6}));
    EXPECT_EQ(texts[0].colour, vd::RGB(255, 0, 0));
    int ellipses = 0;
    for (const vd::RecordedCall& c : dc.Calls())
        if (c.op.kind == DrawOp::Ellipse) {
            ++ellipses;
            EXPECT_EQ(c.op.rect, (Rect{-2, 2368, 2, 2372}));
        }
    EXPECT_EQ(ellipses, 1);
    EXPECT_EQ(Pixels(dc).size(), 1u);
}

TEST_F(MeshLayers, DesignatedAreasSkipZeroTotals)
{
    // Item 0: city planning above 70 % of the total (columns 38 and 43).
    const std::string shared = MeshRecord(Cell5339(0, 0, 0, 0)).Number(13, 5, 100).Number(38, 5, 80).Size(300);
    const std::string noTotal = MeshRecord(Cell5339(0, 0, 0, 2)).Number(13, 5, 0).Number(38, 5, 80).Size(300);
    Write("areas_xx13.txt", {shared, noTotal});
    // One block at detail 2: the value form raises it to 3 and writes the mark.
    Renderer(PerPrefecture("areas_xx"), 2).DrawPrefectureMeshValues(-1, 10, 0, 0, WholeCountry());
    const auto texts = dc.Texts();
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts[0].text, "*");
    EXPECT_EQ(texts[0].at, (vd::Point{0, 2394}));
    EXPECT_EQ(texts[1].text, "* 都市計画区域"); // the legend follows at once
    EXPECT_TRUE(Pixels(dc).empty());
}

TEST_F(MeshLayers, CoastalSeaCellsStopAtTheEndMark)
{
    const std::string sea = Write("sea.txt", {"H", Sea(Cell5339(0, 0, 0, 0), 30), Sea(Cell5339(0, 0, 0, 1), 150),
                                              Sea(Cell5339(0, 0, 0, 2), 0), "D end", Sea(Cell5339(0, 0, 0, 3), 30)});
    const int result = Renderer(sea, 3).DrawSingleFileMeshCells(-1, 110, 0, 0);
    EXPECT_EQ(Cells(dc), (std::vector<Fill>{{{2, 2370, 48, 2401}, CLayerRenderer::ClassRampColour(1)},
                                            {{47, 2370, 93, 2401}, CLayerRenderer::ClassRampColour(2)}}));
    EXPECT_GT(result, 5);
    EXPECT_EQ(dc.Texts().front().text, "平均水深 [ｍ]");
}

TEST_F(MeshLayers, SingleFileStopsAfterTheReadLimit)
{
    // After the first drawn cell, 5000 records outside in a row end the reading; 4999 do not.
    for (const int misses : {4999, 5000}) {
        std::vector<std::string> lines{Sea(Cell5339(0, 0, 0, 0), 30)};
        lines.insert(lines.end(), std::size_t(misses), Sea("54400000", 30));
        lines.push_back(Sea(Cell5339(0, 0, 0, 1), 30));
        dc.Clear();
        Renderer(Write("sea.txt", lines), 3).DrawSingleFileMeshCells(-1, 110, 0, 0);
        EXPECT_EQ(Cells(dc).size(), misses == 4999 ? 2u : 1u) << misses;
    }
    const struct {
        int west, east, blocks, detail, limit;
    } limits[] = {{0, 6999, 1, 3, 5000},
                  {0, 7000, 1, 3, 20000},
                  {0, 10500, 1, 3, 30000},
                  {0, 100, 9, 3, 20000},
                  {0, 100, 9, 2, 5000}};
    for (const auto& l : limits) {
        CLayerRenderer& r = Renderer("", l.detail);
        r.West = l.west, r.East = l.east;
        EXPECT_EQ(meshes::MeshReadLimit(r, l.blocks), l.limit) << l.east << " " << l.blocks;
    }
}

TEST_F(MeshLayers, MissingSingleFileAnswersMinusOne)
{
    const vd::DcState before = dc.State();
    EXPECT_EQ(Renderer(folder.Windows() + "none.txt", 3).DrawSingleFileMeshValues(-1, 110, 0, 0), -1);
    EXPECT_EQ(dc.State().pen, before.pen);
    EXPECT_EQ(dc.State().font, before.font);
    EXPECT_EQ(dc.State().bkMode, vd::OPAQUE);
    EXPECT_TRUE(dc.Texts().empty());
}

TEST_F(MeshLayers, CoastalSeaValues)
{
    const std::string sea = Write("sea.txt", {Sea(Cell5339(0, 0, 0, 0), 150), Sea(Cell5339(0, 0, 0, 1), 0)});
    Renderer(sea, 3).DrawSingleFileMeshValues(-1, 110, 0, 0);
    const auto texts = dc.Texts();
    EXPECT_EQ(texts[0].text, "-150");
    EXPECT_EQ(texts[0].at, (vd::Point{3, 2394}));
    EXPECT_EQ(texts[1].text, "平均水深 [ｍ]"); // the record without a depth is skipped
    dc.Clear();
    Renderer(sea, 2).DrawSingleFileMeshValues(-1, 110, 0, 0);
    EXPECT_EQ(Pixels(dc).size(), 2u);
}

// A class table of 28 groups: group 0 reads columns 38-45 with interval 10, the rest nothing.
std::string ClassSpec()
{
    std::string spec = "小売業 その他/38/45/10#";
    for (int g = 1; g < 28; ++g)
        spec += "項目/0/0/1#";
    return spec;
}

TEST_F(MeshLayers, CensusTableRowZeroFeedsCommerceItemSix)
{
    const std::string record = MeshRecord(Cell5339(0, 0, 0, 0)).Put(37, "      25").Size(2000);
    Write("commerc_13.txt", {record, MeshRecord(Cell5339(0, 0, 0, 1)).Put(37, "      47").Size(2000)});
    const int result =
        Renderer(PerPrefecture("commerc_"), 2).OnPlainLclMeshCensas(-1, 1200, 6, 1, 0, ClassSpec(), WholeCountry());
    // The cell form works at full detail: classes 25 / 10 and 47 / 10.
    EXPECT_EQ(Cells(dc), (std::vector<Fill>{{{2, 2370, 48, 2401}, CLayerRenderer::ClassRampColour(2)},
                                            {{47, 2370, 93, 2401}, CLayerRenderer::ClassRampColour(4)}}));
    EXPECT_GT(result, 5);
    const auto texts = dc.Texts();
    EXPECT_EQ(texts.front().text, "小売業 その他");
    EXPECT_EQ(texts[1].text, "   0～");
    EXPECT_EQ(texts[2].text, "  10～");
    EXPECT_EQ(texts.back().text.rfind("計=72", 0), 0u) << texts.back().text;
}

TEST_F(MeshLayers, AgricultureFilesAndTheValueForm)
{
    // Item 0 (farm population) at the fixed column 57, 8 wide; the file name takes "_".
    Write("agricult_13.txt", {MeshRecord(Cell5339(0, 0, 0, 0)).Put(57, "     321").Size(2000)});
    Renderer(PerPrefecture("agricult"), 3).OnPlainLclMeshCensas(-1, 220, 0, 0, 0, ClassSpec(), WholeCountry());
    ASSERT_FALSE(dc.Texts().empty());
    EXPECT_EQ(dc.Texts()[0].text, "321");
    EXPECT_EQ(dc.Texts()[0].at, (vd::Point{0, 2394}));

    // The value form below full detail: black pixels only.
    dc.Clear();
    Renderer(PerPrefecture("agricult"), 2).OnPlainLclMeshCensas(-1, 220, 0, 0, 0, ClassSpec(), WholeCountry());
    EXPECT_EQ(Pixels(dc).size(), 1u);
    EXPECT_EQ(dc.Texts()[0].text, "農家人口総数");
}

TEST_F(MeshLayers, ProgressFlagAbove10000DropsTheRounding)
{
    Write("agricult_13.txt", {MeshRecord(Cell5339(0, 0, 0, 0)).Put(57, "     321").Size(2000)});
    for (const int flag : {3, 10003}) {
        dc.Clear();
        CLayerRenderer& r = Renderer(PerPrefecture("agricult"), 3);
        r.ProgressFlag = flag;
        r.OnPlainLclMeshCensas(-1, 220, 0, 1, 0, ClassSpec(), WholeCountry());
        EXPECT_EQ(r.ProgressFlag, 3);
        // Rounded: the legend from y 450; not rounded: from the status line (700).
        const auto texts = dc.Texts();
        bool found = false;
        for (const auto& t : texts)
            if (t.text == "農家人口総数") {
                found = true;
                EXPECT_EQ(t.at.y, (flag == 3 ? 450 : 700) - 434) << flag;
            }
        EXPECT_TRUE(found);
    }
}

TEST_F(MeshLayers, EveryMemberLeavesTheCallersObjectsSelected)
{
    Write("climate_13.txt", {Climate(Cell5339(0, 0, 0, 0), -5, 1)});
    Write("commerc_13.txt", {MeshRecord(Cell5339(0, 0, 0, 0)).Put(37, "      25").Size(2000)});
    const std::string sea = Write("sea.txt", {Sea(Cell5339(0, 0, 0, 0), 30)});
    const std::string climate = PerPrefecture("climate_x");
    const std::vector<std::pair<std::string, std::function<int(CLayerRenderer&)>>> members{
        {climate, [](CLayerRenderer& r) { return r.DrawPrefectureMeshValues(-1, 0, 3, 0, WholeCountry()); }},
        {climate, [](CLayerRenderer& r) { return r.DrawPrefectureMeshCells(-1, 0, 3, 0, WholeCountry()); }},
        {sea, [](CLayerRenderer& r) { return r.DrawSingleFileMeshValues(-1, 110, 0, 0); }},
        {sea, [](CLayerRenderer& r) { return r.DrawSingleFileMeshCells(-1, 110, 0, 0); }},
        {PerPrefecture("commerc_"),
         [](CLayerRenderer& r) { return r.OnPlainLclMeshCensas(-1, 200, 6, 1, 0, ClassSpec(), WholeCountry()); }},
        {climate,
         [](CLayerRenderer& r) {
             r.DrawCountryPrefectureMeshCells(-1, 0, 3, WholeCountry());
             return 0;
         }},
        {sea,
         [](CLayerRenderer& r) {
             r.DrawCountrySingleFileMeshCells(-1, 110, 0);
             return 0;
         }},
    };
    for (std::size_t i = 0; i < members.size(); ++i) {
        vd::RecordingDc caller;
        const vd::Pen pen(vd::PS_SOLID, 3, vd::RGB(1, 2, 3));
        const vd::Brush brush(vd::RGB(4, 5, 6));
        vd::Font font;
        font.CreateFont(13, 0, 0, 0, vd::FW_NORMAL, false, false, false, vd::SHIFTJIS_CHARSET, vd::OUT_TT_PRECIS,
                        vd::CLIP_DEFAULT_PRECIS, vd::PROOF_QUALITY, vd::VARIABLE_PITCH, "caller");
        caller.SelectObject(pen);
        caller.SelectObject(brush);
        caller.SelectObject(font);
        RunLayerCall(&caller, Params(members[i].first, 3, 900), members[i].second);
        EXPECT_FALSE(Cells(caller).empty() && caller.Texts().empty()) << i;
        EXPECT_EQ(caller.State().pen, pen) << i;
        EXPECT_EQ(caller.State().brush, brush) << i;
        EXPECT_EQ(caller.State().font, font) << i;
    }
}

TEST_F(MeshLayers, LegendFontByMemberAndTheme)
{
    // The finishing steps choose the legend's font: code 1 (10 high), -999 (11) or -888 (12).
    Write("climate_13.txt", {Climate(Cell5339(0, 0, 0, 0), -5)});
    const std::string sea = Write("sea.txt", {Sea(Cell5339(0, 0, 0, 0), 30)});
    const std::string climate = PerPrefecture("climate_x");
    const struct {
        std::string dataSet;
        std::function<void(CLayerRenderer&)> draw;
        int height;
    } cases[] = {
        {climate, [](CLayerRenderer& r) { r.DrawPrefectureMeshCells(-1, 0, 3, 0, WholeCountry()); }, 10},
        {climate, [](CLayerRenderer& r) { r.DrawPrefectureMeshCells(-1, 10, 0, 0, WholeCountry()); }, 12},
        {climate, [](CLayerRenderer& r) { r.DrawPrefectureMeshCells(-1, 10, 5, 0, WholeCountry()); }, 11},
        {climate, [](CLayerRenderer& r) { r.DrawPrefectureMeshCells(-1, 20, 0, 0, WholeCountry()); }, 11},
        {climate, [](CLayerRenderer& r) { r.DrawPrefectureMeshValues(-1, 0, 3, 0, WholeCountry()); }, 11},
        {sea, [](CLayerRenderer& r) { r.DrawSingleFileMeshCells(-1, 110, 0, 0); }, 11},
        {sea, [](CLayerRenderer& r) { r.DrawCountrySingleFileMeshCells(-1, 110, 0); }, 12},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        dc.Clear();
        cases[i].draw(Renderer(cases[i].dataSet, 2));
        const auto texts = dc.Texts();
        ASSERT_FALSE(texts.empty()) << i;
        EXPECT_EQ(std::abs(texts.back().font.GetLogFont().lfHeight), cases[i].height) << i;
    }
}

TEST_F(MeshLayers, OverviewRenderOfSeaAndClimate)
{
    // Through the overview's entry point into a picture (no status box: R = 900 + 30, Y = 700):
    // the cells in their class colours and the legend's swatches in their ramp colours.
    Write("climate_13.txt", {Climate(Cell5339(0, 0, 0, 0), -5), Climate(Cell5339(0, 0, 0, 1), 5)});
    const std::string sea = Write("sea.txt", {Sea(Cell5339(0, 0, 0, 0), 30), Sea(Cell5339(0, 0, 0, 1), 150)});
    const auto render = [&](vd::ImageDc& image, int modeCode, int item, const std::string& dataSet) {
        image.FillSolidRect(0, 0, 1100, 2500, vd::RGB(255, 255, 255));
        OnDdPlainMeshTavrel(&image, 0, kNorth, kWest, kSouth, kEast, 0, 1, 1, -1, 3, modeCode, 900, item, 700, 0.0f,
                            0.0f, 1.0f, 1.0f, "/" + WholeCountry(), "5339", "", "", dataSet, folder.Windows(), "");
    };
    vd::ImageDc climate(1100, 2500);
    render(climate, 0, 3, PerPrefecture("climate_x"));
    // January means of -0.5 and +0.5 degrees: classes 4 and 5.
    EXPECT_EQ(climate.GetPixel(20, 2390), CLayerRenderer::ClassRampColour(4));
    EXPECT_EQ(climate.GetPixel(70, 2390), CLayerRenderer::ClassRampColour(5));
    // The climate legend's rows rise from y 520, their swatches 30 x 15 at (820, 495 - 20i).
    for (int i = 0; i < 11; ++i)
        EXPECT_EQ(climate.GetPixel(835, 502 - 20 * i), CLayerRenderer::ClassRampColour(i)) << i;

    vd::ImageDc coastal(1100, 2500);
    render(coastal, 110, 0, sea);
    EXPECT_EQ(coastal.GetPixel(20, 2390), CLayerRenderer::ClassRampColour(1));
    EXPECT_EQ(coastal.GetPixel(70, 2390), CLayerRenderer::ClassRampColour(2));
    // Row m of the depth legend filled 20 x 11 at (775, 285 + 15m).
    for (int m = 0; m < 11; ++m)
        EXPECT_EQ(coastal.GetPixel(785, 290 + 15 * m), CLayerRenderer::ClassRampColour(m)) << m;
}

} // namespace
