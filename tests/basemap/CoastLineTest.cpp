#include "basemap/projection/AlbersProjection.h"
#include "basemap/projection/SansonProjection.h"
#include "contracts/dovanne.h"
#include "platform/dc/ImageDc.h"
#include "platform/dc/RecordingDc.h"
#include "tests/basemap/BaseMapFixtures.h"

#include <gtest/gtest.h>

namespace {

using basemap_test::FixtureFolder;
using vd::Segment;

const vd::Pen kBlack(vd::PS_SOLID, 1, vd::RGB(0, 0, 0));
const vd::Pen kOrange(vd::PS_SOLID, 1, vd::RGB(255, 128, 0));
const vd::Pen kGrey(vd::PS_SOLID, 1, vd::RGB(150, 150, 150));

vd::Point P(PixelPoint p) { return {p.x, p.y}; }

// The overview's projection for the test pictures: the band projection (mode 0) or the conic.
struct OverviewProjectionForTest {
    explicit OverviewProjectionForTest(int mode) : mode(mode), scale(mode < 2 ? 850.f : 3000.f) {}
    PixelPoint Project(int lat, int lon) const
    {
        return mode < 2 ? SansonProjection(400, 300, 355000.f, 1375000.f, scale).project(lat, lon)
                        : AlbersProjection(400, 355000.f, 1375000.f, scale).project(lat, lon);
    }
    int mode;
    float scale;
};

class JapanCoastLine : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder.WriteInt32Pairs("BN_JMAPA.DAT", {{355000, 1395000}, {360000, 1400000}, {999, 999},
                                                {340000, 1350000}, {345000, 1355000}});
        folder.WriteInt32Pairs("FEBORDER.DAT", {{420000, 1300000}, {430000, 1310000}});
    }
    FixtureFolder folder;
    vd::RecordingDc dc;
};

TEST_F(JapanCoastLine, BandProjectionDrawsCoastThenBordersWithPenLifts)
{
    const vd::Pen callerPen(vd::PS_DASH, 1, vd::RGB(1, 2, 3));
    dc.SelectObject(callerPen);
    OnJapanCoastLineDraw(&dc, 0, 1, 0, 400, 300, 0, 355000.f, 1375000.f, 850.f, folder.Windows());
    const SansonProjection p(400, 300, 355000.f, 1375000.f, 850.f);
    EXPECT_EQ(dc.Segments(kBlack), (std::vector<Segment>{{P(p.project(355000, 1395000)), P(p.project(360000, 1400000))},
                                                        {P(p.project(340000, 1350000)), P(p.project(345000, 1355000))}}));
    EXPECT_EQ(dc.Segments(kOrange),
              (std::vector<Segment>{{P(p.project(420000, 1300000)), P(p.project(430000, 1310000))}}));
    EXPECT_TRUE(dc.Segments(kGrey).empty());
    EXPECT_EQ(dc.GetCurrentPen(), callerPen);
}

TEST_F(JapanCoastLine, BordersFlagZeroSkipsTheBorderFile)
{
    OnJapanCoastLineDraw(&dc, 1, 0, 0, 400, 300, 0, 355000.f, 1375000.f, 850.f, folder.Windows());
    EXPECT_EQ(dc.Segments(kBlack).size(), 2u);
    EXPECT_TRUE(dc.Segments(kOrange).empty());
}

TEST_F(JapanCoastLine, GraticuleSegmentsInBothProjections)
{
    OnJapanCoastLineDraw(&dc, 0, 0, 0, 400, 300, 1, 355000.f, 1375000.f, 850.f, folder.Windows() + "none\\");
    const auto band = dc.Segments(kGrey);
    ASSERT_EQ(band.size(), 33u);
    const SansonProjection p(400, 300, 355000.f, 1375000.f, 850.f);
    // Each end of a meridian piece takes the ratio of its own degree.
    EXPECT_EQ(band[0], (Segment{P(p.project(250000, 1100000)), P(p.project(200000, 1100000))}));
    EXPECT_EQ(band[6], (Segment{P(p.project(500000, 1000000)), P(p.project(500000, 1600000))}));
    dc.Clear();
    OnJapanCoastLineDraw(&dc, 2, 0, 1, 400, 300, 1, 375000.f, 1375000.f, 3000.f, folder.Windows() + "none\\");
    const auto conic = dc.Segments(kGrey);
    ASSERT_EQ(conic.size(), 5u * 35 + 3 * 32);
    const AlbersProjection a(400, 375000.f, 1375000.f, 3000.f);
    EXPECT_EQ(conic[35].from, P(a.project(500000, 1180000)));
    EXPECT_EQ(conic[35 + 31].to, P(a.project(500000, 1500000)));
}

TEST_F(JapanCoastLine, AlbersIgnoresTheOriginY)
{
    OnJapanCoastLineDraw(&dc, 2, 1, 0, 400, 300, 1, 375000.f, 1375000.f, 3000.f, folder.Windows());
    const auto first = dc.Segments();
    vd::RecordingDc other;
    OnJapanCoastLineDraw(&other, 3, 1, 0, 400, -999, 1, 375000.f, 1375000.f, 3000.f, folder.Windows());
    EXPECT_EQ(other.Segments(), first);
    const AlbersProjection a(400, 375000.f, 1375000.f, 3000.f);
    EXPECT_EQ(dc.Segments(kBlack)[0], (Segment{P(a.project(355000, 1395000)), P(a.project(360000, 1400000))}));
}

TEST_F(JapanCoastLine, JapanAreaPassesOverPointsWithoutLiftingThePen)
{
    folder.WriteInt32Pairs("BN_JMAPA.DAT", {{490000, 1400000}, {500001, 1400000}, {500000, 1410000},
                                            {480000, 1149999}, {480000, 1420000}});
    OnJapanCoastLineDraw(&dc, 0, 0, 1, 400, 300, 0, 355000.f, 1375000.f, 850.f, folder.Windows());
    const SansonProjection p(400, 300, 355000.f, 1375000.f, 850.f);
    EXPECT_EQ(dc.Segments(kBlack), (std::vector<Segment>{{P(p.project(490000, 1400000)), P(p.project(500000, 1410000))},
                                                        {P(p.project(500000, 1410000)), P(p.project(480000, 1420000))}}));
    // Flag 2 narrows only the graticule; every point is drawn.
    dc.Clear();
    OnJapanCoastLineDraw(&dc, 0, 0, 2, 400, 300, 0, 355000.f, 1375000.f, 850.f, folder.Windows());
    EXPECT_EQ(dc.Segments(kBlack).size(), 4u);
}

// The outline is drawn from kept runs of projected points, as polylines where the picture allows:
// the pixels (under any raster operation) and the current position are those of drawing it point
// by point, on the first repaint and on a repeated one.
TEST_F(JapanCoastLine, RunsSetThePixelsOfPointByPointLines)
{
    const std::vector<std::pair<int, int>> coast{{355000, 1395000}, {360000, 1400000}, {362000, 1380000},
                                                 {362000, 1380000}, {999, 999}, {340000, 1350000}, {345000, 1355000}};
    const std::vector<std::pair<int, int>> borders{{420000, 1300000}, {380000, 1310000}, {379000, 1330000}};
    folder.WriteInt32Pairs("BN_JMAPA.DAT", coast);
    folder.WriteInt32Pairs("FEBORDER.DAT", borders);
    struct Case {
        int mode;
        int rop;
    };
    for (const Case c : {Case{0, vd::R2_COPYPEN}, Case{2, vd::R2_COPYPEN}, Case{2, vd::R2_XORPEN}}) {
        SCOPED_TRACE(c.mode * 100 + c.rop);
        const OverviewProjectionForTest projection(c.mode);
        vd::ImageDc expected(800, 800);
        expected.SetROP2(c.rop);
        const auto trace = [&](const std::vector<std::pair<int, int>>& points, const vd::Pen& pen) {
            expected.SelectObject(pen);
            bool down = false;
            for (const auto& [lat, lon] : points) {
                if (lat == 999 && lon == 999) {
                    down = false;
                    continue;
                }
                const PixelPoint p = projection.Project(lat, lon);
                down ? (void)expected.LineTo(p.x, p.y) : (void)expected.MoveTo(p.x, p.y);
                down = true;
            }
        };
        trace(coast, kBlack);
        trace(borders, kOrange);
        for (int repaint = 0; repaint < 2; ++repaint) {
            vd::ImageDc drawn(800, 800);
            drawn.SetROP2(c.rop);
            OnJapanCoastLineDraw(&drawn, c.mode, 1, 0, 400, 300, 0, 355000.f, 1375000.f, projection.scale, folder.Windows());
            int differing = 0, coloured = 0;
            for (int y = 0; y < 800; ++y)
                for (int x = 0; x < 800; ++x) {
                    differing += drawn.GetPixel(x, y) != expected.GetPixel(x, y);
                    coloured += drawn.GetPixel(x, y) != vd::RGB(255, 255, 255);
                }
            EXPECT_EQ(differing, 0);
            EXPECT_GT(coloured, 50);
            EXPECT_EQ(drawn.GetCurrentPosition(), expected.GetCurrentPosition());
        }
    }
}

// A kept projection is used only for the same file contents and the same projection.
TEST_F(JapanCoastLine, RepaintsFollowARewrittenFileAndANewProjection)
{
    OnJapanCoastLineDraw(&dc, 0, 0, 0, 400, 300, 0, 355000.f, 1375000.f, 850.f, folder.Windows());
    // The same size, other points.
    folder.WriteInt32Pairs("BN_JMAPA.DAT", {{300000, 1300000}, {310000, 1310000}, {999, 999},
                                            {320000, 1320000}, {330000, 1330000}});
    dc.Clear();
    OnJapanCoastLineDraw(&dc, 0, 0, 0, 400, 300, 0, 355000.f, 1375000.f, 850.f, folder.Windows());
    const SansonProjection p(400, 300, 355000.f, 1375000.f, 850.f);
    EXPECT_EQ(dc.Segments(kBlack), (std::vector<Segment>{{P(p.project(300000, 1300000)), P(p.project(310000, 1310000))},
                                                        {P(p.project(320000, 1320000)), P(p.project(330000, 1330000))}}));
    dc.Clear();
    OnJapanCoastLineDraw(&dc, 0, 0, 0, 400, 300, 0, 355000.f, 1375000.f, 900.f, folder.Windows());
    const SansonProjection q(400, 300, 355000.f, 1375000.f, 900.f);
    EXPECT_EQ(dc.Segments(kBlack)[0], (Segment{P(q.project(300000, 1300000)), P(q.project(310000, 1310000))}));
    dc.Clear();
    OnJapanCoastLineDraw(&dc, 0, 0, 1, 400, 300, 0, 355000.f, 1375000.f, 900.f, folder.Windows());
    EXPECT_EQ(dc.Segments(kBlack).size(), 2u);
}

TEST(ForeEastCoast, TruncatesToArcSecondsAndLiftsThePenOutsideTheLimits)
{
    FixtureFolder folder;
    // 999999 -> 359999"; the limits are inclusive.
    folder.WriteInt32Pairs("BN_FECST.DAT", {{999999, 1000000}, {1000000, 1001000}, {1100000, 1000000},
                                            {1000000, 1010000}, {999, 999}, {1000000, 1020000}});
    vd::RecordingDc dc;
    OnForeEastCoast(&dc, 5.5f, 7.5f, 0.5f, 0.25f, 360000, 350000, 363600, 370000, folder.Windows());
    const vd::Pen blue(vd::PS_SOLID, 2, vd::RGB(0, 0, 255));
    // x = trunc((lon" - west) x 0.5 + 5.5), y = trunc((north - lat") x 0.25 + 7.5)
    EXPECT_EQ(dc.Segments(blue), (std::vector<Segment>{{{5, 2507}, {185, 2507}}}));
    EXPECT_EQ(dc.Segments().size(), 1u);
    ASSERT_EQ(dc.Calls().size(), 1u);
}

} // namespace
