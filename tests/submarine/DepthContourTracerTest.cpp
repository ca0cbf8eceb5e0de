// The contour tracing shared by the depth maps, on small grids: the levels tried, the crossings of
// a square, the saddle, what stops a square, and the pens.
#include "submarine/depthmaps/DepthContourTracer.h"

#include "platform/dc/RecordingDc.h"

#include <gtest/gtest.h>

namespace {

// Columns and rows 10 pixels apart from (0, 0).
ContourAxes TenPixelAxes(int side)
{
    ContourAxes axes;
    axes.p = axes.q = 10.0f;
    for (int k = 0; k < side; ++k) {
        axes.x.push_back(10.0f * float(k));
        axes.y.push_back(10.0f * float(k));
    }
    return axes;
}

// A 2 x 2 grid: north-west, north-east, south-east, south-west.
DepthGrid Square(int nw, int ne, int se, int sw)
{
    DepthGrid grid(2);
    grid.Cell(0, 0) = nw;
    grid.Cell(0, 1) = ne;
    grid.Cell(1, 1) = se;
    grid.Cell(1, 0) = sw;
    return grid;
}

std::vector<vd::Segment> Trace(const DepthGrid& grid, int greatest, vd::RecordingDc& dc)
{
    const auto pens = MakeContourPens(ContourPenSet::ContourMap, int(vd::RGB(0, 255, 255)));
    dc.SelectObject(pens[0]);
    TraceDepthContours(dc, grid, TenPixelAxes(grid.Side()), greatest, pens);
    return dc.Segments();
}

} // namespace

TEST(DepthContourLevels, DeepestFirstAndNext)
{
    const struct {
        int depth, deepest, first;
    } cases[] = {{4321, 5000, 3000}, {5000, 6000, 4000}, {999, 1000, 100},  {1600, 2000, 500},
                 {800, 1000, 100},   {1499, 2000, 100},  {1500, 2000, 500}, {0, 1000, 100}};
    for (const auto& c : cases) {
        EXPECT_EQ(DeepestContourLevel(c.depth), c.deepest) << c.depth;
        EXPECT_EQ(FirstContourLevel(c.depth), c.first) << c.depth;
    }
    EXPECT_EQ(NextContourLevel(100), 200);
    EXPECT_EQ(NextContourLevel(200), 500);
    EXPECT_EQ(NextContourLevel(500), 1000);
    EXPECT_EQ(NextContourLevel(4000), 4500);
}

TEST(DepthContourTracer, ASaddleJoinsTheNearerCrossings)
{
    // At 200 m: +100, -50, +100, -50. Crossings north (6.67, 0), east (10, 3.33), south
    // (3.33, 10), west (0, 6.67); the fourth is farther from the first than the second is, so
    // third to fourth, then first to second.
    vd::RecordingDc dc;
    EXPECT_EQ(Trace(Square(300, 150, 300, 150), 300, dc),
              (std::vector<vd::Segment>{{{3, 10}, {0, 6}}, {{6, 0}, {10, 3}}}));

    // The other way round: the fourth nearer the first.
    dc.Clear();
    EXPECT_EQ(Trace(Square(150, 300, 150, 300), 300, dc),
              (std::vector<vd::Segment>{{{3, 0}, {0, 3}}, {{10, 6}, {6, 10}}}));
}

TEST(DepthContourTracer, SquaresWithoutDepthOrAboveTheFirstLevelGetNoLine)
{
    vd::RecordingDc dc;
    EXPECT_TRUE(Trace(Square(300, 0, 150, 150), 300, dc).empty());
    EXPECT_TRUE(Trace(Square(50, 60, 70, 99), 300, dc).empty());
    // A corner exactly at a level counts as a hair deeper: at 100 m the two 100 m corners give no
    // crossing, at 200 m the two 200 m corners give one line.
    EXPECT_EQ(Trace(Square(200, 100, 100, 200), 300, dc), (std::vector<vd::Segment>{{{0, 0}, {0, 10}}}));
}

TEST(DepthContourTracer, EachLevelTakesThePenOfItsThousandsAndTheEndPixel)
{
    // From 1600 to 9800 m across the square: levels 500 (first) up to the deepest 10000; lines at
    // 2000 ... 9500, each level with pen level / 1000, 9000 and deeper with the last pen.
    vd::RecordingDc dc;
    Trace(Square(1600, 9800, 9800, 1600), 9800, dc);
    const auto pens = MakeContourPens(ContourPenSet::ContourMap, int(vd::RGB(0, 255, 255)));
    std::vector<int> penOfLine;
    for (const vd::RecordedCall& call : dc.Calls()) {
        if (call.op.kind == vd::DrawOp::LineTo) {
            for (int j = 0; j < kContourPens; ++j)
                if (call.state.pen == pens[j])
                    penOfLine.push_back(j);
        } else if (call.op.kind == vd::DrawOp::SetPixel) {
            EXPECT_EQ(call.op.colour, call.state.pen.Colour());
        }
    }
    EXPECT_EQ(penOfLine, (std::vector<int>{2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 8, 8, 8}));
}
