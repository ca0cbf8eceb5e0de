// The four entry points on a RecordingDc with small files: fills, outlines, labels and their
// colours, coastlines, the search of a municipality in parts, prefecture lines with their clipping.
#include "contracts/surrick.h"
#include "municipal/citysurface/MunicipalityColour.h"
#include "platform/dc/RecordingDc.h"
#include "tests/municipal/citysurface/CitySurfaceFixtures.h"

#include <gtest/gtest.h>

namespace {

using namespace citysurface_test;

// Mesh 5339: south-west corner 35 20' N (127200 s), 139 E (500400 s).
constexpr int kSouth = 127200;
constexpr int kWest = 500400;

std::vector<vd::RecordedCall> CallsOf(const vd::RecordingDc& dc, vd::DrawOp::Kind kind)
{
    std::vector<vd::RecordedCall> calls;
    for (const vd::RecordedCall& call : dc.Calls())
        if (call.op.kind == kind)
            calls.push_back(call);
    return calls;
}

class CitySurface : public ::testing::Test {
protected:
    prefmap_test::MapFolder data{"data"};
    prefmap_test::MapFolder boundary{"boundary"};
    prefmap_test::MapFolder coast{"coast"};

    void SetUp() override { data.WriteText("Msh_prft.dat", {"5339=13"}); }

    void WriteMunicipalities(const std::vector<Area>& areas, const std::string& name = "Pg001_13.dat")
    {
        boundary.WriteBytes("CityPlgn/" + name,
                            BoundaryBytes({LedgerLine("13101", "千代田区 x"), LedgerLine("13102", "中央区")}, "999", areas));
    }
    // The white 3 x 3 block around 5339 at zoom 1.
    void DrawWhite(vd::RecordingDc& dc, int colourCode, int labelFlags, int fillFlag, int coastlinePen = 3)
    {
        OnCitySurfaceWhite(&dc, colourCode, 0, 0, 9, 5339, coastlinePen, 0, 0, labelFlags, fillFlag, 1.f, 1.f, "", "",
                           "9", data.Windows(), boundary.Windows(), coast.Windows());
    }
};

TEST_F(CitySurface, WhiteMapFillsAndLabelsInTheColourOfTheCode)
{
    WriteMunicipalities({{"13101", Ring(kWest + 600, kSouth + 400, kWest + 3000, kSouth + 2000, 8)}});
    for (const int code : {-11, 12}) {
        vd::RecordingDc dc;
        DrawWhite(dc, code, 11, 1);
        const auto polygons = CallsOf(dc, vd::DrawOp::Polygon);
        ASSERT_EQ(polygons.size(), 1u) << code;
        EXPECT_EQ(polygons[0].state.pen, surrick::MunicipalityPolygonPen(code));
        EXPECT_EQ(polygons[0].state.brush.Colour(), surrick::MunicipalityColour(code));
        // The 3 x 3 block starts one mesh west and reaches one north: x = (lon - (west - 3600)) * 0.0888...
        EXPECT_EQ(polygons[0].op.points.front(), (vd::Point{int(float(3600 + 1200) * 0.08888889f),
                                                            int(float(4800 - 400) * 0.13333334f)}));
        const auto texts = dc.Texts();
        ASSERT_EQ(texts.size(), 1u);
        EXPECT_EQ(texts[0].text, "千代田区");
        EXPECT_EQ(texts[0].colour, code < 0 ? 0xFFFFFFu : 0xFF0000u);
        EXPECT_EQ(texts[0].font.GetLogFont().lfHeight, 9);
        EXPECT_EQ(texts[0].bkMode, vd::TRANSPARENT);
        // The caller's tools come back.
        EXPECT_EQ(dc.State().pen, vd::RecordingDc().State().pen);
        EXPECT_EQ(dc.State().bkMode, vd::OPAQUE);
    }
    // Without the fill flag an outline.
    vd::RecordingDc dc;
    DrawWhite(dc, 31, 0, 0);
    ASSERT_EQ(CallsOf(dc, vd::DrawOp::Polyline).size(), 1u);
    EXPECT_EQ(CallsOf(dc, vd::DrawOp::Polyline)[0].state.pen, vd::Pen(vd::PS_DOT, 1, 0xFF0080));
    EXPECT_TRUE(dc.Texts().empty());
}

TEST_F(CitySurface, SingleSheetWithoutMeshCodeDrawsTheMeshOfItsText)
{
    WriteMunicipalities({{"13101", Ring(kWest + 600, kSouth + 400, kWest + 3000, kSouth + 2000, 8)}});
    vd::RecordingDc dc;
    OnCitySurfaceWhite(&dc, -11, 0, 0, 1, 0, 3, 1, 0, 11, 1, 1.f, 1.f, "", "5339", "", data.Windows(),
                       boundary.Windows(), coast.Windows());
    const auto polygons = CallsOf(dc, vd::DrawOp::Polygon);
    ASSERT_EQ(polygons.size(), 1u);
    // One mesh at zoom 1: x = (lon - west) * 0.0888..., and the label font of a single cell.
    EXPECT_EQ(polygons[0].op.points.front().x, int(1200 * 0.08888889f));
    ASSERT_EQ(dc.Texts().size(), 1u);
    EXPECT_EQ(dc.Texts()[0].font.GetLogFont().lfHeight, 10);
}

TEST_F(CitySurface, LabelsOfSmallAreasOnlyWithBothFlags)
{
    struct Case {
        int points, labelFlags;
        bool labelled;
    };
    const Case cases[] = {{40, 11, true}, {40, 1, false}, {41, 1, true}, {41, 10, false}, {41, 0, false}};
    for (const Case& c : cases) {
        WriteMunicipalities({{"13102", Ring(kWest + 600, kSouth + 400, kWest + 3000, kSouth + 2000, c.points)}});
        vd::RecordingDc dc;
        DrawWhite(dc, 2, c.labelFlags, 1);
        EXPECT_EQ(dc.Texts().size(), c.labelled ? 1u : 0u) << c.points << " " << c.labelFlags;
    }
    // A label whose mean falls outside the drawn rectangle is not written.
    WriteMunicipalities({{"13102", Ring(kWest + 20000, kSouth + 400, kWest + 23000, kSouth + 2000, 44)}});
    vd::RecordingDc dc;
    DrawWhite(dc, 2, 11, 1);
    EXPECT_EQ(CallsOf(dc, vd::DrawOp::Polygon).size(), 1u);
    EXPECT_TRUE(dc.Texts().empty());
}

TEST_F(CitySurface, CoastlinesAfterEachPrefectureUnlessPenCodeTwenty)
{
    // Only a coastline file: a CityPlgn folder without Pg files still gets it.
    boundary.WriteBytes("CityPlgn/readme.txt", "x");
    coast.WriteBytes("CoastC23/Ln59l_13.dat",
                     BoundaryBytes({"1 coast"}, "-999", {{"1", Ring(kWest, kSouth, kWest + 900, kSouth + 900, 6)}}));
    struct Case {
        int pen;
        std::size_t lines;
    };
    for (const Case c : {Case{3, 1}, Case{14, 1}, Case{20, 0}}) {
        vd::RecordingDc dc;
        DrawWhite(dc, 2, 0, 1, c.pen);
        const auto lines = CallsOf(dc, vd::DrawOp::Polyline);
        ASSERT_EQ(lines.size(), c.lines) << c.pen;
        if (c.lines) {
            EXPECT_EQ(lines[0].state.pen, surrick::MunicipalityCoastlinePen(c.pen));
        }
        EXPECT_TRUE(CallsOf(dc, vd::DrawOp::Polygon).empty());
    }
}

TEST_F(CitySurface, DamagedAndMissingFilesDrawWhatIsWhole)
{
    const Points square = Ring(kWest + 600, kSouth + 400, kWest + 3000, kSouth + 2000, 8);
    struct Case {
        const char* what;
        std::string bytes;
        std::size_t polygons;
    };
    const std::string whole = BoundaryBytes({}, "999", {{"13101", square}, {"13102", square, false}});
    const Case cases[] = {
        {"unclosed last area", whole, 1},
        {"cut in a record", whole.substr(0, whole.size() - 3), 1},
        {"ledger without its end", std::string(81 * 3, 'a'), 0},
        {"empty", "", 0},
    };
    for (const Case& c : cases) {
        boundary.WriteBytes("CityPlgn/Pg001_13.dat", c.bytes);
        vd::RecordingDc dc;
        DrawWhite(dc, 2, 11, 1);
        EXPECT_EQ(CallsOf(dc, vd::DrawOp::Polygon).size(), c.polygons) << c.what;
    }
    // No Msh_prft.dat: no prefecture, nothing drawn.
    prefmap_test::MapFolder empty("empty");
    vd::RecordingDc dc;
    OnCitySurfaceWhite(&dc, 2, 0, 0, 9, 5339, 3, 0, 0, 11, 1, 1.f, 1.f, "", "", "9", empty.Windows(),
                       boundary.Windows(), coast.Windows());
    EXPECT_TRUE(dc.Calls().empty());
}

TEST_F(CitySurface, PlainMapInTheLatitudeBandAndItsPrefectureFlags)
{
    WriteMunicipalities({{"13101", Ring(kWest + 600, kSouth + 400, kWest + 3000, kSouth + 2000, 8)}});
    const int north = kSouth + 2400, east = kWest + 3600;
    struct Case {
        std::string spec;
        std::size_t polygons;
    };
    const Case cases[] = {{"", 1}, {"広域", 1}, {"広域/0|0|0|0|0|0|0|0|0|0|0|0|0|1|", 1}, {"広域/0|1|", 0}};
    for (const auto& [spec, count] : cases) {
        vd::RecordingDc dc;
        OnCitySurfacePlain(&dc, 3, 2, 20, north, kWest, kSouth, east, 0, 1, 0, 0, 3, 1, 0, 0, 10.f, 1390000.f, 0.f,
                           0.f, 0.1f, 0.1f, spec, "5339", "", "", data.Windows(), boundary.Windows(), "");
        const auto polygons = CallsOf(dc, vd::DrawOp::Polygon);
        ASSERT_EQ(polygons.size(), count) << spec;
        if (polygons.empty())
            continue;
        // 1200 seconds east of the reference longitude at 35 N, 10/10000 degree a pixel.
        EXPECT_EQ(polygons[0].op.points[0].x, int(1200 * (10000.f / 36000.f) / 1.2152789f)) << spec;
    }
}

TEST_F(CitySurface, SearchDrawsEveryPartWithin39AreasInRed)
{
    const Points part = Ring(kWest + 600, kSouth + 400, kWest + 3000, kSouth + 2000, 8);
    std::vector<Area> areas{{"26101", part}, {"26102", part}};
    for (int i = 0; i < 38; ++i)
        areas.push_back({"26103", part});
    areas.push_back({"26102", part}); // 38 areas after the first part: drawn
    for (int i = 0; i < 39; ++i)
        areas.push_back({"26104", part});
    areas.push_back({"26102", part}); // 39 after: reading has stopped
    boundary.WriteBytes("CityPlgn/Pg001_26.dat",
                        BoundaryBytes({LedgerLine("26101", "北区"), LedgerLine("26102", "上京区 ab")}, "999", areas));
    for (const int fill : {1, 0}) {
        vd::RecordingDc dc;
        OnCitySurfaceSearch(&dc, 5, kSouth + 2400, kWest, kSouth, kWest + 3600, 1, 2, 2, 1, 1, fill, 1, 0.f, 0.f, 0.1f,
                            0.1f, "広域3/x", "5339", "", "", data.Windows(), boundary.Windows(), "26102");
        const auto shapes = CallsOf(dc, fill ? vd::DrawOp::Polygon : vd::DrawOp::Polyline);
        ASSERT_EQ(shapes.size(), 2u) << fill;
        EXPECT_EQ(shapes[0].state.pen, surrick::MunicipalityPolygonPen(fill ? 9 : 5));
        const auto texts = dc.Texts();
        ASSERT_EQ(texts.size(), 2u);
        EXPECT_EQ(texts[0].text, "上京区 ab"); // columns 41-52, not cut at the blank
        EXPECT_EQ(texts[0].colour, 0x0000FFu);
        EXPECT_EQ(dc.State().textColour, 0u);
    }
}

// Mesh 5339 drawn alone at 0.1 pixel a second: x = (lon - west) / 10, y = (north - lat) / 10.
class PrefectureLines : public CitySurface {
protected:
    void Draw(vd::RecordingDc& dc, int options, int meshCode = 5339)
    {
        const int south = meshCode / 100 * 2400, west = meshCode % 100 * 3600 + 360000;
        OnPlnPrfctrLine(&dc, options, south + 2400, west, south, west + 3600, 0, 1, 0, 0, 0, 0, 0.f, 0.f, 0.1f, 0.1f,
                        "", std::to_string(meshCode), "", "", "", data.Windows());
    }
};

TEST_F(PrefectureLines, ClippedToTheExtentInThePenOfTheOptions)
{
    data.WriteBytes("pfctr01.dat", MeshRecords({{-7777, 5338}, {5, 5}, {-7777, 5339}, {0, 320}, {160, 160}, {400, 160},
                                                {400, 100}, {160, 100}, {-999, -999}, {10, 10}, {-7777, 5340}, {20, 20}}));
    struct Case {
        int options;
        vd::COLORREF colour;
    };
    const Case cases[] = {{10, 0xFF0000}, {20, 0x0000FF}, {31, 0x0080FF}, {43, 0x008C00}, {41, 0xFF0000},
                          {53, 0x008C00}, {0, 0x000000},  {72, 0x000000}};
    for (const Case& c : cases) {
        vd::RecordingDc dc;
        Draw(dc, c.options);
        EXPECT_EQ(dc.Segments(vd::Pen(vd::PS_SOLID, 1, c.colour)),
                  (std::vector<vd::Segment>{{{0, 240}, {180, 120}}, {{180, 120}, {360, 120}}, {{360, 75}, {180, 75}}}))
            << c.options;
    }
    // Longitude codes 32-37 read pfctr02.dat; a file without the cell's block draws nothing.
    data.WriteBytes("pfctr02.dat", MeshRecords({{-7777, 5335}, {0, 0}, {320, 0}}));
    vd::RecordingDc dc;
    Draw(dc, 10, 5335);
    EXPECT_EQ(dc.Segments().size(), 1u);
    vd::RecordingDc none;
    Draw(none, 10, 5336);
    EXPECT_TRUE(none.Segments().empty());

    // Chosen on the white map: the cells are the area list's first four fields, not the mesh code.
    vd::RecordingDc chosen;
    OnPlnPrfctrLine(&chosen, 10, kSouth + 2400, kWest, kSouth, kWest + 3600, 0, 1, 0, 0, 0, 0, 0.f, 0.f, 0.1f, 0.1f,
                    "", "5336", "5339|||", "", "白地図で指定", data.Windows());
    EXPECT_EQ(chosen.Segments().size(), 3u);
}

TEST_F(PrefectureLines, SubprefectureLinesLiftOnlyAtBoth999)
{
    const int south = 64 * 2400, west = 41 * 3600 + 360000;
    data.WriteInt32Pairs("支庁界.dat", {{west + 100, south + 100}, {west + 200, south + 200}, {999, 5}, {999, 999},
                                       {west + 300, south + 300}, {west + 400, south + 400}});
    struct Case {
        int options;
        vd::COLORREF colour;
        std::size_t segments;
    };
    for (const Case& c : {Case{130, 0x1E8EFF, 3}, Case{120, 0x5555FF, 3}, Case{110, 0xFF4242, 3}, Case{10, 0xFF4242, 0}}) {
        vd::RecordingDc dc;
        Draw(dc, c.options, 6441);
        const auto segments = dc.Segments(vd::Pen(vd::PS_SOLID, 1, c.colour));
        ASSERT_EQ(segments.size(), c.segments) << c.options;
        if (c.segments) {
            EXPECT_EQ(segments[1], (vd::Segment{{20, 220}, {0, 240}})); // to (999, 5) clamped
        }
    }
}

} // namespace
