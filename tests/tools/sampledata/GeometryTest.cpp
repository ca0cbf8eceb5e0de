// Cutting lines at mesh edges and at the edge of the overview's Japan area.
#include "tools/sampledata/src/JapanArea.h"
#include "tools/sampledata/src/MeshSplit.h"
#include "tools/sampledata/src/Simplify.h"

#include <gtest/gtest.h>

using namespace sampledata;

TEST(SampleDataGeometry, ACrossingLandsExactlyOnTheEdgeOfBothMeshes) {
  // From mesh 5339 (35 deg 20 min .. 36 deg, 139 .. 140 deg) east into 5340.
  MeshPieces pieces;
  splitIntoMeshes({{139.5, 35.5}, {140.5, 35.75}}, [](int) { return true; }, &pieces);
  ASSERT_EQ(pieces[5339].size(), 1u);
  ASSERT_EQ(pieces[5340].size(), 1u);
  const auto& west = pieces[5339][0];
  const auto& east = pieces[5340][0];
  EXPECT_EQ(west.back().east, 1.0);
  EXPECT_EQ(east.front().east, 0.0);
  EXPECT_DOUBLE_EQ(west.back().south, east.front().south);
}

TEST(SampleDataGeometry, AThroughCornerCrossingHitsTheCornerExactly) {
  // Diagonal through the corner at 36 deg north, 140 deg east.
  MeshPieces pieces;
  splitIntoMeshes({{139.5, 35.75}, {140.5, 36.25}}, [](int) { return true; }, &pieces);
  ASSERT_EQ(pieces[5339].size(), 1u);
  ASSERT_EQ(pieces[5440].size(), 1u);
  EXPECT_EQ(pieces[5339][0].back().east, 1.0);
  EXPECT_EQ(pieces[5339][0].back().south, 0.0);
  EXPECT_EQ(pieces[5440][0].front().east, 0.0);
  EXPECT_EQ(pieces[5440][0].front().south, 1.0);
  EXPECT_FALSE(pieces.contains(5340));
  EXPECT_FALSE(pieces.contains(5439));
}

TEST(SampleDataGeometry, UnwantedMeshesAreLeftOutAndRunsEndAtTheirEdge) {
  const Polyline line{{138.5, 35.5}, {139.5, 35.5}, {140.5, 35.5}};
  MeshPieces pieces;
  splitIntoMeshes(line, [](int mesh) { return mesh != 5339; }, &pieces);
  EXPECT_TRUE(pieces.contains(5338));
  EXPECT_FALSE(pieces.contains(5339));
  EXPECT_TRUE(pieces.contains(5340));

  const auto runs = keepRunsInMeshes(line, [](int mesh) { return mesh != 5339; });
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_EQ(runs[0].back().lon, 139.0);
  EXPECT_EQ(runs[1].front().lon, 140.0);
}

TEST(SampleDataGeometry, JapanAreaRunsNeverBridgeThePassedOverPart) {
  // In, north across 50 degrees, back in, then west across 115 degrees.
  const Polyline line{{140.0, 49.0}, {140.0, 51.0}, {141.0, 51.0}, {141.0, 49.0}, {114.0, 49.0}};
  const auto runs = splitAtJapanArea(line);
  ASSERT_EQ(runs.size(), 4u);
  auto kept = [](LonLat p) { return inJapanArea(toTenThousandths(p.lat), toTenThousandths(p.lon)); };
  for (const auto& run : runs) {
    // A run is wholly kept or wholly passed over, so the rule draws it whole or not at all.
    size_t keptCount = 0;
    for (LonLat p : run) keptCount += kept(p);
    EXPECT_TRUE(keptCount == 0 || keptCount == run.size());
  }
  EXPECT_EQ(toTenThousandths(runs[0].back().lat), 500000);
  EXPECT_EQ(toTenThousandths(runs[1].front().lat), 500001);
  EXPECT_EQ(toTenThousandths(runs[2].front().lat), 500000);
  EXPECT_EQ(toTenThousandths(runs[2].back().lon), 1150000);
  EXPECT_EQ(toTenThousandths(runs[3].front().lon), 1149999);
}

TEST(SampleDataGeometry, SimplifyKeepsEndsAndFarVertices) {
  const Polyline line{{140.0, 35.0}, {140.001, 35.0001}, {140.01, 35.1}, {140.02, 35.0}};
  const Polyline thin = simplify(line, 0.5);
  ASSERT_EQ(thin.size(), 3u);
  EXPECT_EQ(thin[1], line[2]);
  EXPECT_EQ(simplify(line, 50.0).size(), 2u);
}
