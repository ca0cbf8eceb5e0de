// The point themes drawn into a RecordingDc: markers, labels and the spacing rule, the filters,
// the early stop, the record kinds and prices, and the dispatch of every point mode code.
#include "contracts/pelmora.h"
#include "layers/render/LayerRenderer.h"
#include "layers/render/points/PointLayer.h"
#include "platform/dc/ImageDc.h"
#include "platform/dc/RecordingDc.h"
#include "tests/layers/render/LayerFixtures.h"
#include "tests/layers/render/PointFixtures.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

using layers_test::At;
using layers_test::FileBytes;
using layers_test::LayerFolder;
using layers_test::PointRecord;
using vd::Point;

// Mesh 5339 at one pixel per arc-second: x = longitude - 500400, y = 129600 - latitude.
constexpr int kNorth = 129600;
constexpr int kWest = 500400;
constexpr int kSouth = 127200;
constexpr int kEast = 504000;

int Lon(int x) { return kWest + x; }
int Lat(int y) { return kNorth - y; }
std::string Record(int x, int y, const std::vector<At>& fields = {}) { return PointRecord(Lon(x), Lat(y), fields); }

std::string Flags(int onlyPrefecture = 0)
{
    std::string flags;
    for (int i = 0; i < 48; ++i)
        flags += i == onlyPrefecture ? "1|" : "0|";
    return flags;
}

struct Label {
    Point at;
    std::string text;
    friend bool operator==(const Label&, const Label&) = default;
};

std::ostream& operator<<(std::ostream& os, const Label& l)
{
    return os << "(" << l.at.x << "," << l.at.y << ") " << l.text;
}

// The centres of the 4 x 4 markers, in drawing order.
std::vector<Point> Markers(const vd::RecordingDc& dc)
{
    std::vector<Point> centres;
    for (const vd::RecordedCall& call : dc.Calls())
        if (call.op.kind == vd::DrawOp::Rectangle) {
            EXPECT_EQ(call.op.rect.Width(), 4);
            EXPECT_EQ(call.op.rect.bottom - call.op.rect.top, 4);
            centres.push_back({call.op.rect.left + 2, call.op.rect.top + 2});
        }
    return centres;
}

std::vector<Label> Labels(const vd::RecordingDc& dc)
{
    std::vector<Label> labels;
    for (const vd::RecordedText& t : dc.Texts())
        labels.push_back({t.at, t.text});
    return labels;
}

class PointLayers : public ::testing::Test {
protected:
    void SetUp() override { folder.WriteLines("Msh_prft.dat", {"5339=13 14", "5439=13"}); }

    // A renderer over mesh 5339 (no status box) with the data set given.
    CLayerRenderer& Renderer(const std::string& dataSet, int detailLevel, int itemCode = 9)
    {
        LayerDrawParams p;
        p.ItemCode = itemCode;
        p.North = kNorth, p.West = kWest, p.South = kSouth, p.East = kEast;
        p.DetailLevel = detailLevel;
        p.ProgressFlag = -1;
        p.XScale = p.YScale = 1.0f;
        p.MeshCode = "5339";
        p.DataSetPath = dataSet;
        p.DataFolder = folder.Windows();
        renderer.emplace(dc, p);
        return *renderer;
    }
    std::string Write(const std::string& name, const std::vector<std::string>& rawLines)
    {
        folder.WriteBytes(name, FileBytes(rawLines));
        return folder.Windows() + name;
    }

    LayerFolder folder;
    vd::RecordingDc dc;
    std::optional<CLayerRenderer> renderer;
};

TEST_F(PointLayers, MarkersAndLabelsAtFortyPixels)
{
    const std::vector<At> name{{30, "名前"}};
    const std::string file =
        Write("points.txt", {Record(100, 100, name), Record(139, 100, name), Record(179, 100, name), "H header",
                             Record(-1, 5, name), Record(0, 0, name), Record(3600, 2400, name), Record(3601, 10)});
    Renderer(file, 3).DrawPlainPoints(1, 31 * 10000 + 35);
    // 39 pixels from the last marker: no label; 40: labelled. The extent's corners are inside.
    EXPECT_EQ(Markers(dc), (std::vector<Point>{{100, 100}, {139, 100}, {179, 100}, {0, 0}, {3600, 2400}}));
    EXPECT_EQ(Labels(dc), (std::vector<Label>{
                              {{103, 94}, "名前"}, {{182, 94}, "名前"}, {{3, -6}, "名前"}, {{3603, 2394}, "名前"}}));
    EXPECT_EQ(dc.Calls().front().state.bkMode, vd::TRANSPARENT);
    EXPECT_EQ(dc.State().bkMode, vd::OPAQUE);
    // Below full detail: markers only.
    dc.Clear();
    Renderer(file, 2).DrawPlainPoints(1, 31 * 10000 + 35);
    EXPECT_EQ(Markers(dc).size(), 5u);
    EXPECT_TRUE(Labels(dc).empty());
}

TEST_F(PointLayers, TheFirstMarkerIsMeasuredFromTheOrigin)
{
    Renderer(Write("points.txt", {Record(30, 20, {{30, "a"}}), Record(80, 20, {{30, "b"}})}), 3)
        .DrawPlainPoints(1, 310031);
    EXPECT_EQ(Labels(dc), (std::vector<Label>{{{83, 14}, "b"}}));
}

TEST_F(PointLayers, StopLimitGrowsWithTheMapWidth)
{
    const struct {
        int west, east, limit;
    } cases[] = {{0, 6999, 5000}, {0, 7000, 40000}, {0, 10800, 60000}, {INT_MIN, INT_MAX, INT_MAX}};
    for (const auto& c : cases) {
        CLayerRenderer& r = Renderer("", 3);
        r.West = c.west, r.East = c.east;
        EXPECT_EQ(points::StopLimit(r), c.limit) << c.east;
    }
}

TEST_F(PointLayers, LayerPenAndCallersPenBack)
{
    const vd::Pen caller(vd::PS_DASH, 1, vd::RGB(1, 2, 3));
    dc.SelectObject(caller);
    Renderer(Write("points.txt", {Record(100, 100)}), 3, 7).DrawPlainPoints(1, 0);
    ASSERT_EQ(Markers(dc).size(), 1u);
    EXPECT_EQ(dc.Calls().front().state.pen, vd::Pen(vd::PS_SOLID, 1, vd::RGB(255, 0, 0)));
    EXPECT_EQ(dc.GetCurrentPen(), caller);
}

TEST_F(PointLayers, PublicFacilitiesByCategoryPerPrefecture)
{
    Write("P02-99P-13.txt", {Record(100, 100, {{35, "03"}, {42, "庁舎"}, {72, "都庁 本庁"}}),
                             Record(200, 100, {{35, "16"}, {72, "学校"}})});
    Write("P02-99P-14.txt", {Record(300, 100, {{35, "03"}, {72, "県庁"}})});
    const std::string dataSet = folder.Windows() + "(P02-99P-13.txt)";
    Renderer(dataSet, 3).DrawPointMarkers(1, 3, 0, Flags(13));
    EXPECT_EQ(Markers(dc), (std::vector<Point>{{100, 100}}));
    EXPECT_EQ(Labels(dc), (std::vector<Label>{{{104, 94}, "都庁"}}));
    dc.Clear();
    std::string both = Flags(13);
    both.replace(28, 2, "1|"); // field 14
    Renderer(dataSet, 3).DrawPointMarkers(1, 0, 1, both);
    EXPECT_EQ(Markers(dc), (std::vector<Point>{{100, 100}, {200, 100}, {300, 100}}));
    EXPECT_EQ(Labels(dc).front().text, "庁舎");
}

TEST_F(PointLayers, RiverLengthsAndUserNamesPerMesh)
{
    Write("W09-99P-13.txt", {Record(100, 100, {{39, "012345"}}), Record(110, 100, {{39, "000500"}})});
    const std::string dataSet = folder.Windows() + "(W09-99P-13.txt)";
    Renderer(dataSet, 3).DrawPointLengths(1, 3, Flags(13));
    EXPECT_EQ(Labels(dc), (std::vector<Label>{{{103, 94}, "12.3km"}}));
    EXPECT_EQ(Markers(dc).size(), 2u);
    // 点Ａ: no spacing rule, every point labelled.
    dc.Clear();
    Renderer(dataSet, 3).DrawPointNames(1, 40 * 10000 + 45, Flags(13));
    EXPECT_EQ(Labels(dc), (std::vector<Label>{{{103, 94}, "012345"}, {{113, 94}, "000500"}}));
}

TEST_F(PointLayers, HeritagePrefectureFilterAndDamsOnOneCell)
{
    const std::string file =
        Write("heritage.txt", {Record(100, 100, {{25, "13012"}}), Record(200, 100, {{25, "14141"}})});
    Renderer(file, 3).DrawHeritagePoints(1, 10, 1, Flags(14));
    EXPECT_EQ(Labels(dc), (std::vector<Label>{{{203, 94}, "史跡等"}}));
    dc.Clear();
    Renderer(file, 3).DrawHeritagePoints(1, 10, 0, ""); // no flag text: no filter
    EXPECT_EQ(Markers(dc).size(), 2u);
    // Dams on one cell show labels at detail 0, with the spacing of detail 0 (50 pixels).
    const std::string dams = Write("dams.txt", {Record(100, 100, {{47, "0100"}}), Record(145, 100, {{47, "0050"}}),
                                                Record(195, 100, {{47, "0020"}})});
    dc.Clear();
    Renderer(dams, 0).DrawHeritagePoints(1, 30, 2, "");
    EXPECT_EQ(Labels(dc), (std::vector<Label>{{{103, 94}, "100m"}, {{198, 94}, "20m"}}));
    dc.Clear();
    Renderer(dams, 0).DrawHeritagePoints(9, 30, 2, "");
    EXPECT_TRUE(Labels(dc).empty());
}

TEST_F(PointLayers, EarlyStopAfterTheLimitOfRecordsOutside)
{
    // 102 spaced points (the count starts at -1), then records outside, then one more inside.
    auto file = [&](int outside) {
        std::vector<std::string> lines;
        for (int i = 0; i < 102; ++i)
            lines.push_back(Record(50 * (i % 60), 100 + 100 * (i / 60), {{25, "13"}}));
        for (int i = 0; i < outside; ++i)
            lines.push_back(Record(-500, 100, {{25, "13"}}));
        lines.push_back(Record(1000, 1000, {{25, "13"}}));
        return Write("long.txt", lines);
    };
    Renderer(file(4999), 3).DrawHeritagePoints(1, 10, 0, "");
    EXPECT_EQ(Markers(dc).size(), 103u);
    dc.Clear();
    Renderer(file(5000), 3).DrawHeritagePoints(1, 10, 0, "");
    EXPECT_EQ(Markers(dc).size(), 102u);
    // Land prices stop alike.
    dc.Clear();
    Renderer(file(5000), 3).DrawCodedPoints(1, 0, 0, "");
    EXPECT_EQ(Markers(dc).size(), 102u);
}

TEST_F(PointLayers, FacilityKindsSpacingAndSingleCell)
{
    // Tides, 大潮差 (kind 1): a far kind-2 record is not drawn at all; a near one is marked.
    const std::string tides =
        Write("tides.txt", {Record(100, 100, {{25, "01"}, {27, "153"}}), Record(300, 100, {{25, "02"}}),
                            Record(110, 100, {{25, "02"}}), Record(400, 100, {{25, "01"}, {27, "020"}})});
    Renderer(tides, 0).DrawFacilityPoints(1, 40, 0, "");
    EXPECT_EQ(Markers(dc), (std::vector<Point>{{100, 100}, {110, 100}, {400, 100}}));
    // One cell: labels even at detail 0, spaced at 40 pixels.
    EXPECT_EQ(Labels(dc), (std::vector<Label>{{{103, 94}, "15.3m"}, {{403, 94}, "2.0m"}}));
    dc.Clear();
    Renderer(tides, 0).DrawFacilityPoints(9, 40, 0, "");
    EXPECT_TRUE(Labels(dc).empty());
    // Coastal facilities take the prefecture in columns 26-27.
    const std::string coast = Write(
        "coast.txt", {Record(100, 100, {{25, "113"}, {31, "堤防"}}), Record(200, 100, {{25, "114"}, {31, "岸壁"}})});
    dc.Clear();
    Renderer(coast, 3).DrawFacilityPoints(9, 100, 0, Flags(14));
    EXPECT_EQ(Labels(dc), (std::vector<Label>{{{203, 94}, "岸壁"}}));
    // Airports with no landing counts: the marker with an empty label.
    const std::string airports = Write("airports.txt", {Record(100, 100, {{103, "999"}, {115, "999"}})});
    dc.Clear();
    Renderer(airports, 3).DrawFacilityPoints(9, 430, 1, "");
    EXPECT_EQ(Markers(dc).size(), 1u);
    EXPECT_EQ(Labels(dc), (std::vector<Label>{{{103, 94}, ""}}));
}

TEST_F(PointLayers, LandPricePairsAndPowerPlants)
{
    // The data set is named by the file: a folder's "-" or "l01" changes nothing.
    const LayerFolder pairFolder("tool01-99");
    pairFolder.WriteBytes("L02-07P.txt",
                          FileBytes({Record(100, 100, {{25, "13"}, {339, "00200000"}, {347, "00210000"}}),
                                     Record(200, 100, {{25, "14"}, {347, "00100000"}})}));
    const std::string prices = pairFolder.Windows() + "L02-07P.txt";
    Renderer(prices, 3).DrawCodedPoints(1, 3, 0, Flags(13));
    EXPECT_EQ(Labels(dc), (std::vector<Label>{{{103, 94}, "21.0(5.0%)"}}));
    dc.Clear();
    Renderer(prices, 3).DrawCodedPoints(1, 0, 0, "1|");
    EXPECT_EQ(Labels(dc).size(), 2u);
    const std::string plants =
        Write("plants.txt", {Record(100, 100, {{25, "2"}, {56, "黒部川第四"}, {136, "00335000"}})});
    dc.Clear();
    Renderer(plants, 3).DrawCodedPoints(1, 2, 1, Flags(47));
    EXPECT_EQ(Labels(dc), (std::vector<Label>{{{103, 94}, "黒部川第四(335万KW)"}}));
}

TEST_F(PointLayers, LandPricesPerMeshFixedAndCommaSeparated)
{
    // Year 13: fixed columns, year index 3 (F = 3): price at 13 + 24 + 238 = 275.
    Write("L01-13P-13.txt", {Record(100, 100, {{267, "00100000"}, {275, "00150000"}})});
    Renderer(folder.Windows() + "(L01-13P-13.txt)", 3).DrawLandPricePoints(1, 3, 0, 3, Flags(13));
    EXPECT_EQ(Labels(dc), (std::vector<Label>{{{103, 94}, "15.0(50.0%)"}}));
    // Year 14: comma-separated, the header skipped, whole arc-seconds.
    std::string record = vd::format("1,%d,%d", Lon(100), Lat(100)) + std::string(17, ',');
    for (int year = 0; year < 20; ++year)
        record += vd::format(",%d", 100000 * (year + 1));
    Write("L01-14P-13.txt", {"id,lon,lat", record});
    dc.Clear();
    Renderer(folder.Windows() + "(L01-14P-13.txt)", 3).DrawLandPricePoints(1, 0, 0, 4, Flags(13));
    EXPECT_EQ(Labels(dc), (std::vector<Label>{{{103, 94}, "50.0"}}));
}

TEST_F(PointLayers, UnreadableFilesDrawNothing)
{
    const std::string none = folder.Windows() + "none.txt";
    Renderer(none, 3).DrawPlainPoints(1, 0);
    Renderer(none, 3).DrawHeritagePoints(1, 10, 0, "");
    Renderer(none, 3).DrawFacilityPoints(1, 430, 0, "");
    Renderer(none, 3).DrawCodedPoints(1, 0, 0, "");
    Renderer(folder.Windows() + "(X)", 3).DrawPointMarkers(1, 0, 0, Flags(13));
    Renderer(folder.Windows() + "(X)", 3).DrawLandPricePoints(1, 0, 0, 0, Flags(13));
    EXPECT_TRUE(Markers(dc).empty());
}

// Every point mode code through both entry points, with a fixture file per theme.
TEST_F(PointLayers, EveryModeCodeReachesItsOperation)
{
    // Prefecture 11 in columns 25-26, 13 in 26-27.
    const std::string record = Record(100, 100, {{25, "113"}, {35, "00"}});
    std::string flags = Flags(13);
    flags.replace(22, 2, "1|");
    for (const char* stem : {"perMesh-13.txt", "L01-13P-13.txt"})
        Write(stem, {record});
    const std::string one = Write("whole.txt", {record});
    const struct {
        int code;
        bool perMesh;
        bool draws;
    } codes[] = {
        {0, true, true},    {10, false, true},  {20, true, true},   {30, false, true},   {40, false, true},
        {100, false, true}, {110, true, true},  {120, true, true},  {130, true, true},   {140, false, true},
        {200, false, true}, {240, false, true}, {300, false, true}, {340, false, true},  {400, false, true},
        {410, false, true}, {420, false, true}, {430, false, true}, {440, false, false}, {500, true, true},
        {540, true, true},
    };
    for (const auto& c : codes) {
        const std::string dataSet =
            c.perMesh ? folder.Windows() + (c.code >= 500 ? "(L01-13P-13.txt)" : "(perMesh-13.txt)") : one;
        vd::RecordingDc plain;
        OnDdPlainPoint(&plain, 10305, kNorth, kWest, kSouth, kEast, 0, 1, 1, -1, 3, c.code, 0, 9, 700, 0.0f, 0.0f, 1.0f,
                       1.0f, "/点/" + flags, "5339", "", "", dataSet, folder.Windows());
        EXPECT_EQ(Markers(plain).size(), c.draws ? 1u : 0u) << c.code;
        vd::RecordingDc white;
        OnDdPointWhite(&white, 9, 999, 0, 1, -1, 3, c.code, 0, 9, 700, 0.0f, 0.0f, 1.0f, 1.0f, "", "5339", "点",
                       "1=" + flags, dataSet, folder.Windows());
        EXPECT_EQ(Markers(white).size(), c.draws ? 1u : 0u) << c.code;
    }
}

TEST_F(PointLayers, LandPriceItemCarriesColourAndYear)
{
    // Item 10305: line colour 3 (green), year index 5: F = 5, price at 13 + 40 + 238 = 291.
    Write("L01-13P-13.txt", {Record(100, 100, {{283, "00100000"}, {291, "00300000"}})});
    OnDdPlainPoint(&dc, 10305, kNorth, kWest, kSouth, kEast, 0, 1, 1, -1, 3, 500, 0, 0, 700, 0.0f, 0.0f, 1.0f, 1.0f,
                   "/土地A/" + Flags(13), "5339", "", "", folder.Windows() + "(L01-13P-13.txt)", folder.Windows());
    ASSERT_EQ(Markers(dc).size(), 1u);
    EXPECT_EQ(dc.Calls().front().state.pen, vd::Pen(vd::PS_SOLID, 1, vd::RGB(0, 255, 0)));
    EXPECT_EQ(Labels(dc).front().text, "30.0");
}

TEST_F(PointLayers, AirportPictureOnOneWhiteCell)
{
    // At zoom 1 the cell is 320 x 320 pixels: the airport in its middle.
    const std::string airports = Write("airports.txt", {PointRecord(502200, 128400, {{50, "東京国際空港　羽田"}})});
    vd::ImageDc image(400, 400);
    OnDdPointWhite(&image, 7, 999, 0, 1, -1, 0, 430, 0, 0, 700, 10.0f, 10.0f, 1.0f, 1.0f, "", "5339", "空港台帳",
                   "1=", airports, folder.Windows());
    const int x = int(float(502200 - kWest) * 0.08888889f + 10), y = int(float(kNorth - 128400) * 0.13333334f + 10);
    const vd::COLORREF red = vd::RGB(255, 0, 0), white = vd::RGB(255, 255, 255);
    EXPECT_EQ(image.GetPixel(x - 2, y), red);
    EXPECT_EQ(image.GetPixel(x, y - 2), red);
    int inked = 0;
    for (int ty = y - 6; ty < y + 8; ++ty)
        for (int tx = x + 3; tx < x + 80; ++tx)
            inked += image.GetPixel(tx, ty) != white;
    EXPECT_GT(inked, 20);
}

} // namespace
