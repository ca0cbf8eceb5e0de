#include "basemap/projection/LatitudeRatioTable.h"
#include "contracts/dovanne.h"
#include "platform/dc/RecordingDc.h"
#include "tests/basemap/BaseMapFixtures.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using basemap_test::FixtureFolder;
using vd::Point;
using vd::Segment;

// Mesh 5339 (35 degrees 20 minutes .. 36 degrees north, 139 .. 140 degrees east) on a map whose
// top is 36 degrees north, 10/10000 degree a pixel, the longitude ratio fixed at 1.25.
constexpr float kLat0 = 360000.f, kLon0 = 1390000.f, kScale = 10.f, kRatio = 1.25f;
constexpr int kOriginX = 50, kWidth = 900, kHeight = 700;
const double kUnitsPerSecond = static_cast<double>(2.7777777f);

// Placement with the fixed ratio, as the caller's map has it.
Point Place(double latitude, double longitude)
{
    return {static_cast<int>(std::trunc((longitude - kLon0) / kScale / kRatio)) + kOriginX,
            static_cast<int>(std::trunc((kLat0 - latitude) / kScale))};
}
Point PlaceSeconds(int latitude, int longitude) { return Place(latitude * kUnitsPerSecond, longitude * kUnitsPerSecond); }
// The prefecture table holds its points in single precision.
Point PlaceTablePoint(int latitude, int longitude)
{
    return Place(static_cast<float>(latitude * kUnitsPerSecond), static_cast<float>(longitude * kUnitsPerSecond));
}

const vd::Pen kGrey(vd::PS_SOLID, 1, vd::RGB(150, 150, 150));
const vd::Pen kRed(vd::PS_SOLID, 1, vd::RGB(255, 0, 0));

class PrefectureMap : public ::testing::Test {
protected:
    void SetUp() override
    {
        coast.WriteInt16Pairs("coast05.dat", {{-7777, 5338}, {1, 1}, {2, 2},
                                              {-7777, 5339}, {0, 3190}, {3190, 0}, {-999, 0}, {1595, 1595}, {1600, 1595},
                                              {-7777, 5340}, {3, 3}, {4, 4}});
        coast.WriteText("MAPELMNT/都道府県.DAT", {";都道府県の代表点", "35.4000 139.3000 甲", ";注釈", "35.3000 139.4000 乙"});
    }
    std::string Folder() const { return coast.Windows(); }
    std::string AppFolder() const { return coast.Windows(); } // MAPELMNT\ lies in the same scratch folder
    FixtureFolder coast;
    vd::RecordingDc dc;
};

TEST_F(PrefectureMap, CoastPrfctrDrawsCornersFrameCoastAndLabel)
{
    dc.SetTextColor(vd::RGB(7, 7, 7));
    OnCoastPrfctr(&dc, 1, kOriginX, 1, kHeight, kWidth, 1, 8, kLat0, kLon0, kScale, kRatio, Folder(), "5339", "乙",
                  AppFolder());
    const auto texts = dc.Texts();
    ASSERT_EQ(texts.size(), 3u);
    // North-east 36 degrees, 140.0625 degrees = 140 degrees 3 minutes 45 seconds; south-west
    // 35.3 degrees = 35 degrees 18 minutes, 138.9375 degrees = 138 degrees 56 minutes 15 seconds.
    EXPECT_EQ(texts[0].text, "36.0000  140.0345");
    EXPECT_EQ(texts[0].at, (Point{760, 2}));
    EXPECT_EQ(texts[0].bkMode, vd::TRANSPARENT);
    EXPECT_EQ(texts[0].colour, vd::RGB(7, 7, 7));
    EXPECT_EQ(texts[1].text, "35.1800  138.5615");
    EXPECT_EQ(texts[1].at, (Point{760, 21}));
    // The label at the second data line (the comment between does not count), in blue.
    EXPECT_EQ(texts[2].text, "乙");
    EXPECT_EQ(texts[2].at, PlaceTablePoint(127800, 502800));
    EXPECT_EQ(texts[2].colour, vd::RGB(0, 0, 255));
    EXPECT_EQ(texts[2].bkMode, vd::TRANSPARENT);
    EXPECT_EQ(dc.GetTextColor(), vd::RGB(0, 0, 0));
    EXPECT_EQ(dc.GetBkMode(), vd::OPAQUE);

    // The frame: west edge, north edge, east edge, south edge.
    EXPECT_EQ(dc.Segments(kGrey), (std::vector<Segment>{{{50, 0}, {50, 666}}, {{50, 0}, {850, 0}},
                                                       {{850, 0}, {850, 666}}, {{50, 666}, {850, 666}}}));
    // Mesh corners land on the frame's corners.
    EXPECT_EQ(dc.Segments(kRed), (std::vector<Segment>{{{50, 666}, {850, 0}}, {{450, 333}, {451, 333}}}));
    EXPECT_EQ(dc.GetCurrentPen(), vd::StockPen(vd::BLACK_PEN));
}

TEST_F(PrefectureMap, CoastPrfctrClipsToTheMapAndSplitsAnEdgeReachingPastIt)
{
    // 500 x 400 pixels: the mesh's east part and south part lie outside.
    OnCoastPrfctr(&dc, 0, kOriginX, 1, 400, 500, 1, 99, kLat0, kLon0, kScale, kRatio, Folder(), "5339", "",
                  AppFolder());
    EXPECT_EQ(dc.Texts().size(), 2u); // no label
    const auto frame = dc.Segments(kGrey);
    // West edge in six pieces (its south end was outside), clamped; the east edge at x = 500.
    ASSERT_EQ(frame.size(), 6u + 1 + 6 + 1);
    EXPECT_EQ(frame[0].from, (Point{50, 0}));
    EXPECT_EQ(frame[5].to, (Point{50, 400}));
    EXPECT_EQ(frame[6], (Segment{{50, 0}, {500, 0}}));
    EXPECT_EQ(frame[7].from, (Point{500, 0}));
    EXPECT_EQ(frame[13], (Segment{{50, 400}, {500, 400}}));
    // Pen code 99 draws black; the corner-to-corner line leaves the map and is not drawn.
    EXPECT_EQ(dc.Segments(vd::Pen(vd::PS_SOLID, 1, vd::RGB(0, 0, 0))), (std::vector<Segment>{{{450, 333}, {451, 333}}}));
}

TEST_F(PrefectureMap, CoastPrfctrReadsTheCoastFileOfTheMeshRegion)
{
    const struct { const char* code; const char* file; } cases[] = {{"5236", "coast04.dat"}, {"6441", "coast06.dat"}};
    for (const auto& c : cases) {
        coast.WriteInt16Pairs(c.file, {{-7777, std::atoi(c.code)}, {0, 0}, {10, 10}});
        vd::RecordingDc one;
        // Ratio mode 0: the table's ratio of the point's own degree.
        OnCoastPrfctr(&one, 0, 0, 0, 100000, 100000, 0, 2, 460000.f, 1360000.f, 100.f, 1.f, Folder(), c.code, "",
                      AppFolder());
        EXPECT_EQ(one.Segments(vd::Pen(vd::PS_SOLID, 1, vd::RGB(0, 0, 255))).size(), 1u) << c.code;
    }
}

TEST_F(PrefectureMap, CstPrfctrLineForPrintAndSubprefectures)
{
    coast.WriteInt16Pairs("pfctr01.dat", {{-7777, 5339}, {0, 319}, {100, 200}, {319, 0}});
    OnCstPrfctrLine(&dc, Folder(), "5339", "RED", kLat0, kLon0, kScale, kRatio, 1, kOriginX, kHeight, -500, 1);
    // Printed: red borders in white, clipped at x = 500 (the north-east corner is outside).
    const vd::Pen white(vd::PS_SOLID, 1, vd::RGB(255, 255, 255));
    EXPECT_EQ(dc.Segments(white), (std::vector<Segment>{{{50, 666}, Place(353333.3333 + 119 * 6666.6665 / 319, 1390000 + 100 * 10000.0 / 319)}}));
    dc.Clear();
    OnCstPrfctrLine(&dc, Folder(), "5339", "ORNG", kLat0, kLon0, kScale, kRatio, 1, kOriginX, kHeight, -900, 0);
    EXPECT_EQ(dc.Segments(vd::Pen(vd::PS_SOLID, 1, vd::RGB(255, 98, 0))).size(), 2u);

    // North of 42 degrees: no prefecture-border file, the sub-prefecture borders instead.
    coast.WriteInt16Pairs("pfctr01.dat", {{-7777, 6441}, {0, 319}, {319, 0}});
    coast.WriteInt32Pairs("支庁界.dat", {{507700, 154000}, {508000, 154500}, {0, 999}, {508100, 154600}});
    vd::RecordingDc north;
    OnCstPrfctrLine(&north, Folder(), "6441", "RED", 433400.f, 1410000.f, kScale, kRatio, 1, kOriginX, kHeight, kWidth, 1);
    EXPECT_TRUE(north.Segments(kRed).empty());
    const auto at = [](int lat, int lon) {
        return Point{static_cast<int>(std::trunc((lon * kUnitsPerSecond - 1410000) / kScale / kRatio)) + kOriginX,
                     static_cast<int>(std::trunc((433400.f - lat * kUnitsPerSecond) / kScale))};
    };
    EXPECT_EQ(north.Segments(vd::Pen(vd::PS_SOLID, 1, vd::RGB(255, 85, 85))),
              (std::vector<Segment>{{at(154000, 507700), at(154500, 508000)}}));
}

TEST_F(PrefectureMap, PrfctrLakeFillsLakesOfTheMapsBox)
{
    coast.WriteInt32Pairs("TLR0001.DAT", {{128000, 501000}, {128500, 501500}, {128000, 501000}, {128500, 501000},
                                          {128500, 501500}, {999, 999},
                                          {100000, 400000}, {100100, 400100}, {100000, 400000}, {100100, 400100}, {999, 999}});
    OnPrfctrLake(&dc, Folder(), 0, 1, kRatio, kLat0, kLon0, kScale, 0, kHeight, kWidth, kOriginX, 0x00FF8800);
    ASSERT_EQ(dc.Calls().size(), 1u);
    EXPECT_EQ(dc.Calls()[0].op.points,
              (std::vector<Point>{PlaceSeconds(128000, 501000), PlaceSeconds(128500, 501000), PlaceSeconds(128500, 501500)}));
    EXPECT_EQ(dc.Calls()[0].state.brush, vd::Brush(0x00FF8800));
    dc.Clear();
    OnPrfctrLake(&dc, Folder(), 0, 1, kRatio, kLat0, kLon0, kScale, 10, kHeight, kWidth, kOriginX, 0);
    ASSERT_EQ(dc.Calls().size(), 1u);
    EXPECT_EQ(dc.Calls()[0].state.brush, vd::StockBrush(vd::HOLLOW_BRUSH));
    dc.Clear();
    OnPrfctrLake(&dc, Folder(), 0, 1, kRatio, kLat0, kLon0, kScale, 12, kHeight, kWidth, kOriginX, 0);
    EXPECT_TRUE(dc.Calls().empty());
}

TEST_F(PrefectureMap, NameOutUsesTheRatioArgumentAndCountsDataLinesOnly)
{
    OnBmpPrfctrNameOut(&dc, 0, kOriginX, kLat0, kLon0, kScale, kRatio, "甲", AppFolder());
    OnBmpPrfctrNameOut(&dc, 1, kOriginX, kLat0, kLon0, kScale, kRatio, "乙", AppFolder());
    OnBmpPrfctrNameOut(&dc, 2, kOriginX, kLat0, kLon0, kScale, kRatio, "丙", AppFolder());
    const auto texts = dc.Texts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].at, PlaceTablePoint(128400, 502200));
    EXPECT_EQ(texts[1].at, PlaceTablePoint(127800, 502800));
    EXPECT_EQ(texts[1].colour, vd::RGB(0, 0, 255));
    EXPECT_EQ(dc.GetTextColor(), vd::RGB(0, 0, 0));
}

TEST(PrfctrScale, TwentyKilometresUnderTwoDegreesFiftyFromTwo)
{
    const vd::Pen pen(vd::PS_SOLID, 1, vd::RGB(1, 1, 1));
    vd::RecordingDc narrow;
    narrow.SelectObject(pen);
    OnPrfctrScale(&narrow, 10.f, 1.f, 25.3578f, 1999, 900);
    // L = trunc(1000 x 20 / (25.3578 x 3.6)) = 219; R = 1999 - 50.
    const std::vector<Segment> expected{
        {{1730, 865}, {1949, 865}}, {{1730, 868}, {1949, 868}}, {{1730, 869}, {1949, 869}},
        {{1730, 869}, {1730, 860}}, {{1731, 869}, {1731, 860}}, {{1839, 869}, {1839, 860}},
        {{1949, 869}, {1949, 860}}, {{1948, 869}, {1948, 860}},
    };
    EXPECT_EQ(narrow.Segments(pen), expected);
    ASSERT_EQ(narrow.Texts().size(), 1u);
    EXPECT_EQ(narrow.Texts()[0].text, "20km");
    EXPECT_EQ(narrow.Texts()[0].at, (Point{1949 - 109 - 20, 845}));

    vd::RecordingDc wide;
    OnPrfctrScale(&wide, 10.f, 1.f, 25.3578f, 2000, 900);
    EXPECT_EQ(wide.Segments().size(), 3u + 6 + 2);
    EXPECT_EQ(wide.Texts().at(0).text, "50km");
    vd::RecordingDc small;
    OnPrfctrScale(&small, 10.f, 1.f, 25.3578f, 700, 900);
    EXPECT_EQ(small.Segments().at(0).to, (Point{470, 865})); // R = W - 230 up to 800 pixels
}

TEST(PrefectureLat, AtMostTenParallelsAndLinearMeridians)
{
    vd::RecordingDc dc;
    OnPrefectureLat(&dc, 130000, 500400, 100000, 504000, 1, 1.f, 0.f, 0.f, 0.1f, 0.1f, 0.f);
    const auto lines = dc.Segments(kGrey);
    ASSERT_EQ(lines.size(), 10u + 2);
    EXPECT_EQ(lines[0], (Segment{{0, 3160}, {360, 3160}})); // 98400": below the south limit
    EXPECT_EQ(lines[9], (Segment{{0, 1000}, {360, 1000}})); // 120000"
    EXPECT_EQ(lines[10], (Segment{{0, 0}, {0, 3000}}));
    EXPECT_EQ(lines[11], (Segment{{360, 0}, {360, 3000}}));
}

TEST(PrefectureLat, BandMapMeridiansTakeTheRatioOfEachEnd)
{
    float table[kLatitudeRatioTableSize] = {};
    BuildLatitudeRatioTable(table);
    vd::RecordingDc dc;
    OnPrefectureLat(&dc, 129600, 500400, 127200, 504000, 0, 10.f, 5.f, 0.f, 0.1f, 0.1f, 1390000.f);
    const auto lines = dc.Segments(kGrey);
    ASSERT_EQ(lines.size(), 2u + 2);
    const double p = 10000 / (10.0 * 3600);
    const auto x = [&](int lon, int degree) {
        return static_cast<int>(std::trunc((lon - 1390000.f * static_cast<double>(0.36f)) * p / table[degree] + 5.f));
    };
    EXPECT_EQ(lines[3], (Segment{{x(504000, 36), 0}, {x(504000, 35), 240}}));
    EXPECT_NE(lines[3].from.x, lines[3].to.x);
}

} // namespace
