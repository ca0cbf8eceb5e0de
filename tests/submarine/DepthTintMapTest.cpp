// The depth tint map and its relief variant through their exports: the block read from small
// intermediate files, where each cell lands and in which colour, the deepest point's cross, the
// status lines and what is drawn when nothing can be.
#include "SubmarineFixtures.h"

#include "contracts/ombrisk.h"
#include "platform/dc/ImageDc.h"
#include "platform/dc/RecordingDc.h"

#include <gtest/gtest.h>

#include <map>

using namespace submarinetest;

namespace {

constexpr int kCyan = int(vd::RGB(0, 255, 255));
constexpr int kStatusBase = 600;
// Mesh 5235: 35-36 E, 34 40'-35 20' N, drawn 320 x 320 pixels from (10, 20).
constexpr int kWest = 135 * 3600;
constexpr int kEast = kWest + 3600;
constexpr int kSouth = 52 * 2400;
constexpr int kNorth = kSouth + 2400;
constexpr float kScaleX = 0.08888889f;
constexpr float kScaleY = 0.13333334f;

using Cells = std::map<std::pair<int, int>, int>;
auto From(const Cells& cells)
{
    return [cells](int r, int c) {
        const auto it = cells.find({r, c});
        return it == cells.end() ? 0 : it->second;
    };
}

// A cell of a one-mesh block at 320 x 320 pixels: 9 + trunc(k x 320 / 159) both ways.
vd::Point CellAt(int row, int column)
{
    const float pitch = 320.0f / 159.0f;
    return {int(float(column) * pitch + 10.0f - 1.0f), int(float(row) * pitch + 20.0f - 1.0f)};
}

class DepthTintMap : public ::testing::Test {
protected:
    void SetUp() override { depth = MakeFolder("depth"); }
    void Tint(vd::Dc& target, const std::string& mesh = "5235", int blockSize = 1, int width = 800, int contours = 0,
              int east = kEast)
    {
        OnSubmarineTpgraphyMesh(&target, depth.win, mesh, kStatusBase, width, 0, contours, 10, 20, kScaleX, kScaleY,
                                east, kNorth, kWest, kSouth, blockSize, kCyan);
    }
    void Relief(vd::Dc& target, int contours = 0)
    {
        OnSubmarineTpgraphyRelief(&target, depth.win, "5235", kStatusBase, 801, 0, contours, 10, 20, kScaleX, kScaleY,
                                  kEast, kNorth, kWest, kSouth, 1, 0);
    }
    // The fills by their top-left corner.
    std::map<std::pair<int, int>, vd::DrawOp> Fills() const
    {
        std::map<std::pair<int, int>, vd::DrawOp> fills;
        for (const vd::RecordedCall& call : dc.Calls())
            if (call.op.kind == vd::DrawOp::FillSolidRect)
                fills.emplace(std::make_pair(call.op.rect.left, call.op.rect.top), call.op);
        return fills;
    }
    vd::COLORREF FillAt(int row, int column) const
    {
        const vd::Point at = CellAt(row, column);
        const auto fills = Fills();
        const auto it = fills.find({at.x, at.y});
        return it == fills.end() ? vd::COLORREF(0xFFFFFFFF) : it->second.colour;
    }
    std::vector<std::string> TextsAt(int x) const
    {
        std::vector<std::string> texts;
        for (const vd::RecordedText& t : dc.Texts())
            if (t.at.x == x)
                texts.push_back(vd::format("%d:", t.at.y) + t.text);
        return texts;
    }

    Folder depth;
    vd::RecordingDc dc;
    const vd::Pen redCross{vd::PS_SOLID, 2, vd::RGB(255, 0, 0)};
};

} // namespace

TEST_F(DepthTintMap, CellsTakeTheColourOfTheirDepthClass)
{
    // Isolated soundings, which the gap fill leaves alone; two equally deep ones, the western
    // one crossed.
    WriteSeaFloorFile(depth, "Sf5235.dat",
                      From({{{10, 20}, 199},
                            {{10, 40}, 200},
                            {{10, 60}, 499},
                            {{10, 80}, 500},
                            {{10, 100}, 4321},
                            {{10, 120}, 9500},
                            {{30, 30}, 9500},
                            {{30, 40}, 32000}}));
    Tint(dc);
    const struct {
        int row, column;
        vd::COLORREF colour;
    } cases[] = {
        {10, 20, vd::RGB(0, 227, 255)},                                 // class 0: first ramp step
        {10, 40, vd::RGB(0, 199, 255)},                                 // class 1
        {10, 60, vd::RGB(0, 199, 255)}, {10, 80, vd::RGB(0, 171, 255)}, // class 2
        {10, 100, vd::RGB(0, 0, 245)},                                  // 4321 m: class 9
        {10, 120, vd::RGB(0, 0, 145)},                                  // class 19
        {30, 40, vd::RGB(0, 0, 145)},                                   // deeper than the table reaches
    };
    for (const auto& c : cases)
        EXPECT_EQ(FillAt(c.row, c.column), c.colour) << c.row << "," << c.column;
    EXPECT_EQ(Fills().size(), 8u);
    // Fill size: 320 / 160 + 1 both ways on mesh code 52.
    const vd::DrawOp fill = Fills().begin()->second;
    EXPECT_EQ(fill.rect.right - fill.rect.left, 3);
    EXPECT_EQ(fill.rect.bottom - fill.rect.top, 3);

    // The deepest cell is (30, 40); without contours it is crossed once.
    const vd::Point deepest = CellAt(30, 40);
    EXPECT_EQ(dc.Segments(redCross),
              (std::vector<vd::Segment>{{{deepest.x - 4, deepest.y}, {deepest.x + 5, deepest.y}},
                                        {{deepest.x, deepest.y - 4}, {deepest.x, deepest.y + 5}}}));
    EXPECT_EQ(TextsAt(5), std::vector<std::string>{"556:測深地点数=25600  最深度=32000m(赤＋地点)"});
}

TEST_F(DepthTintMap, TheFirstOfEquallyDeepCellsWestThenNorthIsCrossed)
{
    WriteSeaFloorFile(depth, "Sf5235.dat", From({{{40, 100}, 700}, {{30, 100}, 700}}));
    Tint(dc);
    ASSERT_EQ(dc.Segments(redCross).size(), 2u);
    EXPECT_EQ(dc.Segments(redCross)[0].from, (vd::Point{CellAt(30, 100).x - 4, CellAt(30, 100).y}));

    dc.Clear();
    WriteSeaFloorFile(depth, "Sf5235.dat", From({{{40, 100}, 700}, {{30, 100}, 700}, {{50, 90}, 700}}));
    Tint(dc, "5235", 1, 801);
    ASSERT_EQ(dc.Segments(redCross).size(), 2u);
    EXPECT_EQ(dc.Segments(redCross)[0].from, (vd::Point{CellAt(50, 90).x - 4, CellAt(50, 90).y}));
    // Wider than 800: the right-hand column.
    EXPECT_EQ(TextsAt(801 - 180), (std::vector<std::string>{"230:測深地点数=25600", "250:最深度=700m(赤＋地点)"}));
    // The caller's pen is back.
    EXPECT_EQ(dc.GetCurrentPen(), vd::RecordingDc().GetCurrentPen());
    EXPECT_EQ(dc.State().bkMode, vd::OPAQUE);
}

TEST_F(DepthTintMap, InnerGapsAreFilledOnceAndTheEdgesAreLeft)
{
    // (21, 21) has data north and west of it: it takes the northern value. (0, 5) in the top row
    // has data to its west, but the outer rows are not filled.
    WriteSeaFloorFile(depth, "Sf5235.dat",
                      From({{{20, 20}, 300}, {{20, 21}, 600}, {{21, 20}, 150}, {{0, 4}, 150}, {{1, 5}, 150}}));
    Tint(dc);
    EXPECT_EQ(FillAt(21, 21), vd::RGB(0, 171, 255));
    EXPECT_EQ(FillAt(0, 5), vd::COLORREF(0xFFFFFFFF));
    EXPECT_EQ(Fills().size(), 6u);
}

TEST_F(DepthTintMap, BlocksReadTheirFilesInPlaceAndHalveLargeOnes)
{
    // 2 x 2 from 5235: north-west file 5335, south-east 5236; fill 320 / 320 + 1 = 1, at least 2.
    WriteSeaFloorFile(depth, "Sf5335.dat", From({{{0, 0}, 300}}));
    WriteSeaFloorFile(depth, "Sf5236.dat", From({{{159, 159}, 600}}));
    Tint(dc, "5235", 2);
    auto fills = Fills();
    ASSERT_EQ(fills.size(), 2u);
    EXPECT_EQ(fills.begin()->second.colour, vd::RGB(0, 199, 255));
    EXPECT_EQ(fills.begin()->second.rect, (vd::Rect{9, 19, 11, 21}));
    EXPECT_EQ(fills.rbegin()->second.colour, vd::RGB(0, 171, 255));
    EXPECT_GE(fills.rbegin()->second.rect.left, 9 + 320 - 1); // the grid's last column at the east edge

    // 5 x 5: of each pair of file rows the second, of each pair of columns the first. The two
    // files above lie in the block as well (three files read), their cells on dropped rows or
    // columns.
    dc.Clear();
    WriteSeaFloorFile(depth, "Sf5635.dat", From({{{0, 0}, 9000}, {{1, 1}, 9000}, {{1, 0}, 300}}));
    Tint(dc, "5235", 5);
    fills = Fills();
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills.begin()->second.colour, vd::RGB(0, 199, 255));
    EXPECT_EQ(fills.begin()->second.rect.left, 9);
    EXPECT_EQ(TextsAt(5), std::vector<std::string>{"556:測深地点数=76800  最深度=300m(赤＋地点)"});
}

TEST_F(DepthTintMap, SouthOfCode51AOneMeshBlockFillsAPixelDeeper)
{
    WriteSeaFloorFile(depth, "Sf5035.dat", From({{{10, 10}, 300}}));
    Tint(dc, "5035");
    ASSERT_EQ(Fills().size(), 1u);
    EXPECT_EQ(Fills().begin()->second.rect.bottom - Fills().begin()->second.rect.top, 4);
}

TEST_F(DepthTintMap, AShortFileReadsItsMissingCellsAsZero)
{
    // Ten rows and half a run of the eleventh, and an odd byte.
    WriteSeaFloorFile(
        depth, "Sf5235.dat", [](int, int) { return 700; }, 2 * (160 * 10 + 5) + 1);
    Tint(dc);
    EXPECT_EQ(FillAt(10, 4), vd::RGB(0, 171, 255));
    EXPECT_EQ(FillAt(10, 5), vd::RGB(0, 171, 255)); // filled from the north
    EXPECT_EQ(FillAt(11, 5), vd::COLORREF(0xFFFFFFFF));
}

TEST_F(DepthTintMap, NothingIsDrawnWithoutFilesOrWithABadBlockOrArea)
{
    Tint(dc);
    EXPECT_TRUE(dc.Calls().empty());
    WriteSeaFloorFile(depth, "Sf5235.dat", [](int, int) { return 700; });
    for (int blockSize : {0, 4, 6, 8, -1}) {
        Tint(dc, "5235", blockSize);
        EXPECT_TRUE(dc.Calls().empty()) << blockSize;
    }
    Tint(dc, "5235", 1, 800, 0, kWest);
    EXPECT_TRUE(dc.Calls().empty());
    Relief(dc);
    EXPECT_FALSE(dc.Calls().empty());
}

TEST_F(DepthTintMap, ContourLinesGoOverTheTintWithTheTintPens)
{
    // A step from 150 m to 300 m between columns 50 and 51: the 200 m line runs down between
    // them, a square a line, X = j x P + 10 - 2 with P = 3600 / 159 x scale.
    WriteSeaFloorFile(depth, "Sf5235.dat", [](int, int c) { return c <= 50 ? 150 : 300; });
    Tint(dc, "5235", 1, 801, 1);
    const vd::Pen pen0(vd::PS_SOLID, 1, vd::RGB(0, 227, 255));
    const auto lines = dc.Segments(pen0);
    ASSERT_EQ(lines.size(), 159u);
    const float p = float(3600) / 159.0f * kScaleX;
    const float q = float(2400) / 159.0f * kScaleY;
    // 150 - 200 = -50 and 300 - 200 = 100: a third of the way across.
    const int x = int((50.0f * p + 10.0f - 2.0f) - (-50.0f) * p / 150.0f);
    EXPECT_EQ(lines[0], (vd::Segment{{x, int(0.0f * q + 20.0f - 2.0f)}, {x, int(1.0f * q + 20.0f - 2.0f)}}));
    // The end pixel is set in the pen's colour.
    bool endPixel = false;
    for (const vd::RecordedCall& call : dc.Calls())
        endPixel |= call.op.kind == vd::DrawOp::SetPixel && call.op.points.at(0) == lines[0].to &&
                    call.op.colour == vd::RGB(0, 227, 255);
    EXPECT_TRUE(endPixel);
    // The cross before and after the lines, the texts of the right-hand column in black.
    EXPECT_EQ(dc.Segments(redCross).size(), 4u);
    const auto texts = TextsAt(801 - 180);
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[2], "280:等深線は100m,200m");
    EXPECT_EQ(texts[3], "300:  それ以深で500m間隔");
    EXPECT_EQ(dc.GetCurrentPen(), vd::RecordingDc().GetCurrentPen());
}

TEST_F(DepthTintMap, ReliefShadesByClassAndSlopeAndLeavesTheLastRowAndColumn)
{
    // Flat at 500 m: k = 3. Falling 100 m eastwards: k = 6. Class 1 (1000 m and deeper): green 171.
    WriteSeaFloorFile(depth, "Sf5235.dat",
                      From({{{50, 50}, 500},
                            {{50, 51}, 500},
                            {{51, 51}, 500},
                            {{60, 60}, 500},
                            {{60, 61}, 600},
                            {{61, 61}, 600},
                            {{70, 70}, 2000},
                            {{70, 71}, 2000},
                            {{71, 71}, 2000},
                            {{5, 159}, 500},
                            {{159, 5}, 500}}));
    Relief(dc);
    EXPECT_EQ(FillAt(50, 50), vd::RGB(0, 199 - 18, 255 - 18));
    EXPECT_EQ(FillAt(60, 60), vd::RGB(0, 199 - 54, 255 - 54));
    EXPECT_EQ(FillAt(70, 70), vd::RGB(0, 171 - 18, 255 - 18));
    EXPECT_EQ(FillAt(5, 159), vd::COLORREF(0xFFFFFFFF));
    EXPECT_EQ(FillAt(159, 5), vd::COLORREF(0xFFFFFFFF));

    // On a picture: the flat cell's pixels.
    vd::ImageDc image(400, 400);
    image.FillSolidRect(0, 0, 400, 400, vd::RGB(255, 255, 255));
    Relief(image);
    const vd::Point at = CellAt(50, 50);
    EXPECT_EQ(image.GetPixel(at.x + 1, at.y + 1), vd::RGB(0, 181, 237));
}

TEST_F(DepthTintMap, NeighbouringCellsMeetWhereTheBlockRuleWouldLeaveSeams)
{
    // A 3 x 3 block 1040 pixels across: the rule's 1040 / 480 = 2 is narrower than the pitch of
    // 1040 / 479 = 2.17, so every few columns a white seam would run down the map.
    WriteSeaFloorFile(depth, "Sf5235.dat", [](int, int) { return 300; });
    OnSubmarineTpgraphyMesh(&dc, depth.win, "5134", kStatusBase, 1200, 0, 0, 10, 20, 1040.0f / 10800, 700.0f / 7200,
                            134 * 3600 + 10800, 51 * 2400 + 7200, 134 * 3600, 51 * 2400, 3, kCyan);
    std::vector<vd::Rect> row;
    const int top = Fills().begin()->second.rect.top;
    for (const vd::RecordedCall& call : dc.Calls())
        if (call.op.kind == vd::DrawOp::FillSolidRect && call.op.rect.top == top)
            row.push_back(call.op.rect);
    ASSERT_EQ(row.size(), 160u);
    EXPECT_EQ(row[0].right - row[0].left, 3);
    for (std::size_t j = 1; j < row.size(); ++j)
        EXPECT_LE(row[j].left, row[j - 1].right) << j;
}
