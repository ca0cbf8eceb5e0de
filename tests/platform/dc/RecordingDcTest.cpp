// RecordingDc: the calls of a small drawing asserted exactly, with fixed text metrics.
#include "platform/dc/RecordingDc.h"

#include "platform/dc/ImageDc.h"

#include <gtest/gtest.h>

namespace vd {
namespace {

// A name tip in the manner of the map view: a box, an underline in the pen that was selected,
// and the text centred in the box.
void drawTip(Dc& dc, int x, int y, const std::string& text)
{
    const Pen outline(PS_SOLID, 1, RGB(0, 0, 255));
    const Brush fill(RGB(255, 255, 255));
    const Pen oldPen = dc.SelectObject(outline);
    const Brush oldBrush = dc.SelectObject(fill);
    const int w = dc.GetTextExtent(text).cx + 8;
    dc.Rectangle(x, y - 25, x + w, y + 2);
    dc.SelectObject(oldPen);
    dc.MoveTo(x, y);
    dc.LineTo(x + w, y);
    dc.LineTo(x + w, y - 25);
    dc.SetBkColor(RGB(255, 255, 255));
    dc.TextOut(x + 4, y - 20, text);
    dc.SelectObject(oldBrush);
}

TEST(RecordingDc, RecordsASmallDrawingExactly)
{
    RecordingDc dc;
    Font font;
    font.CreateFont(16, 0, 0, 0, FW_NORMAL, false, false, false, SHIFTJIS_CHARSET, 0, 0, 0, 0, "ＭＳ ゴシック");
    dc.SelectObject(font);
    drawTip(dc, 10, 40, "清水寺/散策"); // 11 CP932 bytes: 88 pixels with the fixed metrics

    const auto& calls = dc.Calls();
    ASSERT_EQ(calls.size(), 4u);
    EXPECT_EQ(calls[0].op.kind, DrawOp::Rectangle);
    EXPECT_EQ(calls[0].op.rect, (Rect{10, 15, 106, 42}));
    EXPECT_EQ(calls[0].state.pen, Pen(PS_SOLID, 1, RGB(0, 0, 255)));
    EXPECT_EQ(calls[0].state.brush, Brush(RGB(255, 255, 255)));
    EXPECT_EQ(dc.Segments(StockPen(BLACK_PEN)), (std::vector<Segment>{{{10, 40}, {106, 40}}, {{106, 40}, {106, 15}}}));
    EXPECT_TRUE(dc.Segments(Pen(PS_SOLID, 1, RGB(0, 0, 255))).empty());
    const std::vector<RecordedText> texts = dc.Texts();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].at, (Point{14, 20}));
    EXPECT_EQ(texts[0].text, "清水寺/散策");
    EXPECT_EQ(texts[0].font, font);
    EXPECT_EQ(texts[0].bkMode, OPAQUE);
    EXPECT_EQ(dc.GetCurrentBrush(), StockBrush(WHITE_BRUSH));
    TextMetric tm;
    dc.GetTextMetrics(tm);
    EXPECT_EQ(tm.tmHeight, 16);
    EXPECT_EQ(tm.tmAveCharWidth, 8);
}

// Line, pixel, polygon and text calls share one op whose lists keep their memory: nothing of a
// call may show in the next.
TEST(RecordingDc, EachCallCarriesOnlyItsOwnArguments)
{
    RecordingDc dc;
    const std::vector<Point> pts{{0, 0}, {10, 0}, {10, 10}, {0, 10}, {5, 5}, {6, 6}};
    const int counts[] = {3, 3};
    dc.PolyPolygon(pts.data(), counts, 2);
    dc.Polygon(pts.data(), 4);
    dc.TextOut(1, 2, "a longer text");
    dc.TextOut(3, 4, "ab");
    dc.SetPixel(7, 8, RGB(1, 2, 3));
    dc.MoveTo(1, 1);
    dc.LineTo(2, 2);
    dc.Polyline(pts.data(), 2);
    dc.Polygon(pts.data(), 1); // refused: nothing recorded
    const auto& calls = dc.Calls();
    ASSERT_EQ(calls.size(), 7u);
    EXPECT_EQ(calls[0].op.counts, (std::vector<int>{3, 3}));
    EXPECT_EQ(calls[0].op.points, pts);
    EXPECT_TRUE(calls[1].op.counts.empty());
    EXPECT_EQ(calls[1].op.points, (std::vector<Point>{pts.begin(), pts.begin() + 4}));
    EXPECT_EQ(calls[2].op.text, "a longer text");
    EXPECT_EQ(calls[3].op.text, "ab");
    EXPECT_EQ(calls[3].op.points, (std::vector<Point>{{3, 4}}));
    EXPECT_EQ(calls[4].op.kind, DrawOp::SetPixel);
    EXPECT_EQ(calls[4].op.points, (std::vector<Point>{{7, 8}}));
    EXPECT_EQ(calls[4].op.colour, RGB(1, 2, 3));
    EXPECT_TRUE(calls[4].op.text.empty());
    EXPECT_EQ(calls[5].op.points, (std::vector<Point>{{1, 1}, {2, 2}}));
    EXPECT_EQ(calls[5].op.colour, 0u);
    EXPECT_EQ(calls[6].op.kind, DrawOp::Polyline);
    EXPECT_EQ(calls[6].op.points, (std::vector<Point>{{0, 0}, {10, 0}}));
}

TEST(RecordingDc, DrawsIntoItsPictureSoPixelsAndCopiesWork)
{
    RecordingDc dc(RecordingDc::Options{40, 20, true});
    dc.SelectObject(Brush(RGB(255, 0, 0)));
    dc.Rectangle(2, 2, 10, 8);
    EXPECT_EQ(dc.GetPixel(2, 2), RGB(0, 0, 0));
    EXPECT_EQ(dc.GetPixel(5, 5), RGB(255, 0, 0));
    ImageDc screen(40, 20);
    screen.BitBlt(20, 0, 10, 10, &dc, 0, 0, SRCCOPY);
    EXPECT_EQ(screen.GetPixel(25, 5), RGB(255, 0, 0));
    // Block transfers out of it are recorded too, without the source.
    dc.BitBlt(0, 0, 5, 5, &screen, 0, 0, SRCCOPY);
    EXPECT_EQ(dc.Calls().back().op.kind, DrawOp::BitBlt);
    EXPECT_EQ(dc.Calls().back().op.sourceDc, nullptr);
}

} // namespace
} // namespace vd
