// The national-land sample files' geometry: rivers cut where they enter another prefecture,
// river lengths split by third-order cell, and the cell codes.
#include "tools/sampledata/src/NationalLand.h"

#include <gtest/gtest.h>

using namespace sampledata;

namespace {

// Two unit squares side by side: prefecture 26 west of 135.5 degrees, 27 east of it.
std::vector<PrefecturePolygon> TwoSquares()
{
    return {{26, {{135.0, 34.5}, {135.5, 34.5}, {135.5, 35.0}, {135.0, 35.0}, {135.0, 34.5}}},
            {27, {{135.5, 34.5}, {136.0, 34.5}, {136.0, 35.0}, {135.5, 35.0}, {135.5, 34.5}}}};
}

} // namespace

TEST(SampleDataNationalLand, ThirdMeshCodes)
{
    EXPECT_EQ(thirdMeshCodeOf({135.0001, 34.6667}), "52350000");
    EXPECT_EQ(thirdMeshCodeOf({135.7681, 35.0117}), "52354611"); // Kyoto's office
    EXPECT_EQ(thirdMeshCodeOf({135.9999, 35.3332}), "52357799");
}

TEST(SampleDataNationalLand, ARiverIsCutWhereItEntersAnotherPrefectureWithTheCutPointInBoth)
{
    const RiverPieces pieces = cutRiversByPrefecture(
        {{{135.1, 34.7}, {135.4, 34.7}, {135.6, 34.7}, {135.9, 34.7}, {137.5, 34.7}, {137.6, 34.7}}}, {2},
        TwoSquares());
    ASSERT_EQ(pieces.size(), 2u);
    ASSERT_EQ(pieces.at(26).size(), 1u);
    EXPECT_EQ(pieces.at(26)[0].points, (Polyline{{135.1, 34.7}, {135.4, 34.7}, {135.6, 34.7}}));
    EXPECT_EQ(pieces.at(26)[0].level, 2);
    // Far out of every polygon the line ends.
    EXPECT_EQ(pieces.at(27)[0].points, (Polyline{{135.6, 34.7}, {135.9, 34.7}}));
}

TEST(SampleDataNationalLand, NearestPrefectureOnlyCloseToTheCoast)
{
    EXPECT_EQ(prefectureOfPoint({135.2, 34.7}, TwoSquares()), 26);
    EXPECT_EQ(prefectureOfPoint({136.04, 34.98}, TwoSquares()), 27); // some 4 km off a vertex
    EXPECT_EQ(prefectureOfPoint({137.0, 34.7}, TwoSquares()), 0);
}

TEST(SampleDataNationalLand, RiverLengthsAddUpByCellAndLevelColumn)
{
    MeshPrefectures meshes;
    // 0.0125 degrees of longitude east along one row of cells: one cell side, two cells half each.
    const RiverPieces pieces{{26, {{4, {{135.00625, 34.67}, {135.01875, 34.67}}}}}};
    const auto files = riverLengthFiles(pieces, &meshes);
    const std::string& text = files.at(26).bytes();
    ASSERT_EQ(text.size(), 2 * 83u);
    const std::string first = text.substr(0, 81);
    EXPECT_EQ(first.substr(5, 8), "52350000");
    const int half = std::stoi(first.substr(45, 6));
    EXPECT_NEAR(half, distanceKm({135.00625, 34.67}, {135.0125, 34.67}) * 1000, 1);
    EXPECT_EQ(first.substr(33, 6), "     0");
    EXPECT_EQ(first.substr(75, 6), "     0");
    EXPECT_TRUE(meshes.at(5235).contains(26));
}
