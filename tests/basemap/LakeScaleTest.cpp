#include "contracts/dovanne.h"
#include "platform/dc/RecordingDc.h"
#include "tests/basemap/BaseMapFixtures.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using basemap_test::FixtureFolder;
using vd::Point;
using vd::Segment;

// The view: 35 degrees .. 35 degrees 40 minutes north (126000" .. 128400"), 136 .. 137 degrees
// east (489600" .. 493200"); 0.1 pixel per arc-second from (0, 0).
constexpr int kWest = 489600, kSouth = 126000, kEast = 493200, kNorth = 128400;

Point Px(int lat, int lon) { return {static_cast<int>((lon - kWest) * 0.1), static_cast<int>((kNorth - lat) * 0.1)}; }

std::vector<std::pair<int, int>> LakeRecords(int south, int west, int north, int east, const std::vector<std::pair<int, int>>& points)
{
    std::vector<std::pair<int, int>> r{{south, west}, {north, east}};
    r.insert(r.end(), points.begin(), points.end());
    r.push_back({999, 999});
    return r;
}

std::vector<vd::RecordedCall> Polygons(const vd::RecordingDc& dc)
{
    std::vector<vd::RecordedCall> out;
    for (const auto& call : dc.Calls())
        if (call.op.kind == vd::DrawOp::Polygon)
            out.push_back(call);
    return out;
}

class Lakes : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::vector<std::pair<int, int>> records;
        const auto add = [&](const std::vector<std::pair<int, int>>& lake) { records.insert(records.end(), lake.begin(), lake.end()); };
        // Inside the view.
        add(LakeRecords(127000, 490000, 127500, 490500, {{127000, 490000}, {127500, 490000}, {127500, 490500}, {127000, 490000}}));
        // Far away.
        add(LakeRecords(100000, 400000, 100100, 400100, {{100000, 400000}, {100100, 400100}, {100000, 400100}}));
        // A lake whose box holds the whole view: no corner of its box lies in the view.
        add(LakeRecords(120000, 480000, 130000, 500000,
                        {{120000, 480000}, {128420, 480000}, {128410, 493210}, {126000, 500000}, {120000, 480000}}));
        // 600 points, all in the view.
        std::vector<std::pair<int, int>> many;
        for (int i = 0; i < 600; ++i)
            many.push_back({127000 + i, 491000 + (i % 2) * 100});
        add(LakeRecords(127000, 491000, 127599, 491100, many));
        folder.WriteInt32Pairs("TLR0001.DAT", records);
        folder.WriteInt32Pairs("TLR0002.DAT", LakeRecords(127000, 490000, 127100, 490100, {{127000, 490000}, {127100, 490100}, {127000, 490100}}));
    }
    FixtureFolder folder;
    vd::RecordingDc dc;
};

TEST_F(Lakes, FillsEveryLakeWhoseBoxMeetsTheViewWhateverItsSize)
{
    const vd::COLORREF colour = vd::RGB(90, 160, 220);
    OnLakeDraw(&dc, folder.Windows(), 0, 0.f, 0.f, 0.1f, 0.1f, kEast, kNorth, kWest, kSouth, 0, static_cast<int>(colour));
    const auto polygons = Polygons(dc);
    ASSERT_EQ(polygons.size(), 3u);
    EXPECT_EQ(polygons[0].op.points,
              (std::vector<Point>{Px(127000, 490000), Px(127500, 490000), Px(127500, 490500), Px(127000, 490000)}));
    EXPECT_EQ(polygons[0].state.brush, vd::Brush(colour));
    EXPECT_EQ(polygons[0].state.pen, vd::Pen(vd::PS_SOLID, 1, colour));
    // Points far outside a corner (west and south of it at once) are dropped; the others clamped.
    EXPECT_EQ(polygons[1].op.points,
              (std::vector<Point>{Px(kNorth, kWest), Px(kNorth, kEast), Px(kSouth, kEast)}));
    EXPECT_EQ(polygons[2].op.points.size(), 600u);
    EXPECT_EQ(dc.GetCurrentPen(), vd::StockPen(vd::BLACK_PEN));
    EXPECT_EQ(dc.GetCurrentBrush(), vd::StockBrush(vd::WHITE_BRUSH));
}

TEST_F(Lakes, OutlineStyleAndReservoirFile)
{
    OnLakeDraw(&dc, folder.Windows(), 10, 0.f, 0.f, 0.1f, 0.1f, kEast, kNorth, kWest, kSouth, 1, 0xFF0000);
    const auto polygons = Polygons(dc);
    ASSERT_EQ(polygons.size(), 1u);
    EXPECT_EQ(polygons[0].state.brush, vd::StockBrush(vd::HOLLOW_BRUSH));
    EXPECT_EQ(polygons[0].op.points, (std::vector<Point>{Px(127000, 490000), Px(127100, 490100), Px(127000, 490100)}));
    dc.Clear();
    OnLakeDraw(&dc, folder.Windows(), 0, 0.f, 0.f, 0.1f, 0.1f, kEast, kNorth, kWest, kSouth, 2, 0);
    OnLakeDraw(&dc, folder.Windows() + "none\\", 0, 0.f, 0.f, 0.1f, 0.1f, kEast, kNorth, kWest, kSouth, 0, 0);
    EXPECT_TRUE(dc.Calls().empty());
    EXPECT_EQ(dc.GetCurrentBrush(), vd::StockBrush(vd::WHITE_BRUSH));
}

TEST(ScaleX, FiftyKilometreBarHasFourInnerTicks)
{
    vd::RecordingDc dc;
    const vd::Pen caller(vd::PS_SOLID, 1, vd::RGB(9, 9, 9));
    dc.SelectObject(caller);
    OnScaleX(&dc, 3, 1.f, 600, 500, "35.2000", 25.3578f, 0);
    // L = trunc(1 x 320 x 50 / (25.3578 x 3.6)) = 175
    const int L = static_cast<int>(std::trunc(320.0 * 50 / (static_cast<double>(25.3578f) * static_cast<double>(3.6f))));
    ASSERT_EQ(L, 175);
    const std::vector<Segment> expected{
        {{590, 495}, {415, 495}}, {{590, 494}, {415, 494}}, {{590, 491}, {415, 491}},
        {{590, 495}, {590, 487}}, {{591, 495}, {591, 487}}, {{415, 495}, {415, 487}}, {{414, 495}, {414, 487}},
        {{554, 494}, {554, 490}}, {{519, 494}, {519, 490}}, {{484, 494}, {484, 490}}, {{449, 494}, {449, 490}},
    };
    EXPECT_EQ(dc.Segments(caller), expected);
    const auto texts = dc.Texts();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "50Km");
    EXPECT_EQ(texts[0].at, (Point{600 - 87 - 25, 472}));
    EXPECT_EQ(texts[0].bkMode, vd::TRANSPARENT);
    EXPECT_EQ(dc.GetBkMode(), vd::OPAQUE);
}

TEST(ScaleX, TwentyKilometreBarHasOneInnerTick)
{
    vd::RecordingDc dc;
    OnScaleX(&dc, 1, 1.f, 600, 500, "", 25.3578f, 0);
    // L = trunc(6400 / 91.288...) = 70
    const auto segments = dc.Segments();
    ASSERT_EQ(segments.size(), 8u);
    EXPECT_EQ(segments[0], (Segment{{590, 495}, {520, 495}}));
    EXPECT_EQ(segments[7], (Segment{{600 - 35 - 11, 494}, {554, 490}}));
    ASSERT_EQ(dc.Texts().size(), 1u);
    EXPECT_EQ(dc.Texts()[0].text, "20Km");
    EXPECT_EQ(dc.Texts()[0].at, (Point{600 - 35 - 25, 472}));
}

} // namespace
