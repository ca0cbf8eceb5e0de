#include "contracts/pelmora.h"
#include "layers/render/EntryPointFrame.h"
#include "platform/dc/ImageDc.h"
#include "platform/dc/RecordingDc.h"
#include "tests/layers/render/LayerFixtures.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

using layers_test::LayerFolder;
using layers_test::LedgerLine;
using layers_test::LineHeader;
using layers_test::PointLine;
using vd::RGB;
using vd::Segment;

const vd::Pen kRed(vd::PS_SOLID, 1, RGB(255, 0, 0));
const vd::Pen kBlue(vd::PS_SOLID, 1, RGB(0, 0, 255));
const vd::Pen kBlack(vd::PS_SOLID, 1, RGB(0, 0, 0));
const vd::Pen kClassOne(vd::PS_SOLID, 2, RGB(0, 240, 255));
const vd::Pen kClassTwoWide(vd::PS_SOLID, 2, RGB(255, 0, 0));
const vd::Pen kClassTwoThin(vd::PS_SOLID, 1, RGB(255, 0, 0));

// The single white-map mesh 5339 at zoom 1 with its origin at (10, 20).
constexpr int kNorth = 129600;
constexpr int kWest = 500400;
vd::Point White(int lon, int lat, int west = kWest, int north = kNorth, float zoom = 1.0f, float ox = 10, float oy = 20)
{
    return {int(float(lon - west) * (zoom * 0.08888889f) + ox), int(float(north - lat) * (zoom * 0.13333334f) + oy)};
}

std::string AllPrefectures()
{
    std::string flags = "1|";
    for (int i = 1; i < 48; ++i)
        flags += "0|";
    return flags;
}

std::string OnlyPrefecture(int code)
{
    std::string flags;
    for (int i = 0; i < 48; ++i)
        flags += i == code ? "1|" : "0|";
    return flags;
}

class LineLayers : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder.WriteLines("Msh_prft.dat", {"; mesh=prefectures", "5339=13 14", "5439=13", "5338=14 19", "5537=27"});
        // Prefecture 13: a run, a point outside, a second run; the extent's corners; then "S".
        folder.WriteLines("W05-07L-13.txt",
                          {"H river data", LineHeader(5, 13001),
                           PointLine({{500760, 129360}, {501120, 129120}, {600000, 129000}}),
                           PointLine({{501480, 128880}, {501840, 128640}}), LineHeader(3, 13002),
                           PointLine({{500400, 127200}, {504000, 129600}, {504001, 129600}}), LineHeader(2, 13009),
                           PointLine({{502000, 128000}, {502100, 128000}}), LineHeader(2, 55000),
                           PointLine({{502000, 128100}, {502100, 128100}}), LineHeader(2, 13003),
                           PointLine({{502000, 128200}, {502100, 128200}}), "S", LineHeader(2),
                           PointLine({{502000, 128300}, {502100, 128300}})});
        folder.WriteLines("W05-07L-14.txt", {LineHeader(2, 14001), PointLine({{503000, 128000}, {503100, 128100}})});
        folder.WriteLines("W05-07L-台.TXT", {LedgerLine(13001, 1), LedgerLine(13002, 2), LedgerLine(13003, 9)});
    }
    std::string DataSet() const { return folder.Windows() + "(W05-07L-13.txt)"; }
    void RiverWhite(int itemCode, int blockMode, const std::string& dataSet, int statusFlag = -1,
                    const std::string& dataName = "河川", int meshCode = 5339)
    {
        OnDdRiverWhite(&dc, itemCode, 20, 10, blockMode, meshCode, 0, 0, 0, statusFlag, 0, 0, 700, 0, 0, 1.0f, 1.0f,
                       AllPrefectures(), "5339", dataName, "9", dataSet, folder.Windows());
    }
    void PlainRiver(int areaKind, int wideAreaMode, int detailLevel, const std::string& flags, const std::string& dataSet)
    {
        OnDdPlainRiver(&dc, 1, 140000, 490000, 120000, 510000, areaKind, wideAreaMode, 1, -1, detailLevel, 0, 700,
                       10.0f, 20.0f, 0.08888889f, 0.13333334f, "/河川/" + flags, "5339", "", "", dataSet,
                       folder.Windows());
    }
    LayerFolder folder;
    vd::RecordingDc dc;
};

// The segments of prefecture 13's records before the "S" line, drawn on the single mesh.
std::vector<Segment> Prefecture13()
{
    std::vector<Segment> s{{White(500760, 129360), White(501120, 129120)},
                           {White(501480, 128880), White(501840, 128640)},
                           {White(500400, 127200), White(504000, 129600)}};
    for (int lat : {128000, 128100, 128200})
        s.push_back({White(502000, lat), White(502100, lat)});
    return s;
}

TEST_F(LineLayers, RiverPolylinesBreakAtPointsOutsideAndStopAtS)
{
    RiverWhite(7, 1, DataSet());
    std::vector<Segment> expected = Prefecture13();
    expected.push_back({White(503000, 128000), White(503100, 128100)});
    EXPECT_EQ(dc.Segments(kRed), expected);
    EXPECT_EQ(dc.Segments().size(), expected.size());
}

TEST_F(LineLayers, RiverLongitudeShiftOfThe0207DataSet)
{
    folder.WriteLines("02_07L-x13.txt", {LineHeader(2), PointLine({{500760, 129360}, {501120, 129120}})});
    RiverWhite(1, 1, folder.Windows() + "(02_07L-x13.txt)");
    EXPECT_EQ(dc.Segments(kBlue), (std::vector<Segment>{{White(500752, 129360), White(501112, 129120)}}));
    // Area kind 3 (a single cell of the detailed map): 3 seconds.
    dc.Clear();
    OnDdPlainRiver(&dc, 1, 140000, 490000, 120000, 510000, 3, 0, 1, -1, 0, 0, 700, 10.0f, 20.0f, 0.08888889f,
                   0.13333334f, "/河川/" + AllPrefectures(), "5339", "", "", folder.Windows() + "(02_07L-x13.txt)",
                   folder.Windows());
    EXPECT_EQ(dc.Segments(kBlue), (std::vector<Segment>{{White(500757, 129360, 490000, 140000),
                                                          White(501117, 129120, 490000, 140000)}}));
}

TEST_F(LineLayers, EachPrefectureReadOnceOverABlock)
{
    // 3 x 3 from the south-east cell 5339: 5339, 5439 and 5338 all hold 13 or 14.
    PlainRiver(0, 2, 0, AllPrefectures(), DataSet());
    const auto all = dc.Segments();
    EXPECT_EQ(all.size(), 8u); // seven of 13 (the wider extent takes in a point more), one of 14
    dc.Clear();
    PlainRiver(0, 2, 0, OnlyPrefecture(14), DataSet());
    EXPECT_EQ(dc.Segments().size(), 1u);
    // Full detail skips cells that miss the extent: none of the block's cells is near it.
    dc.Clear();
    OnDdPlainRiver(&dc, 1, 10000, 10000, 0, 20000, 0, 2, 1, -1, 3, 0, 700, 0.0f, 0.0f, 1.0f, 1.0f,
                   "/河川/" + AllPrefectures(), "5339", "", "", DataSet(), folder.Windows());
    EXPECT_TRUE(dc.Segments().empty());
}

TEST_F(LineLayers, MissingTablesAndFilesDrawNothing)
{
    OnDdRiverWhite(&dc, 1, 20, 10, 1, 0, 0, 0, 0, -1, 0, 0, 700, 0, 0, 1.0f, 1.0f, AllPrefectures(), "5339", "",
                   "9", DataSet(), folder.Windows() + "none\\");
    EXPECT_TRUE(dc.Segments().empty());
    RiverWhite(1, 1, folder.Windows() + "(X99)");
    EXPECT_TRUE(dc.Segments().empty());
    OnDdRiverWhite(nullptr, 1, 20, 10, 1, 0, 0, 0, 0, -1, 0, 0, 700, 0, 0, 1.0f, 1.0f, "", "5339", "", "9", DataSet(),
                   folder.Windows());
}

TEST_F(LineLayers, ProgressShowsTheCellOfTheBlock)
{
    RiverWhite(1, 9, DataSet(), 0, "河川");
    std::vector<std::string> texts;
    for (const vd::RecordedText& t : dc.Texts())
        texts.push_back(t.text);
    EXPECT_EQ(texts, (std::vector<std::string>{"河川 1/9", "河川 2/9", "河川 3/9", "河川 4/9", "河川 5/9", "河川 6/9",
                                               "河川 7/9", "河川 8/9", "河川 9/9"}));
}

TEST_F(LineLayers, RoadPensByLedgerClass)
{
    const vd::Pen callerPen(vd::PS_DASH, 1, RGB(1, 2, 3));
    dc.SelectObject(callerPen);
    OnDdRoadWhite(&dc, 0, 20, 10, 1, 0, 0, 0, 0, -1, 0, 0, 700, 0, 0, 1.0f, 1.0f, AllPrefectures(), "5339", "河川",
                  "9", DataSet(), folder.Windows());
    const auto road = Prefecture13();
    EXPECT_EQ(dc.Segments(kClassOne), (std::vector<Segment>{road[0], road[1]}));
    EXPECT_EQ(dc.Segments(kClassTwoWide), (std::vector<Segment>{road[2]}));
    // Not in the ledger, outside the table's groups, and class 9 (the pen stays): black.
    EXPECT_EQ(dc.Segments(kBlack), (std::vector<Segment>{road[3], road[4], road[5],
                                                         {White(503000, 128000), White(503100, 128100)}}));
    EXPECT_EQ(dc.GetCurrentPen(), callerPen);
    // The status box names the road layer, whatever the caller's data name.
    dc.Clear();
    OnDdRoadWhite(&dc, 0, 20, 10, 1, 0, 0, 0, 0, 0, 0, 0, 700, 0, 0, 1.0f, 1.0f, AllPrefectures(), "5339", "河川", "9",
                  DataSet(), folder.Windows());
    EXPECT_EQ(dc.Texts().front().text, "道路（線） 1/1");
}

TEST_F(LineLayers, ClassTwoRoadWidthAndItemCodes)
{
    auto plainRoad = [&](int itemCode, int detailLevel) {
        dc.Clear();
        OnDdPlainRoad(&dc, itemCode, 140000, 490000, 120000, 510000, 0, 2, 1, -1, detailLevel, 0, 700, 10.0f, 20.0f,
                      0.08888889f, 0.13333334f, "/" + AllPrefectures(), "5339", "", "", DataSet(), folder.Windows());
    };
    plainRoad(0, 0); // several cells: 1 pixel
    EXPECT_EQ(dc.Segments(kClassTwoThin).size(), 2u);
    EXPECT_TRUE(dc.Segments(kClassTwoWide).empty());
    plainRoad(0, 3); // full detail: 2 pixels
    EXPECT_EQ(dc.Segments(kClassTwoWide).size(), 2u);
    plainRoad(5, 0); // not coloured by class: every road black
    EXPECT_EQ(dc.Segments(kBlack).size(), dc.Segments().size());
    EXPECT_EQ(dc.Segments().size(), 8u);
}

TEST(LayerCallFrame, CallersObjectsComeBackOnEveryPath)
{
    vd::RecordingDc dc;
    const vd::Pen pen(vd::PS_DASH, 1, RGB(1, 2, 3));
    const vd::Brush brush(RGB(4, 5, 6));
    const vd::Font font(vd::LogFont{.lfHeight = 14, .lfFaceName = "IPAGothic"});
    dc.SelectObject(pen);
    dc.SelectObject(brush);
    dc.SelectObject(font);
    auto check = [&] {
        EXPECT_EQ(dc.GetCurrentPen(), pen);
        EXPECT_EQ(dc.GetCurrentBrush(), brush);
        EXPECT_EQ(dc.GetCurrentFont(), font);
    };
    // An operation that leaves its own font, pen and brush selected.
    RunLayerCall(&dc, {}, [](CLayerRenderer& r) {
        r.SetDrawingTools(3, 0, 0);
        r.SetDrawingTools(0, 3, 1);
    });
    check();
    RunLayerCall(&dc, {}, [](CLayerRenderer& r) {
        r.SetDrawingTools(3, 0, 0);
        r.DeviceContext.SetTextColor(RGB(9, 9, 9));
        throw std::runtime_error("damaged record");
    });
    check();
    EXPECT_EQ(dc.GetTextColor(), RGB(0, 0, 0));
}

TEST(LineLayersPicture, WhiteRiverBlockAround5235)
{
    LayerFolder folder;
    // The 3 x 3 block around 5235 (latitude 122400-129600, longitude 482400-493200), all in 27.
    std::vector<std::string> table;
    for (int code : {5334, 5335, 5336, 5234, 5235, 5236, 5134, 5135, 5136})
        table.push_back(vd::format("%d=27", code));
    folder.WriteLines("Msh_prft.dat", table);
    // A river west to east along latitude 126000, leaving the block northwards in the middle.
    folder.WriteLines("W05-07L-27.txt",
                      {LineHeader(6), PointLine({{483000, 126000}, {485000, 126000}, {487000, 126000}}),
                       PointLine({{488000, 130000}, {489000, 126000}, {492000, 126000}})});
    vd::ImageDc dc(500, 500);
    OnDdRiverWhite(&dc, 1, 10, 10, 9, 5235, 0, 0, 0, -1, 0, 0, 700, 0, 0, 0.5f, 0.5f, AllPrefectures(), "5235", "河川",
                   "9", folder.Windows() + "(W05-07L-27.txt)", folder.Windows());
    const auto at = [](int lon) { return White(lon, 126000, 482400, 129600, 0.5f, 10, 10); };
    const int y = at(483000).y;
    const vd::COLORREF blue = RGB(0, 0, 255), white = RGB(255, 255, 255);
    for (int x = at(483000).x; x < at(487000).x; ++x)
        EXPECT_EQ(dc.GetPixel(x, y), blue) << x;
    for (int x = at(489000).x; x < at(492000).x; ++x)
        EXPECT_EQ(dc.GetPixel(x, y), blue) << x;
    // Across the pen lift nothing is drawn.
    for (int x = at(487000).x + 1; x < at(489000).x; ++x)
        EXPECT_EQ(dc.GetPixel(x, y), white) << x;
    EXPECT_EQ(dc.GetPixel(at(483000).x, y - 3), white);
}

TEST(LineLayersPicture, RunsOfPointsSetThePixelsOfTheirSegmentsDrawnOneByOne)
{
    LayerFolder folder;
    std::vector<std::string> table;
    for (int code : {5334, 5335, 5336, 5234, 5235, 5236, 5134, 5135, 5136})
        table.push_back(vd::format("%d=27", code));
    folder.WriteLines("Msh_prft.dat", table);
    // A zigzag river (steep, shallow and reversed slopes) leaving the block once in the middle.
    const std::vector<std::pair<int, int>> first{{483000, 126000}, {484000, 127500}, {485500, 125000}, {486000, 130000}};
    const std::vector<std::pair<int, int>> second{{487000, 124000}, {487300, 128000}, {491000, 123000}};
    folder.WriteLines("W05-07L-27.txt", {LineHeader(7), PointLine(first), PointLine(second)});
    vd::ImageDc dc(500, 500);
    OnDdRiverWhite(&dc, 1, 10, 10, 9, 5235, 0, 0, 0, -1, 0, 0, 700, 0, 0, 0.5f, 0.5f, AllPrefectures(), "5235", "河川",
                   "9", folder.Windows() + "(W05-07L-27.txt)", folder.Windows());

    vd::ImageDc reference(500, 500);
    reference.SelectObject(kBlue);
    const auto at = [](std::pair<int, int> p) { return White(p.first, p.second, 482400, 129600, 0.5f, 10, 10); };
    reference.MoveTo(at(first[0]));
    reference.LineTo(at(first[1]));
    reference.LineTo(at(first[2]));
    reference.MoveTo(at(second[0]));
    reference.LineTo(at(second[1]));
    reference.LineTo(at(second[2]));
    int drawn = 0;
    const vd::COLORREF blue = RGB(0, 0, 255);
    for (int y = 0; y < 500; ++y)
        for (int x = 0; x < 500; ++x) {
            drawn += reference.GetPixel(x, y) == blue;
            ASSERT_EQ(dc.GetPixel(x, y) == blue, reference.GetPixel(x, y) == blue) << x << "," << y;
        }
    EXPECT_GT(drawn, 100);
}

} // namespace
