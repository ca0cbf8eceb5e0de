// The builder's work grid: where soundings land, which are dropped, and the one-pass gap fill.
#include "SubmarineFixtures.h"

#include "submarine/DepthWorkGrid.h"

#include <gtest/gtest.h>

using namespace submarinetest;

namespace {

struct Cell {
    int row, column, depth;
};

DepthWorkGrid GridOf(const std::vector<Cell>& soundings)
{
    DepthWorkGrid grid;
    grid.Clear(kBlock34_134.north, kBlock34_134.west);
    for (const Cell& c : soundings)
        grid.Place(*ParseDepthLine(CellLine(kBlock34_134, c.row, c.column, c.depth)));
    return grid;
}

} // namespace

TEST(DepthWorkGrid, SoundingsLandInTheirCellsAndTheFirstWins)
{
    DepthWorkGrid grid = GridOf({{0, 0, 11}, {479, 479, 22}, {200, 300, 33}, {200, 300, 44}});
    EXPECT_EQ(grid.At(0, 0), 11);
    EXPECT_EQ(grid.At(479, 479), 22);
    EXPECT_EQ(grid.At(200, 300), 33);

    // On the block's south or east edge the row or column is 480: dropped. On its north and west
    // edges: row and column 0. Outside, and depths of 0 or less: dropped.
    const char* lines[] = {"1 34.0 135.0 5", "1 35.0 137.0 6", "1 36.0 134.0 7", "1 33.99 135.0 8",
                           "1 35.0 137.01 9", "1 35.5 135.5 0", "1 35.5 135.5 -4", "1 1e30 135.5 9"};
    grid.Clear(kBlock34_134.north, kBlock34_134.west);
    for (const char* line : lines)
        grid.Place(*ParseDepthLine(line));
    int filled = 0;
    for (int r = 0; r < kDepthWorkGridSide; ++r)
        for (int c = 0; c < kDepthWorkGridSide; ++c)
            filled += grid.At(r, c) != 0;
    EXPECT_EQ(filled, 1);
    EXPECT_EQ(grid.At(0, 0), 7);
}

TEST(DepthWorkGrid, GapFillTakesNorthThenWestThenNorthWestFromSoundingsOnly)
{
    struct Case {
        const char* what;
        std::vector<Cell> soundings;
        int row, column;
        float expected;
    };
    const Case cases[] = {
        {"north and west: north", {{9, 10, 5}, {10, 9, 7}}, 10, 10, 5},
        {"west and north-west: west", {{10, 9, 7}, {9, 9, 3}}, 10, 10, 7},
        {"north and north-west: north", {{9, 10, 5}, {9, 9, 3}}, 10, 10, 5},
        {"only north-west: empty", {{9, 9, 3}}, 10, 10, 0},
        {"only north: empty", {{9, 10, 5}}, 10, 10, 0},
        {"a filled cell is no source", {{9, 10, 5}, {10, 9, 7}}, 10, 11, 0},
        {"a filled cell is no source below", {{9, 10, 5}, {10, 9, 7}}, 11, 10, 0},
        {"top row takes its west neighbour", {{0, 9, 4}}, 0, 10, 4},
        {"left column takes its north neighbour", {{9, 0, 6}}, 10, 0, 6},
        {"north-west corner stays empty", {{0, 1, 2}, {1, 0, 2}, {1, 1, 2}}, 0, 0, 0},
        {"right edge: three columns", {{10, 477, 8}}, 10, 479, 8},
        {"next to the right edge: the usual window", {{10, 477, 8}}, 10, 478, 0},
        {"bottom edge: three rows", {{477, 20, 9}}, 479, 20, 9},
        {"bottom edge, next column", {{477, 20, 9}}, 479, 21, 9},
        {"above the bottom edge: the usual window", {{477, 20, 9}}, 478, 20, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DepthWorkGrid grid = GridOf(c.soundings);
        grid.FillGaps();
        EXPECT_EQ(grid.At(c.row, c.column), c.expected);
    }
}

TEST(DepthWorkGrid, MeshPartsCountAndTruncate)
{
    DepthWorkGrid grid = GridOf({{160, 160, 100}, {319, 319, 40000}, {161, 170, 7}});
    EXPECT_EQ(grid.DataCells(1, 1), 3);
    EXPECT_EQ(grid.DataCells(0, 0), 0);
    const DepthMeshCells cells = grid.MeshCells(1, 1);
    EXPECT_EQ(cells[0], 100);
    EXPECT_EQ(cells[1 * 160 + 10], 7);
    EXPECT_EQ(cells[159 * 160 + 159], std::int16_t(40000 - 65536)); // truncated to 16 bits
}
