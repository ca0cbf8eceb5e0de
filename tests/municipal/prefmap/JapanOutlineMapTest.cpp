#include "basemap/projection/SansonProjection.h"
#include "contracts/surrick.h"
#include "platform/dc/RecordingDc.h"
#include "tests/municipal/prefmap/MapFixtures.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using prefmap_test::MapFolder;

constexpr float kRefLatitude = 455000.f;
constexpr float kRefLongitude = 1375000.f;
constexpr float kScale = 222.22223f;
constexpr int kOriginX = 512;

const vd::Pen kGrey(vd::PS_SOLID, 1, 0xA0A0A0);
const vd::Pen kBlack(vd::PS_SOLID, 1, vd::RGB(0, 0, 0));
const vd::Pen kOrange(vd::PS_SOLID, 1, 0x0080FF);

vd::Point At(const SansonProjection& p, int lat, int lon, int degree)
{
    const PixelPoint q = p.project(lat, lon, p.table[degree]);
    return {q.x, q.y};
}

class JapanOutlineMap : public ::testing::Test {
protected:
    MapFolder coast{"Coast_JB"};
    MapFolder labels{"labels"};
    SansonProjection band{kOriginX, 0, kRefLatitude, kRefLongitude, kScale};
};

TEST_F(JapanOutlineMap, GraticuleSegmentCountsAndTheInsetMeridian)
{
    struct Case {
        int mode, insetFlag;
        std::size_t greySegments;
    };
    // Band: 10 meridians of 11 pieces, 10 parallels; the conic: 55 and 60 one-degree pieces. With
    // the inset, 140 E loses its pieces below 33 N and the frame adds two lines.
    const Case cases[] = {{0, 1, 120}, {0, 0, 110 - 3 + 10 + 2}, {2, 1, 550 + 600}, {2, 0, 550 - 13 + 600 + 2}};
    for (const Case& c : cases) {
        vd::RecordingDc dc;
        OnJapanDataIsland(&dc, labels.Windows(), coast.Windows() + "none\\", 1, kOriginX, c.mode, c.insetFlag,
                          kRefLatitude, kRefLongitude, c.mode < 2 ? kScale : 2324.7693f);
        EXPECT_EQ(dc.Segments(kGrey).size(), c.greySegments) << c.mode << " " << c.insetFlag;
    }

    vd::RecordingDc dc;
    OnJapanDataIsland(&dc, labels.Windows(), coast.Windows(), 1, kOriginX, 0, 0, kRefLatitude, kRefLongitude, kScale);
    const auto grey = dc.Segments(kGrey);
    // Meridian 140 is the eighth: 105..135 give 7 x 11 pieces first; its first piece ends at 33 N.
    EXPECT_EQ(grey[77], (vd::Segment{At(band, 350000, 1400000, 35), At(band, 330000, 1400000, 33)}));
    // The parallel of 10 N takes the nearest built ratio (15) at both ends.
    EXPECT_EQ(grey[116], (vd::Segment{At(band, 100000, 1000000, 15), At(band, 100000, 1600000, 15)}));
    EXPECT_EQ(grey[117], (vd::Segment{At(band, 300000, 1380000, 30), At(band, 340000, 1410000, 34)}));
    EXPECT_EQ(grey[118], (vd::Segment{At(band, 340000, 1410000, 34), At(band, 340000, 1440000, 34)}));
}

TEST_F(JapanOutlineMap, CoastBordersAndFarEastLabels)
{
    coast.WriteInt32Pairs("BN_JMAPA.DAT", {{265000, 1277000}, {270000, 1280000}, {999, 999}, {350000, 1390000},
                                           {351000, 1391000}});
    coast.WriteInt32Pairs("FEBORDER.DAT", {{420000, 1300000}, {430000, 1310000}});
    // Seoul and a line without a blank after the longitude (its longitude reads as 0).
    labels.WriteText("FarEast.DAT", {"; cities", "", "ソウル 37.34 126.58 ", "ペキン 39.55 116.23"});
    const vd::Pen callerPen(vd::PS_DOT, 1, vd::RGB(1, 2, 3));
    vd::RecordingDc dc;
    dc.SelectObject(callerPen);
    const vd::Font callerFont = dc.GetCurrentFont();
    OnJapanDataIsland(&dc, labels.Windows(), coast.Windows(), 0, kOriginX, 0, 0, kRefLatitude, kRefLongitude, kScale);

    EXPECT_EQ(dc.Segments(kBlack), (std::vector<vd::Segment>{
                                       {At(band, 310000, 1407000, 26), At(band, 315000, 1410000, 27)},
                                       {At(band, 350000, 1390000, 35), At(band, 351000, 1391000, 35)}}));
    EXPECT_EQ(dc.Segments(kOrange),
              (std::vector<vd::Segment>{{At(band, 420000, 1300000, 42), At(band, 430000, 1310000, 43)}}));

    const auto texts = dc.Texts();
    ASSERT_EQ(texts.size(), 2u);
    const double seoulLat = (37 + (37.34 - 37) * 1.6666666) * 10000;
    const double seoulLon = (126 + (126.58 - 126) * 1.6666666) * 10000;
    const PixelPoint seoul = band.project(float(seoulLat), float(seoulLon), band.table[37]);
    EXPECT_EQ(texts[0].text, "ソウル");
    EXPECT_EQ(texts[0].at, (vd::Point{seoul.x + 4, seoul.y - 6}));
    EXPECT_EQ(texts[0].colour, vd::RGB(0, 0, 255));
    EXPECT_EQ(texts[0].font.GetLogFont().lfFaceName, "ＭＳ 明朝");
    EXPECT_EQ(texts[0].font.GetLogFont().lfHeight, 10);
    EXPECT_EQ(texts[1].at.x, band.project(0, 0, band.table[39]).x + 4);
    const auto rectangles = std::count_if(dc.Calls().begin(), dc.Calls().end(), [&](const auto& call) {
        return call.op.kind == vd::DrawOp::Rectangle &&
               call.op.rect == vd::Rect{seoul.x - 2, seoul.y - 2, seoul.x + 2, seoul.y + 2};
    });
    EXPECT_EQ(rectangles, 1);

    EXPECT_EQ(dc.GetCurrentPen(), callerPen);
    EXPECT_EQ(dc.GetCurrentFont(), callerFont);
    EXPECT_EQ(dc.GetTextColor(), vd::RGB(0, 0, 255));
}

TEST_F(JapanOutlineMap, ALabelBeyondDoublesRangeIsHeldFarOffTheMap)
{
    // "141.D2100" reads as 141 x 10^2100 (the old runtime's "D" exponent): infinity.
    labels.WriteText("FarEast.DAT", {"遠方 43.03 141.D2100 "});
    for (int mode : {0, 2}) {
        vd::RecordingDc dc;
        OnJapanDataIsland(&dc, labels.Windows(), coast.Windows(), 0, kOriginX, mode, 1, kRefLatitude, kRefLongitude,
                          mode < 2 ? kScale : 2324.7693f);
        const auto texts = dc.Texts();
        ASSERT_EQ(texts.size(), 1u) << mode;
        EXPECT_GE(texts[0].at.x, 10000000) << mode;
    }
}

TEST(PrefectureLines, StylesSubprefectureBordersAndLabels)
{
    MapFolder coast("Coast_JB");
    coast.WriteInt32Pairs("JILSPFTR.DAT", {{350000, 1390000}, {351000, 1391000}});
    // Seconds, longitude first; (999, anything) lifts the pen.
    coast.WriteInt32Pairs("支庁界.dat", {{511200, 154800}, {511560, 155160}, {999, 5}, {511920, 155520}, {512280, 155880}});
    coast.WriteText("支庁xy.txt", {";", "石狩 43.0330 141.2100 ", "", "後志 42.5400 140.4500"});
    const SansonProjection band(kOriginX, 0, kRefLatitude, kRefLongitude, kScale);
    const auto sub = [&](int lonSeconds, int latSeconds) {
        const float lat = static_cast<float>(latSeconds) * 2.7777777f;
        const float lon = static_cast<float>(lonSeconds) * 2.7777777f;
        const PixelPoint p = band.project(lat, lon, band.table[latSeconds / 3600]);
        return vd::Point{p.x, p.y};
    };
    struct Case {
        int style, options;
        vd::COLORREF colour;
        std::size_t segments, labels;
    };
    const Case cases[] = {
        {0, 0, 0xA0A0A0, 1, 0}, {1, 1, 0x0080FF, 3, 0}, {2, 101, 0x006400, 3, 2}, {7, 100, 0xA0A0A0, 1, 0},
        {1, 201, 0x0080FF, 3, 0},
    };
    for (const Case& c : cases) {
        vd::RecordingDc dc;
        OnPrectureLine(&dc, coast.Windows(), kOriginX, 0, c.style, c.options, kRefLatitude, kRefLongitude, kScale);
        const auto segments = dc.Segments(vd::Pen(vd::PS_SOLID, 1, c.colour));
        EXPECT_EQ(segments.size(), c.segments) << c.style << " " << c.options;
        EXPECT_EQ(dc.Texts().size(), c.labels) << c.options;
        if (c.segments == 3) {
            EXPECT_EQ(segments[1], (vd::Segment{sub(511200, 154800), sub(511560, 155160)}));
            EXPECT_EQ(segments[2], (vd::Segment{sub(511920, 155520), sub(512280, 155880)}));
        }
        if (c.labels == 2) {
            const auto texts = dc.Texts();
            // 43°03'30" N 141°21' E; the label without a blank after its longitude reads it as 0.
            EXPECT_EQ(texts[0].at, sub(141 * 3600 + 21 * 60, 43 * 3600 + 3 * 60 + 30));
            EXPECT_EQ(texts[0].text, "石狩");
            EXPECT_EQ(texts[0].bkMode, vd::TRANSPARENT);
            EXPECT_EQ(texts[0].colour, vd::RGB(0, 0, 255));
            EXPECT_EQ(texts[0].font.GetLogFont().lfFaceName, "ＭＳ ゴシック");
            EXPECT_EQ(texts[0].font.GetLogFont().lfHeight, 11);
            EXPECT_EQ(texts[1].at.x, sub(0, 42 * 3600 + 54 * 60).x);
            EXPECT_EQ(dc.GetTextColor(), vd::RGB(0, 0, 0));
            EXPECT_EQ(dc.GetBkMode(), vd::OPAQUE);
        }
    }
}

} // namespace
