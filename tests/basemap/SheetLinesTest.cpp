#include "contracts/dovanne.h"
#include "platform/dc/RecordingDc.h"
#include "tests/basemap/BaseMapFixtures.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using basemap_test::FixtureFolder;
using vd::Segment;

// Mesh 5339: south 127200", west 500400" (35 degrees 20 minutes north, 139 degrees east).
constexpr int kSouth = 127200;
constexpr int kWest = 500400;

const vd::Pen kGreyGrid(vd::PS_SOLID, 1, vd::RGB(150, 150, 150));

TEST(WholeCoastLine, OneSheetPlacesPointsInSheetUnits)
{
    FixtureFolder folder;
    folder.WriteInt16Pairs("coast05.dat", {{-7777, 5338}, {5, 5}, {6, 6},
                                           {-7777, 5339}, {0, 0}, {3190, 3190}, {-999, 0}, {1595, 1595}, {1600, 1595},
                                           {-7777, 5340}, {7, 7}, {8, 8}});
    vd::RecordingDc dc;
    OnWholeCoastLine(&dc, 1, 1, kWest, kSouth, 10, 20, 0, 0, 2.f, 2.f, 10, folder.Windows());
    const vd::Pen black(vd::PS_SOLID, 1, vd::RGB(0, 0, 0));
    // 3190 tenths of 1/319 of a mesh is the whole sheet of 320 units: its corner at (640, 640).
    EXPECT_EQ(dc.Segments(black), (std::vector<Segment>{{{10, 20}, {650, 660}}, {{330, 340}, {331, 340}}}));
}

TEST(WholeCoastLine, MeshCornersOfABlockLandOnTheCallersSheetLines)
{
    FixtureFolder folder;
    // The north-west to south-east diagonal of every sheet of the 3 x 3 block around 5339.
    std::vector<std::pair<int, int>> west, east;
    for (int lat = 52; lat <= 54; ++lat)
        for (int lon = 38; lon <= 40; ++lon) {
            auto& records = lon == 38 ? west : east; // coast04 up to code 38, coast05 from 39
            records.push_back({-7777, lat * 100 + lon});
            records.push_back({0, 0});
            records.push_back({3190, 3190});
        }
    folder.WriteInt16Pairs("coast04.dat", west);
    folder.WriteInt16Pairs("coast05.dat", east);
    // The caller's sheet lines: origin + trunc(j x scale x 320).
    const auto line = [](int origin, int j, float s) {
        return origin + static_cast<int>(std::trunc(j * static_cast<double>(s) * 320));
    };
    for (const float scale : {1.37f, 0.7f, 2.3333333f}) {
        const float scaleY = scale * 1.1f;
        vd::RecordingDc dc;
        OnWholeCoastLine(&dc, 2, 9, kWest, kSouth, 3, 4, 0, 0, scale, scaleY, 10, folder.Windows());
        const auto segments = dc.Segments();
        ASSERT_EQ(segments.size(), 9u);
        // Read in file order, meshes in file order: coast04's column first (north row last).
        for (int i = 0; i < 9; ++i) {
            const int column = i < 3 ? 0 : 1 + (i - 3) % 2;
            const int row = i < 3 ? 2 - i : 2 - (i - 3) / 2;
            EXPECT_EQ(segments[i], (Segment{{line(3, column, scale), line(4, row, scaleY)},
                                            {line(3, column + 1, scale), line(4, row + 1, scaleY)}}))
                << scale << " sheet " << i;
        }
    }
}

TEST(WholeCoastLine, FreeExtentClipsReadsEveryRegionAndDrawsTheGrid)
{
    FixtureFolder folder;
    // A frame across 130 degrees east: longitude codes 29 (coast01) and 30 (coast02).
    folder.WriteInt16Pairs("coast01.dat", {{-7777, 5329}, {0, 0}, {3190, 0}});
    folder.WriteInt16Pairs("coast02.dat", {{-7777, 5330}, {0, 0}, {1595, 0}, {3190, 0}});
    vd::RecordingDc dc;
    // Clip: 35 degrees 20 minutes .. 36 degrees north, 129.5 .. 130.5 degrees east.
    OnWholeCoastLine(&dc, 3, 1, 466200, kSouth, 0, 0, 469800, 129600, 0.1f, 0.1f, 1019, folder.Windows());
    const vd::Pen grey2(vd::PS_SOLID, 2, vd::RGB(170, 170, 170));
    // coast01's line starts west of the clip box: only from 130 degrees on (x = 180); coast02's
    // line leaves the box at 130.5 degrees (1800" past 130: lifted).
    EXPECT_EQ(dc.Segments(grey2), (std::vector<Segment>{{{180, 0}, {360, 0}}}));
    // The grid: the meridian of 130 degrees, the parallel of 36 degrees (the box's north edge).
    EXPECT_EQ(dc.Segments(kGreyGrid), (std::vector<Segment>{{{180, 0}, {180, 240}}, {{0, 0}, {360, 0}}}));
    EXPECT_EQ(dc.GetCurrentPen(), vd::StockPen(vd::BLACK_PEN));

    // The same pen code on a sheet draws no grid.
    vd::RecordingDc sheet;
    OnWholeCoastLine(&sheet, 1, 1, 468000, kSouth, 0, 0, 0, 0, 1.f, 1.f, 1019, folder.Windows());
    EXPECT_TRUE(sheet.Segments(kGreyGrid).empty());
    EXPECT_EQ(sheet.Segments(grey2).size(), 2u);
}

TEST(WholeCoastLine, FreeExtentReadsTheRegionsBetweenItsCornersAndCentre)
{
    FixtureFolder folder;
    // 41 degrees 20 minutes .. 44 degrees north, 129 .. 137.5 degrees east: the corners lie in
    // coast01, coast04 and coast06, the centre in coast06; the meshes of longitude codes 30..35
    // in the south row are in coast02 and coast03 and must be read too.
    for (int region = 1; region <= 6; ++region) {
        static const int meshes[] = {0, 6229, 6231, 6234, 6236, 6300, 6432};
        folder.WriteInt16Pairs("coast0" + std::to_string(region) + ".dat",
                               {{-7777, meshes[region]}, {0, 1595}, {3190, 1595}});
    }
    vd::RecordingDc dc;
    OnWholeCoastLine(&dc, 3, 1, 464400, 148800, 0, 0, 495000, 158400, 0.01f, 0.01f, 10, folder.Windows());
    // One line each in coast01, 02, 03, 04 and 06 (coast05's mesh 6300 lies outside the frame).
    EXPECT_EQ(dc.Segments().size(), 5u);
}

TEST(WholeCoastLine, PenTwentyHidesTheCoastAndOtherModesDrawNothing)
{
    FixtureFolder folder;
    folder.WriteInt16Pairs("coast05.dat", {{-7777, 5339}, {0, 0}, {3190, 3190}});
    vd::RecordingDc dc;
    OnWholeCoastLine(&dc, 1, 1, kWest, kSouth, 0, 0, 0, 0, 1.f, 1.f, 20, folder.Windows());
    ASSERT_EQ(dc.Calls().size(), 1u);
    EXPECT_EQ(dc.Calls()[0].state.pen, vd::StockPen(vd::NULL_PEN));
    vd::RecordingDc other;
    OnWholeCoastLine(&other, 4, 1, kWest, kSouth, 0, 0, 0, 0, 1.f, 1.f, 10, folder.Windows());
    EXPECT_TRUE(other.Calls().empty());
}

TEST(WholePrfctrLine, BordersInSheetUnitsWithThePenOfTheColourName)
{
    FixtureFolder folder;
    folder.WriteInt16Pairs("pfctr01.dat", {{-7777, 5339}, {0, 0}, {319, 319}});
    for (const auto& [name, colour] : {std::pair{"RED", vd::RGB(255, 0, 0)}, {"BLUE", vd::RGB(0, 0, 255)},
                                       {"ORNG", vd::RGB(255, 128, 0)}, {"WHITE", vd::RGB(255, 255, 255)}}) {
        vd::RecordingDc dc;
        OnWholePrfctrLine(&dc, 1, 1, kWest, kSouth, 10, 20, 0, 0, 1, 2.f, 2.f, name, folder.Windows());
        EXPECT_EQ(dc.Segments(vd::Pen(vd::PS_SOLID, 1, colour)), (std::vector<Segment>{{{10, 20}, {650, 660}}})) << name;
    }
}

TEST(WholePrfctrLine, BlockReadsEveryBorderFileThenTheSubprefecturePass)
{
    FixtureFolder folder;
    // The block around 5938 (39 degrees 20 minutes north, 138 degrees east): longitude codes 37
    // (pfctr02) to 39 (pfctr01); latitude code 59, so the sub-prefecture pass runs.
    folder.WriteInt16Pairs("pfctr02.dat", {{-7777, 5937}, {0, 0}, {319, 319}});
    folder.WriteInt16Pairs("pfctr01.dat", {{-7777, 6039}, {0, 0}, {319, 319}, {-7777, 6139}, {0, 0}, {1, 1}});
    // From the block's north-west corner (146400", 493200") to the centre sheet's south-west.
    folder.WriteInt32Pairs("支庁界.dat", {{493200, 146400}, {496800, 141600}});
    vd::RecordingDc dc;
    OnWholePrfctrLine(&dc, 2, 9, 496800, 141600, 5, 6, 0, 0, 1, 0.5f, 0.5f, "ORNG", folder.Windows());
    // Frame: 139200" .. 146400" north, 493200" .. 504000" east; 160 pixels a sheet. pfctr01 is
    // read first: 6039 is the north-east sheet; 6139 lies north of the block.
    EXPECT_EQ(dc.Segments(vd::Pen(vd::PS_SOLID, 1, vd::RGB(255, 128, 0))),
              (std::vector<Segment>{{{5 + 320, 6}, {5 + 480, 6 + 160}}, {{5, 6 + 160}, {5 + 160, 6 + 320}}}));
    EXPECT_EQ(dc.Segments(vd::Pen(vd::PS_SOLID, 1, vd::RGB(255, 142, 30))),
              (std::vector<Segment>{{{5, 6}, {5 + 160, 6 + 320}}}));
}

TEST(WholePrfctrLine, NorthOf42DegreesDrawsOnlySubprefectureBordersClampedAtTheFrame)
{
    FixtureFolder folder;
    // Mesh 6441: south 153600", west 507600" (42 degrees 40 minutes, 141 degrees).
    folder.WriteInt16Pairs("pfctr01.dat", {{-7777, 6441}, {0, 0}, {319, 319}});
    folder.WriteInt32Pairs("支庁界.dat", {{508000, 154000}, {512000, 154100}, {510000, 154200}, {999, 999},
                                          {509000, 160000}, {509100, 154500}});
    vd::RecordingDc dc;
    OnWholePrfctrLine(&dc, 1, 1, 507600, 153600, 0, 0, 0, 0, 1, 1.f, 1.f, "BLUE", folder.Windows());
    EXPECT_TRUE(dc.Segments(vd::Pen(vd::PS_SOLID, 1, vd::RGB(0, 0, 255))).empty());
    // Pixels: (longitude - 507600) x 320 / 3600, (156000 - latitude) x 320 / 2400.
    const auto px = [](int lon, int lat) {
        return vd::Point{static_cast<int>(std::trunc((lon - 507600) * 320.0 / 3600)),
                         static_cast<int>(std::trunc((156000 - lat) * 320.0 / 2400))};
    };
    const std::vector<Segment> expected{
        {px(508000, 154000), px(511200, 154100)}, // to the point clamped at the east edge
        {px(511200, 154100), px(510000, 154200)}, // back in from the clamped point
        {px(509000, 156000), px(509100, 154500)}, // in from a point north of the frame
    };
    EXPECT_EQ(dc.Segments(vd::Pen(vd::PS_SOLID, 1, vd::RGB(66, 66, 255))), expected);
    // Without the flag nothing is drawn.
    vd::RecordingDc none;
    OnWholePrfctrLine(&none, 1, 1, 507600, 153600, 0, 0, 0, 0, 0, 1.f, 1.f, "BLUE", folder.Windows());
    EXPECT_TRUE(none.Calls().empty());
}

} // namespace
