// The registered points on the overview: the current data file's markers and title box, and one
// data source in its colour and shape with its legend symbol.
#include "basemap/projection/PixelCoordinate.h"
#include "contracts/dovanne.h"
#include "platform/dc/RecordingDc.h"
#include "tests/basemap/BaseMapFixtures.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <utility>

namespace {

using basemap_test::FixtureFolder;
using vd::Rect;
using vd::Segment;

// 35°59'59" N, 139°30'30" E: 359997.2 and 1395083.3 in 1/10000 degree. Read as hundredths of a
// minute the latitude would land ten pixels higher (y 990) at this scale.
const std::string kPoint = "地点 35.5959 139.3030 memo.txt";

std::vector<vd::RecordedCall> CallsOf(const vd::RecordingDc& dc, vd::DrawOp::Kind kind)
{
    std::vector<vd::RecordedCall> out;
    for (const auto& call : dc.Calls())
        if (call.op.kind == kind)
            out.push_back(call);
    return out;
}

class Markers : public ::testing::Test {
protected:
    std::string WriteData(const std::vector<std::string>& lines)
    {
        folder.WriteText("SOURCE/data.dat", lines);
        return folder.Windows() + "SOURCE\\data.dat";
    }
    FixtureFolder folder;
    vd::RecordingDc dc;
};

TEST_F(Markers, CurrentFilePointsByClassAtTheirDmsPositions)
{
    const std::string file = WriteData({
        "; a comment",
        "",
        kPoint,
        "写真 35.5959 139.3030 C:\\PHOTO.JPG",
        "両方 35.5959 139.3030 a.bmp b.alb",
        "帳 35.5959 139.3030 trip.alb",
        "noblank",
    });
    // 1024 wide: the origin x is 560 (x 173 would be the 420 origin's).
    OnCurrentFileCheck(&dc, 1024, 370000.0f, 1400000.0f, 10.0f, file, "旅行");

    const auto ellipses = CallsOf(dc, vd::DrawOp::Ellipse);
    ASSERT_EQ(ellipses.size(), 4u);
    const Rect expected{560 - 387 - 2, 1000 - 2, 560 - 387 + 1, 1000 + 1};
    const vd::COLORREF colours[] = {vd::RGB(255, 0, 0), vd::RGB(0, 255, 0), vd::RGB(0, 255, 0), vd::RGB(0, 0, 255)};
    for (std::size_t i = 0; i < ellipses.size(); ++i) {
        EXPECT_EQ(ellipses[i].op.rect, expected) << i;
        EXPECT_EQ(ellipses[i].state.pen.Colour(), colours[i]) << i;
    }

    const auto boxes = CallsOf(dc, vd::DrawOp::Rectangle);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].op.rect, (Rect{8, 8, 470, 65}));
    EXPECT_EQ(boxes[1].op.rect, (Rect{8, 8, 469, 64}));
    EXPECT_EQ(boxes[1].state.brush.Colour(), vd::RGB(0, 255, 0));

    const auto texts = dc.Texts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].at, (vd::Point{12, 13}));
    EXPECT_EQ(texts[0].text, "<ﾃﾞｰﾀﾌｧｲﾙ:旅行> ");
    EXPECT_EQ(texts[0].font.GetLogFont().lfHeight, 24);
    EXPECT_EQ(texts[0].font.GetLogFont().lfWeight, 500);
    EXPECT_EQ(texts[0].background, vd::RGB(0, 255, 0));
    EXPECT_EQ(texts[1].at, (vd::Point{30, 40}));
    EXPECT_EQ(texts[1].text, "ﾃｷｽﾄ=1 画像=2 ｱﾙﾊﾞﾑ=1");
    // The caller's pen, brush and font are back; the background colour stays green.
    EXPECT_EQ(dc.GetCurrentPen(), vd::RecordingDc().GetCurrentPen());
    EXPECT_EQ(dc.GetCurrentBrush(), vd::RecordingDc().GetCurrentBrush());
    EXPECT_EQ(dc.GetBkColor(), vd::RGB(0, 255, 0));
}

TEST_F(Markers, CurrentFileMissingStillWritesTheTitleBoxWithZeroCounts)
{
    OnCurrentFileCheck(&dc, 800, 470000.0f, 1350000.0f, 1000 / 3.1f, folder.Windows() + "none.dat", "無し");
    EXPECT_TRUE(CallsOf(dc, vd::DrawOp::Ellipse).empty());
    const auto texts = dc.Texts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[1].text, "ﾃｷｽﾄ=0 画像=0 ｱﾙﾊﾞﾑ=0");
}

TEST_F(Markers, CurrentFileOriginXTurnsAbove800PixelsWide)
{
    const std::string file = WriteData({kPoint});
    for (const auto& [width, originX] : {std::pair{800, 420}, std::pair{801, 560}}) {
        vd::RecordingDc drawn;
        OnCurrentFileCheck(&drawn, width, 370000.0f, 1400000.0f, 10.0f, file, "旅行");
        const auto ellipses = CallsOf(drawn, vd::DrawOp::Ellipse);
        ASSERT_EQ(ellipses.size(), 1u) << width;
        EXPECT_EQ(ellipses[0].op.rect, (Rect{originX - 387 - 2, 1000 - 2, originX - 387 + 1, 1000 + 1})) << width;
    }
}

TEST_F(Markers, DataSourceShapesAndColoursBySourceNumber)
{
    const std::string file = WriteData({kPoint});
    struct Case {
        int source;
        vd::DrawOp::Kind kind;
        vd::COLORREF colour;
    };
    for (const Case c : {Case{0, vd::DrawOp::Ellipse, vd::RGB(255, 0, 0)},
                         Case{12, vd::DrawOp::Rectangle, vd::RGB(255, 200, 120)}}) {
        vd::RecordingDc out;
        // Legend rows from source 0: x 8 + 9, y (source - 0) x 19 + 18 + 8.
        OnDfCModule(&out, c.source, 0, 8, 18, 19, 420, file, 370000.0f, 1400000.0f, 10.0f);
        const auto shapes = CallsOf(out, c.kind);
        ASSERT_EQ(shapes.size(), 2u) << c.source;
        // Single-precision ratio: x 420 - 387, y 1000.
        EXPECT_EQ(shapes[0].op.rect, (Rect{33 - 2, 998, 33 + 2, 1002})) << c.source;
        const int ly = c.source * 19 + 26;
        const Rect legend = c.kind == vd::DrawOp::Ellipse ? Rect{14, ly - 3, 21, ly + 4} : Rect{14, ly - 3, 20, ly + 3};
        EXPECT_EQ(shapes[1].op.rect, legend) << c.source;
        EXPECT_EQ(shapes[0].state.brush.Colour(), c.colour);
        EXPECT_EQ(shapes[0].state.pen.Colour(), c.colour);
    }
}

TEST_F(Markers, DataSourceTwentyThreeIsGreenTrianglesAndThirtyOneDrawsNothing)
{
    const std::string file = WriteData({kPoint});
    OnDfCModule(&dc, 23, 20, 8, 18, 19, 420, file, 370000.0f, 1400000.0f, 10.0f);
    const vd::Pen green(vd::PS_SOLID, 1, vd::RGB(0, 255, 0));
    const int ly = 3 * 19 + 26;
    EXPECT_EQ(dc.Segments(green), (std::vector<Segment>{
                                       {{31, 1002}, {35, 1002}}, {{35, 1002}, {33, 998}}, {{33, 998}, {31, 1002}},
                                       {{14, ly + 2}, {20, ly + 2}}, {{20, ly + 2}, {17, ly - 3}}, {{17, ly - 3}, {14, ly + 2}}}));
    EXPECT_TRUE(CallsOf(dc, vd::DrawOp::Ellipse).empty());

    vd::RecordingDc none;
    OnDfCModule(&none, 31, 30, 8, 18, 19, 420, file, 370000.0f, 1400000.0f, 10.0f);
    EXPECT_TRUE(none.Calls().empty());
    EXPECT_EQ(none.GetCurrentPen(), vd::RecordingDc().GetCurrentPen());
}

} // namespace

namespace {

// A damaged data file whose longitude text reads as 4251935 degrees: its point lands far off the
// picture instead of overflowing int; the other points are drawn as usual. A scale of 0 sends
// every point off.
TEST(MarkersOfADamagedFile, CoordinatesBeyondAnyPixelLandFarOff)
{
    const std::string file = std::string(VD_TEST_DATA_DIR) + "/fuzz/PointRecordFuzz/coordinates-beyond-int.dat";
    const auto winFile = vd::toWindowsPath(file);
    ASSERT_TRUE(winFile);
    vd::RecordingDc dc;
    OnDfCModule(&dc, 0, 0, 8, 18, 19, 420, *winFile, 0.0f, 0.0f, 1.0f);
    const auto ellipses = CallsOf(dc, vd::DrawOp::Ellipse);
    ASSERT_EQ(ellipses.size(), 4u); // three point lines and the legend symbol
    int farOff = 0;
    for (const auto& call : ellipses) {
        EXPECT_LE(std::abs(call.op.rect.left), kFarPixel + 420) << call.op.rect.left;
        farOff += std::abs(call.op.rect.left) >= kFarPixel - 420 ? 1 : 0;
    }
    EXPECT_EQ(farOff, 1);
    vd::RecordingDc current;
    OnCurrentFileCheck(&current, 1024, 0.0f, 0.0f, 0.0f, *winFile, "壊れた");
    for (const auto& call : current.Calls())
        EXPECT_LE(std::abs(call.op.rect.left), kFarPixel + 1024);
}

} // namespace
