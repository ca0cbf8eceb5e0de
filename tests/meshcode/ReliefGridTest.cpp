// TEMP\RELIEF.DAT: the grid of each block, the bytes read, the level of a corner and the shades.
#include "meshcode/ReliefGrid.h"
#include "tests/layers/render/LayerFixtures.h"

#include <gtest/gtest.h>

namespace {

using meshcode::ReliefGridSpec;
using meshcode::WideAreaBlock;

// Mesh 5339's south-west corner.
constexpr int kLatitude = 127200;
constexpr int kLongitude = 500400;

std::string Bytes(std::size_t size, std::initializer_list<std::pair<std::size_t, char>> set)
{
    std::string bytes(size, '\0');
    for (const auto& [at, value] : set)
        bytes[at] = value;
    return bytes;
}

TEST(ReliefShade, SubtractsLevelTimesLevelPlusThreeAndFloorsAtFive)
{
    const vd::COLORREF white = vd::RGB(255, 255, 255);
    const int subtrahends[] = {0, 4, 10, 18, 28, 40, 54, 70, 88, 108};
    for (int i = 0; i < meshcode::kReliefLevels; ++i)
        EXPECT_EQ(meshcode::ReliefShade(white, i), vd::RGB(255 - subtrahends[i], 255 - subtrahends[i], 255 - subtrahends[i]));
    EXPECT_EQ(meshcode::ReliefShade(vd::RGB(0, 255, 0), 9), vd::RGB(5, 147, 5));
    EXPECT_EQ(meshcode::ReliefShade(vd::RGB(3, 4, 10), 1), vd::RGB(5, 0, 6));

    const meshcode::ReliefShadeTable<2> table({vd::RGB(0, 255, 0), vd::RGB(88, 0, 0)});
    EXPECT_EQ(table.At(0, 9), vd::RGB(5, 147, 5));
    EXPECT_EQ(table.At(1, 0), vd::RGB(88, 0, 0));
    EXPECT_EQ(table.At(1, 2), vd::RGB(78, 5, 5));
}

TEST(ReliefGridOf, EachBlockOfTheTablesAndNoneForTheOthers)
{
    struct Row {
        WideAreaBlock block;
        ReliefGridSpec want;
    } rows[] = {
        {{0, 1, 0, "", "5339", "", ""}, {2, 15, 4, 45, 6, 102400}},
        {{0, -1, 0, "", "5339", "", ""}, {2, 15, 4, 45, 6, 102400}},
        {{0, 2, 0, "", "5339", "", ""}, {2, 30, 4, 90, 6, 230400}},
        {{0, 3, 0, "", "5339", "", ""}, {2, 15, 4, 45, 6, 409600}},
        {{1, 0, 1, "", "5339", "", ""}, {1, 30, 1, 45, 6, 6400}},
        {{2, 0, 2, "広域3", "", "5339", ""}, {1, 30, 1, 45, 6, 57600}},
        {{1, 0, 2, "広域5", "", "", "5339"}, {1, 30, 1, 45, 6, 160000}},
        {{3, 1, 0, "", "533945", "", ""}, {2, 3, 20, 45, 18, 40000}},
        {{3, 2, 0, "", "533945", "", ""}, {2, 3, 4, 9, 18, 160000}},
        {{3, 12, 0, "", "533945", "", ""}, {1, 3, 2, 9, 10, 160000}},
    };
    for (const Row& row : rows) {
        const ReliefGridSpec got = meshcode::ReliefGridOf(row.block);
        EXPECT_EQ(std::tie(got.rowNumerator, got.rowDenominator, got.columnNumerator, got.columnDenominator,
                           got.subCells, got.byteCount),
                  std::tie(row.want.rowNumerator, row.want.rowDenominator, row.want.columnNumerator,
                           row.want.columnDenominator, row.want.subCells, row.want.byteCount))
            << row.block.areaKind << " " << row.block.wideAreaMode << " " << row.block.wideAreaName;
    }
    // No grid: kind 0 in another mode, kind 4 and up, the 49 blocks of 広域5_7.
    for (const WideAreaBlock& none : {WideAreaBlock{0, 4, 0, "", "5339", "", ""}, WideAreaBlock{4, 1, 0, "", "5339", "", ""},
                                      WideAreaBlock{1, 0, 2, "広域5_7", "", "", "5339"}})
        EXPECT_EQ(meshcode::ReliefGridOf(none).byteCount, 0) << none.areaKind << " " << none.wideAreaMode;
}

class ReliefByteGridTest : public ::testing::Test {
protected:
    meshcode::ReliefByteGrid Grid(const std::string& bytes, const WideAreaBlock& block, int rowLength)
    {
        folder.WriteBytes("RELIEF.DAT", bytes);
        meshcode::ReliefByteGrid grid;
        grid.Read(folder.Windows() + "relief.dat", meshcode::ReliefGridOf(block));
        grid.SetOrigin({rowLength, kLongitude, kLatitude});
        return grid;
    }
    layers_test::LayerFolder folder{"KSJ/TEMP"};
};

TEST_F(ReliefByteGridTest, OneByteACellForASingleNamedBlock)
{
    // Area kind 1, one block: R 80, one byte per third-order cell for all its sub-cells. 37 is level 7.
    const auto grid = Grid(Bytes(6400, {{81, 37}, {80 * 79 + 79, 9}}), {1, 0, 1, "", "5339", "", ""}, 80);
    for (const int dLat : {0, 5, 25})
        for (const int dLon : {0, 7, 37})
            EXPECT_EQ(grid.Level(kLatitude + 30 + dLat, kLongitude + 45 + dLon), 7) << dLat << " " << dLon;
    EXPECT_EQ(grid.Level(kLatitude + 60, kLongitude + 45), 0);
    EXPECT_EQ(grid.Level(kLatitude + 2399, kLongitude + 3599), 9);
}

TEST_F(ReliefByteGridTest, FourByFourPointsACellOnTheDetailedMap)
{
    // Area kind 0 mode 1: R 320; 30 seconds are 4 rows, 45 seconds 4 columns.
    const auto grid = Grid(Bytes(102400, {{4 * 320 + 4, 3}, {5 * 320 + 6, 12}}), {0, 1, 0, "", "5339", "", ""}, 320);
    EXPECT_EQ(grid.Level(kLatitude + 30, kLongitude + 45), 3);
    // Row 38 x 2 / 15 = 5, column 70 x 4 / 45 = 6 (multiplication first).
    EXPECT_EQ(grid.Level(kLatitude + 38, kLongitude + 70), 2);
}

TEST_F(ReliefByteGridTest, OutsideTheBytesReadIsLevelZero)
{
    const WideAreaBlock block{1, 0, 1, "", "5339", "", ""};
    // A file shorter than G: the rest reads 0; so do points south or west of the origin, and
    // columns beyond the row.
    const auto shortGrid = Grid(Bytes(100, {{99, 5}}), block, 80);
    EXPECT_EQ(shortGrid.Level(kLatitude + 30, kLongitude + 19 * 45), 5);
    EXPECT_EQ(shortGrid.Level(kLatitude + 60, kLongitude), 0);
    const auto grid = Grid(std::string(6400, '\x07'), block, 80);
    EXPECT_EQ(grid.Level(kLatitude, kLongitude), 7);
    // The divisions truncate toward zero: a point less than a row south is still row 0.
    EXPECT_EQ(grid.Level(kLatitude - 29, kLongitude), 7);
    EXPECT_EQ(grid.Level(kLatitude - 30, kLongitude), 0);
    EXPECT_EQ(grid.Level(kLatitude, kLongitude - 45), 0);
    EXPECT_EQ(grid.Level(kLatitude, kLongitude + 80 * 45), 0);
    EXPECT_EQ(grid.Level(kLatitude + 80 * 30, kLongitude), 0);
    EXPECT_EQ(grid.Level(INT_MAX, INT_MAX), 0);
    EXPECT_EQ(grid.Level(INT_MIN, INT_MIN), 0);

    // No file, or a block without a grid: every point is level 0.
    meshcode::ReliefByteGrid missing;
    missing.Read(folder.Windows() + "none.dat", meshcode::ReliefGridOf(block));
    missing.SetOrigin({80, kLongitude, kLatitude});
    EXPECT_EQ(missing.Level(kLatitude, kLongitude), 0);
    const auto noGrid = Grid(std::string(6400, '\x07'), {4, 0, 0, "", "5339", "", ""}, 80);
    EXPECT_EQ(noGrid.Level(kLatitude, kLongitude), 0);
}

} // namespace
