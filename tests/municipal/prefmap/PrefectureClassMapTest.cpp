#include "basemap/projection/SansonProjection.h"
#include "contracts/surrick.h"
#include "platform/dc/RecordingDc.h"
#include "tests/municipal/prefmap/MapFixtures.h"

#include <gtest/gtest.h>

#include <bit>

namespace {

using prefmap_test::MapFolder;

constexpr int kLift = 999;
constexpr float kRefLatitude = 355000.f;
constexpr float kRefLongitude = 1375000.f;
constexpr float kScale = 222.22223f;
constexpr int kOriginX = 500;

// n points of a small ring south of Tokyo.
std::vector<std::pair<int, int>> Ring(int n, int latitude = 350000)
{
    std::vector<std::pair<int, int>> points;
    for (int i = 0; i < n; ++i)
        points.push_back({latitude + 100 * (i % 3), 1395000 + 100 * i});
    return points;
}

void Append(std::vector<std::pair<int, int>>& to, const std::vector<std::pair<int, int>>& from)
{
    to.insert(to.end(), from.begin(), from.end());
}

struct FilledPolygon {
    vd::COLORREF pen;
    vd::COLORREF brush;
    std::vector<vd::Point> points;
};

std::vector<FilledPolygon> Polygons(const vd::RecordingDc& dc)
{
    std::vector<FilledPolygon> polygons;
    for (const auto& call : dc.Calls())
        if (call.op.kind == vd::DrawOp::Polygon)
            polygons.push_back({call.state.pen.Colour(), call.state.brush.Colour(), call.op.points});
    return polygons;
}

class PrefectureClassMap : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Class 0 before any header; code 1; code 2; a code outside 1..47; a 10-point polygon of
        // code 3; and a last polygon of code 4 cut off by the end of the file.
        std::vector<std::pair<int, int>> records = Ring(11);
        for (int code : {1, 2, 48, 3, 4}) {
            records.push_back({kLift, kLift});
            records.push_back({code, 0});
            Append(records, Ring(code == 3 ? 10 : 11));
        }
        folder.WriteInt32Pairs("PRFCT_RK.DAT", records);
    }
    MapFolder folder{"Coast_JB"};
    vd::RecordingDc dc;
};

TEST_F(PrefectureClassMap, ClassColoursOfBothFlagsHeadersAndSmallOrCutPolygons)
{
    struct Case {
        int colourFlag;
        std::vector<vd::COLORREF> pens, brushes; // before the first header, code 1, code 2, code 48
    };
    // Code 1 has the value 47, code 2 the value 30.
    const Case cases[] = {
        {1, {0xFF0080, 0x404080, 0x00807D, 0x00807D}, {0xFF0080, 0x404080, 0x0080FF, 0x0080FF}},
        {0, {0xFFFF00, 0xFF80FF, 0x00807D, 0x00807D}, {0xFFFF00, 0xFF80FF, 0x0080FF, 0x0080FF}},
    };
    for (const Case& c : cases) {
        vd::RecordingDc dc;
        OnPrefectureMap(&dc, "47|30|", folder.Windows(), kOriginX, 0, 1, c.colourFlag, kRefLatitude, kRefLongitude,
                        kScale);
        const auto polygons = Polygons(dc);
        ASSERT_EQ(polygons.size(), 4u) << c.colourFlag;
        for (std::size_t i = 0; i < polygons.size(); ++i) {
            EXPECT_EQ(polygons[i].pen, c.pens[i]) << c.colourFlag << " polygon " << i;
            EXPECT_EQ(polygons[i].brush, c.brushes[i]) << c.colourFlag << " polygon " << i;
            EXPECT_EQ(polygons[i].points.size(), 11u);
        }
    }
}

TEST_F(PrefectureClassMap, EmptyClassListIsClassZeroAndTheCallersObjectsComeBack)
{
    const vd::Pen callerPen(vd::PS_DOT, 1, vd::RGB(1, 2, 3));
    const vd::Brush callerBrush(vd::RGB(4, 5, 6));
    dc.SelectObject(callerPen);
    dc.SelectObject(callerBrush);
    dc.SetTextColor(vd::RGB(9, 9, 9));
    dc.SetBkColor(vd::RGB(7, 7, 7));
    OnPrefectureMap(&dc, "", folder.Windows(), kOriginX, 0, 1, 1, kRefLatitude, kRefLongitude, kScale);
    for (const auto& polygon : Polygons(dc))
        EXPECT_EQ(polygon.brush, 0xFF0080u);
    EXPECT_EQ(dc.GetCurrentPen(), callerPen);
    EXPECT_EQ(dc.GetCurrentBrush(), callerBrush);
    EXPECT_EQ(dc.GetTextColor(), vd::RGB(0, 0, 0));
    EXPECT_EQ(dc.GetBkColor(), vd::RGB(255, 255, 255));
}

TEST(PrefectureClassMapLongPolygon, IsFilledWholeWithoutAPointLimit)
{
    MapFolder folder("Coast_JB");
    std::vector<std::pair<int, int>> records{{kLift, kLift}, {13, 0}};
    Append(records, Ring(1500));
    records.push_back({kLift, kLift});
    folder.WriteInt32Pairs("PRFCT_RK.DAT", records);
    vd::RecordingDc dc;
    OnPrefectureMap(&dc, "", folder.Windows(), kOriginX, 0, 1, 1, kRefLatitude, kRefLongitude, kScale);
    const auto polygons = Polygons(dc);
    ASSERT_EQ(polygons.size(), 1u);
    EXPECT_EQ(polygons[0].points.size(), 1500u);
}

TEST(PrefectureClassMapInset, SouthWesternIslandsMoveOnlyStrictlyInsideTheBox)
{
    MapFolder folder("Coast_JB");
    // 26.5N 127.7E is moved; 25N and 125E lie on the box's edge and stay. The ratio is that of
    // the stored degree (26), not of the shifted one (31).
    std::vector<std::pair<int, int>> records{{265000, 1277000}, {250000, 1277000}, {265000, 1250000}};
    Append(records, Ring(8));
    records.push_back({kLift, kLift});
    folder.WriteInt32Pairs("PRFCT_RK.DAT", records);
    const SansonProjection band(kOriginX, 0, kRefLatitude, kRefLongitude, kScale);
    const auto at = [&](int lat, int lon, int degree) {
        const PixelPoint p = band.project(lat, lon, band.table[degree]);
        return vd::Point{p.x, p.y};
    };
    for (int insetFlag : {0, 1}) {
        vd::RecordingDc dc;
        OnPrefectureMap(&dc, "", folder.Windows(), kOriginX, 0, insetFlag, 1, kRefLatitude, kRefLongitude, kScale);
        const auto polygons = Polygons(dc);
        ASSERT_EQ(polygons.size(), 1u);
        const auto& p = polygons[0].points;
        EXPECT_EQ(p[0], insetFlag == 0 ? at(310000, 1407000, 26) : at(265000, 1277000, 26)) << insetFlag;
        EXPECT_EQ(p[1], at(250000, 1277000, 25));
        EXPECT_EQ(p[2], at(265000, 1250000, 26));
    }
}

TEST(OutlineProjection, FixedRatioModeAndTheConicsIntegers)
{
    MapFolder folder("Coast_JB");
    // Mode 1: a point at 16.5 and one at 59.5 degrees take the ratio of 35 degrees.
    folder.WriteInt32Pairs("JILSPFTR.DAT", {{165000, 1475000}, {595000, 1475000}});
    vd::RecordingDc dc;
    OnPrectureLine(&dc, folder.Windows(), 0, 1, 0, 0, 0.f, 1375000.f, 100.f);
    const auto segments = dc.Segments();
    ASSERT_EQ(segments.size(), 1u);
    const float ratio35 = std::bit_cast<float>(0x3F9B8E42u); // 1.2152789
    const int x = static_cast<int>(100000.0 / 100.0 / static_cast<double>(ratio35));
    EXPECT_EQ(segments[0].from, (vd::Point{x, -1650}));
    EXPECT_EQ(segments[0].to, (vd::Point{x, -5950}));

    // The conic: the upper standard parallel on the central meridian is y 0 whatever the origin
    // x; the reference latitude lies below it.
    folder.WriteInt32Pairs("JILSPFTR.DAT", {{470000, 1375000}, {370000, 1375000}});
    vd::RecordingDc conic;
    OnPrectureLine(&conic, folder.Windows(), 300, 2, 0, 0, 370000.f, 1375000.f, 2324.7693f);
    const auto conicSegments = conic.Segments();
    ASSERT_EQ(conicSegments.size(), 1u);
    EXPECT_EQ(conicSegments[0].from, (vd::Point{300, 0}));
    EXPECT_EQ(conicSegments[0].to.x, 300);
    EXPECT_GT(conicSegments[0].to.y, 390);
    EXPECT_LT(conicSegments[0].to.y, 420);
}

} // namespace
