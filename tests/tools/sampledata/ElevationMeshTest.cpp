// The relief-derived 250 m elevation meshes: read back by the program's own mesh reader, land
// cells carry the relief, sea cells are no data, the northern row comes first.
#include "basemap/files/ElevationMeshFile.h"
#include "tools/sampledata/src/ElevationMesh.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace sampledata;

namespace {

constexpr int kMesh = 5235; // 135-136 E, 34.667-35.333 N

// Land north of 35.0 N and west of 135.5 E; a second ring with a hole-like overlap is not needed.
const std::vector<PrefecturePolygon> kNorthWestLand{
    {26, {{134.9, 35.0}, {135.5, 35.0}, {135.5, 35.5}, {134.9, 35.5}, {134.9, 35.0}}}};

std::uint8_t GreyAt(const ElevationGreyGrid& grid, int row, int column)
{
    return grid[std::size_t(row * kElevationMeshSide + column)];
}

} // namespace

TEST(SampleDataElevationMesh, TheProgramReadsLandHeightsAndSeaAsNoData)
{
    // Heights rise eastwards: 0 m at 135.0 E, 3000 m at 136.0 E; negative west of 135.0.
    const Relief relief = [](LonLat p) { return (p.lon - 135.0) * 3000.0; };
    const ByteBuffer file = elevationMeshFile(relief, kNorthWestLand, kMesh);
    ASSERT_EQ(file.size(), 1009u + 2 + 320u * (9 + 320 * 5 + 2));
    EXPECT_EQ(file.bytes().substr(1011, 9), "5235  001");

    ElevationGreyGrid grid{};
    ParseElevationMeshGrey(file.bytes(), grid);
    // Row 0 is the northern row (35.333 N: land west of 135.5), the last one the southern (sea).
    EXPECT_EQ(GreyAt(grid, 0, 0), 1) << "a land cell at 0 m";
    EXPECT_EQ(GreyAt(grid, 0, 159), 1 + int(std::lround((135.0 + 159.5 / 320 - 135.0) * 3000.0)) / 150);
    EXPECT_EQ(GreyAt(grid, 0, 160), 0) << "east of the land: no data";
    EXPECT_EQ(GreyAt(grid, 319, 0), 0) << "the southern row is sea";
    // 35.0 N lies 160 rows north of the southern edge: the rows above it are land in the west.
    EXPECT_EQ(GreyAt(grid, 158, 10), 1 + int(std::lround((10.5 / 320) * 3000.0)) / 150);
    EXPECT_EQ(GreyAt(grid, 160, 10), 0);
}

TEST(SampleDataElevationMesh, HeightsBelowSeaLevelOnLandAreZeroAndTheBlockIsFiveByFive)
{
    const ByteBuffer file = elevationMeshFile([](LonLat) { return -30.0; }, kNorthWestLand, kMesh);
    const std::string& bytes = file.bytes();
    EXPECT_EQ(bytes.substr(1011 + 9, 5), "00000");
    ElevationGreyGrid grid{};
    ParseElevationMeshGrey(bytes, grid);
    EXPECT_EQ(GreyAt(grid, 0, 0), 1);

    const std::vector<int> block = meshBlock5x5(kMesh);
    ASSERT_EQ(block.size(), 25u);
    EXPECT_EQ(block.front(), 5033);
    EXPECT_EQ(block[12], kMesh);
    EXPECT_EQ(block.back(), 5437);
}
