#include "basemap/files/LakePolygonFile.h"
#include "basemap/files/MeshPolylineFile.h"
#include "basemap/files/OutlinePolylineFile.h"
#include "basemap/files/PrefectureTableFile.h"
#include "tests/basemap/BaseMapFixtures.h"

#include <gtest/gtest.h>

namespace {

using basemap_test::FixtureFolder;

TEST(OutlinePolylineFile, ReadsRecordsAndEndsAtAShortRecord)
{
    FixtureFolder folder;
    std::string bytes;
    for (int v : {355000, 1395000, 999, 999, -1, 2147483647}) // negative and extreme values survive
        vd::appendInt32(bytes, v);
    bytes += std::string("\x01\x02\x03", 3); // a truncated last record
    folder.WriteBytes("BN_JMAPA.DAT", bytes);
    const auto records = ReadOutlinePolylineFile(folder.Windows() + "bn_jmapa.dat");
    ASSERT_TRUE(records.has_value());
    ASSERT_EQ(records->size(), 3u);
    EXPECT_EQ((*records)[0].latitude, 355000);
    EXPECT_EQ((*records)[0].longitude, 1395000);
    EXPECT_TRUE((*records)[1].isPenUp());
    EXPECT_EQ((*records)[2].latitude, -1);
    EXPECT_EQ((*records)[2].longitude, 2147483647);
    EXPECT_FALSE(ReadOutlinePolylineFile(folder.Windows() + "MISSING.DAT").has_value());
}

TEST(OutlinePolylineFile, SubprefectureRecordsHoldTheLongitudeFirst)
{
    FixtureFolder folder;
    folder.WriteInt32Pairs("支庁界.dat", {{511200, 155000}, {999, 0}});
    const auto records = ReadSubprefectureBorderFile(folder.Windows() + "支庁界.dat");
    ASSERT_TRUE(records.has_value());
    ASSERT_EQ(records->size(), 2u);
    EXPECT_EQ((*records)[0].longitude, 511200);
    EXPECT_EQ((*records)[0].latitude, 155000);
    EXPECT_FALSE((*records)[0].isPenUp());
    EXPECT_TRUE((*records)[1].isPenUp()); // the longitude alone decides
}

TEST(MeshPolylineFile, SplitsMeshesAndDropsRecordsBeforeTheFirstHeader)
{
    FixtureFolder folder;
    folder.WriteInt16Pairs("pfctr02.dat", {{10, 10}, {-7777, 5339}, {0, 319}, {-999, 0}, {319, 0}, {-7777, 5340}, {5, 6}});
    const auto records = ReadMeshPolylineFile(folder.Windows() + "pfctr02.dat");
    ASSERT_TRUE(records.has_value());
    EXPECT_EQ(records->size(), 7u);
    const auto sections = SplitMeshSections(*records);
    ASSERT_EQ(sections.size(), 2u);
    EXPECT_EQ(sections[0].meshCode, 5339);
    ASSERT_EQ(sections[0].records.size(), 3u);
    EXPECT_TRUE(sections[0].records[1].isPenUp());
    EXPECT_EQ(sections[1].meshCode, 5340);
    EXPECT_EQ(sections[1].records.size(), 1u);
}

TEST(MeshPolylineFile, MeshEdgesLandExactlyOnTheMeshCorners)
{
    // Mesh 5339: south 53 x 2400 = 127200", west 139 x 3600 = 500400".
    EXPECT_EQ(MeshSouthSeconds(5339), 127200);
    EXPECT_EQ(MeshWestSeconds(5339), 500400);
    EXPECT_EQ(MeshCodeAt(127200, 500400), 5339);
    EXPECT_EQ(MeshCodeAt(129599, 503999), 5339);
    const auto nw = MeshPointToSeconds(5339, {0, 0}, 319);
    EXPECT_EQ(nw.latitude, 129600.0);
    EXPECT_EQ(nw.longitude, 500400.0);
    const auto se = MeshPointToSeconds(5339, {3190, 3190}, 3190);
    EXPECT_EQ(se.latitude, 127200.0);
    EXPECT_EQ(se.longitude, 504000.0);
    const auto mid = MeshPointToSeconds(5339, {100, 100}, 319);
    EXPECT_NEAR(mid.longitude, 500400 + 100 * 11.285267, 1e-3);
    EXPECT_NEAR(mid.latitude, 127200 + 219 * 7.5235105, 1e-3);
}

TEST(LakePolygonFile, ReadsLakesAndMarksOneCutOffByTheEnd)
{
    FixtureFolder folder;
    folder.WriteInt32Pairs("TLR0001.DAT", {{126000, 489600}, {127000, 490600}, {126000, 489600}, {127000, 490000},
                                           {126500, 490600}, {126000, 489600}, {999, 999},
                                           {100, 200}, {300, 400}, {150, 250}});
    const auto lakes = ReadLakePolygonFile(folder.Windows() + "TLR0001.DAT");
    ASSERT_TRUE(lakes.has_value());
    ASSERT_EQ(lakes->size(), 2u);
    EXPECT_TRUE((*lakes)[0].closed);
    EXPECT_EQ((*lakes)[0].southWest, (LakePoint{126000, 489600}));
    EXPECT_EQ((*lakes)[0].northEast, (LakePoint{127000, 490600}));
    EXPECT_EQ((*lakes)[0].points.size(), 4u);
    EXPECT_FALSE((*lakes)[1].closed);
    EXPECT_EQ((*lakes)[1].points.size(), 1u);
}

TEST(PrefectureTableFile, NumbersOnlyDataLinesAndReadsDegreesMinutesSeconds)
{
    FixtureFolder folder;
    folder.WriteText("都道府県.DAT", {";都道府県の代表点", "43.0400 141.2100 北海道", "", ";途中の注釈",
                                     "35.4012 139.4530 東京都", "34.41 135.31"});
    const auto points = ReadPrefectureTable(folder.Windows() + "都道府県.DAT");
    ASSERT_TRUE(points.has_value());
    ASSERT_EQ(points->size(), 3u);
    // ((43 x 60 + 4) x 60) x 2.7777777, in single precision.
    EXPECT_EQ((*points)[0].latitude, static_cast<float>(155040 * static_cast<double>(2.7777777f)));
    EXPECT_EQ((*points)[0].longitude, static_cast<float>(508860 * static_cast<double>(2.7777777f)));
    EXPECT_EQ((*points)[1].latitude, static_cast<float>(128412 * static_cast<double>(2.7777777f)));
    EXPECT_EQ((*points)[2].longitude, static_cast<float>(487860 * static_cast<double>(2.7777777f)));
    const auto second = ReadPrefectureTablePoint(folder.Windows() + "都道府県.DAT", 1);
    ASSERT_TRUE(second.has_value());
    EXPECT_EQ(second->longitude, (*points)[1].longitude);
    EXPECT_FALSE(ReadPrefectureTablePoint(folder.Windows() + "都道府県.DAT", 3).has_value());
    EXPECT_FALSE(ReadPrefectureTablePoint(folder.Windows() + "NONE.DAT", 0).has_value());
}

} // namespace
