// The pixel rules of rectangles, ellipses, polygons, pies and fills.
#include "PixelGrid.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <vector>

namespace vd {
namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

using test::PixelCheck;

struct ShapeCase {
    const char* name;
    std::function<void(ImageDc&)> draw;
    std::vector<PixelCheck> checks;
};

void redBrush(ImageDc& dc) { dc.SelectObject(Brush(kRed)); }

TEST(ShapePixels, RuleTable)
{
    const std::vector<ShapeCase> cases = {
        {"rectangle: outline on the left and top edges and one pixel in from right and bottom",
         [](ImageDc& dc) { redBrush(dc); dc.Rectangle(1, 1, 6, 5); },
         {{1, 1, kBlack}, {5, 1, kBlack}, {6, 1, kWhite}, {5, 4, kBlack}, {5, 5, kWhite}, {1, 5, kWhite}, {2, 2, kRed}, {4, 3, kRed}}},
        {"rectangle given right to left: the same pixels",
         [](ImageDc& dc) { redBrush(dc); dc.Rectangle(6, 5, 1, 1); },
         {{1, 1, kBlack}, {5, 4, kBlack}, {6, 1, kWhite}, {3, 2, kRed}}},
        {"rectangle without a pen: the fill stops one pixel short",
         [](ImageDc& dc) { redBrush(dc); dc.SelectObject(StockPen(NULL_PEN)); dc.Rectangle(1, 1, 6, 5); },
         {{1, 1, kRed}, {4, 3, kRed}, {5, 1, kWhite}, {1, 4, kWhite}}},
        {"rectangle with a hollow brush: outline only",
         [](ImageDc& dc) { dc.SelectObject(StockBrush(HOLLOW_BRUSH)); dc.FillSolidRect(0, 0, 8, 8, kBlue); dc.Rectangle(1, 1, 6, 5); },
         {{1, 1, kBlack}, {3, 2, kBlue}}},
        {"ellipse: the extreme pixels touch the rectangle's left and top edges and stay inside right and bottom",
         [](ImageDc& dc) { redBrush(dc); dc.Ellipse(1, 1, 11, 9); },
         {{1, 4, kBlack}, {10, 4, kBlack}, {11, 4, kWhite}, {0, 4, kWhite}, {5, 1, kBlack}, {5, 8, kBlack}, {5, 9, kWhite},
          {5, 0, kWhite}, {1, 1, kWhite}, {10, 8, kWhite}, {5, 4, kRed}}},
        {"ellipse: mirror symmetric",
         [](ImageDc& dc) { dc.Ellipse(0, 0, 9, 7); },
         {{2, 0, kBlack}, {6, 0, kBlack}, {1, 0, kWhite}, {7, 0, kWhite}, {2, 6, kBlack}, {6, 6, kBlack}, {1, 6, kWhite},
          {7, 6, kWhite}, {0, 3, kBlack}, {8, 3, kBlack}, {1, 1, kBlack}, {7, 1, kBlack}, {1, 5, kBlack}, {7, 5, kBlack}}},
        {"rounded rectangle: straight edges on the rectangle's edges, corners cut",
         [](ImageDc& dc) { redBrush(dc); dc.RoundRect(1, 1, 13, 9, 6, 6); },
         {{6, 1, kBlack}, {6, 8, kBlack}, {1, 4, kBlack}, {12, 4, kBlack}, {1, 1, kWhite}, {12, 8, kWhite}, {6, 4, kRed}}},
        {"pie: counter-clockwise from the start radial (right) to the end radial (top)",
         [](ImageDc& dc) { dc.SelectObject(StockBrush(BLACK_BRUSH)); dc.SelectObject(StockPen(NULL_PEN)); dc.Pie(1, 1, 13, 13, 13, 7, 7, 0); },
         {{10, 4, kBlack}, {4, 4, kWhite}, {4, 10, kWhite}, {10, 10, kWhite}}},
        {"pie with the radials exchanged: the other three quarters",
         [](ImageDc& dc) { dc.SelectObject(StockBrush(BLACK_BRUSH)); dc.SelectObject(StockPen(NULL_PEN)); dc.Pie(1, 1, 13, 13, 7, 0, 13, 7); },
         {{10, 4, kWhite}, {4, 4, kBlack}, {4, 10, kBlack}, {10, 10, kBlack}}},
        {"fill rectangle: brush colour, right and bottom outside, pen and raster operation ignored",
         [](ImageDc& dc) { dc.SetROP2(R2_XORPEN); dc.FillRect(Rect{2, 2, 5, 4}, Brush(kBlue)); },
         {{2, 2, kBlue}, {4, 3, kBlue}, {5, 2, kWhite}, {2, 4, kWhite}}},
        {"frame rectangle: one pixel inside the rectangle",
         [](ImageDc& dc) { dc.FrameRect(Rect{2, 2, 7, 6}, Brush(kBlue)); },
         {{2, 2, kBlue}, {6, 5, kBlue}, {4, 3, kWhite}, {7, 5, kWhite}}},
        {"set pixel",
         [](ImageDc& dc) { dc.SetPixel(3, 4, kBlue); },
         {{3, 4, kBlue}, {4, 4, kWhite}}},
        {"viewport origin moves everything",
         [](ImageDc& dc) { dc.SetViewportOrg(5, 2); dc.SetPixel(0, 0, kBlue); dc.FillRect(Rect{0, 2, 2, 3}, Brush(kRed)); dc.SetViewportOrg(0, 0); },
         {{5, 2, kBlue}, {0, 0, kWhite}, {5, 4, kRed}, {6, 4, kRed}, {7, 4, kWhite}}},
    };
    for (const ShapeCase& c : cases) {
        ImageDc dc(16, 14);
        c.draw(dc);
        test::expectPixels(dc, c.checks, c.name, {{kRed, 'r'}, {kBlue, 'b'}});
    }
}

TEST(ShapePixels, SelfOverlappingPolygonAlternateAndWinding)
{
    // A pentagram: its centre is enclosed twice, so alternate leaves it empty and winding fills it.
    const Point star[] = {{10, 1}, {16, 18}, {1, 7}, {19, 7}, {4, 18}};
    for (const int mode : {ALTERNATE, WINDING}) {
        ImageDc dc(21, 21);
        dc.SelectObject(StockPen(NULL_PEN));
        dc.SelectObject(StockBrush(BLACK_BRUSH));
        dc.SetPolyFillMode(mode);
        dc.Polygon(star, 5);
        const std::string shown = test::picture(dc);
        EXPECT_EQ(dc.GetPixel(10, 11), mode == WINDING ? kBlack : kWhite) << shown;
        EXPECT_EQ(dc.GetPixel(10, 3), kBlack) << shown; // a point of the star
        EXPECT_EQ(dc.GetPixel(2, 7), kBlack) << shown;  // the left point's edge row is inside
        EXPECT_EQ(dc.GetPixel(19, 7), kWhite) << shown; // right edges stay outside
    }
}

// The fill rule evaluated directly for one pixel: the point (x, y) against every edge crossing
// row y, an edge's crossing counting when it lies at or left of x.
bool insideByRule(const std::vector<Point>& poly, int x, int y, bool winding)
{
    int crossings = 0;
    int wind = 0;
    for (std::size_t i = 0; i < poly.size(); ++i) {
        Point a = poly[i];
        Point b = poly[(i + 1) % poly.size()];
        if (a.y == b.y)
            continue;
        const int direction = a.y < b.y ? 1 : -1;
        if (a.y > b.y)
            std::swap(a, b);
        if (y < a.y || y >= b.y)
            continue;
        const long long dy = b.y - a.y;
        if ((long long)x * dy >= (long long)a.x * dy + (long long)(y - a.y) * (b.x - a.x)) {
            ++crossings;
            wind += direction;
        }
    }
    return winding ? wind != 0 : crossings % 2 == 1;
}

TEST(ShapePixels, PolygonFillFollowsTheRuleForRandomPolygons)
{
    std::mt19937 random(2024);
    std::uniform_int_distribution<int> coordinate(-5, 45);
    for (int round = 0; round < 40; ++round) {
        std::vector<Point> poly;
        for (int i = 0; i < 3 + round % 10; ++i)
            poly.push_back({coordinate(random), coordinate(random)});
        for (const bool winding : {false, true}) {
            ImageDc dc(40, 40);
            dc.SelectObject(StockPen(NULL_PEN));
            dc.SelectObject(StockBrush(BLACK_BRUSH));
            dc.SetPolyFillMode(winding ? WINDING : ALTERNATE);
            dc.Polygon(poly);
            for (int y = 0; y < 40; ++y)
                for (int x = 0; x < 40; ++x)
                    ASSERT_EQ(dc.GetPixel(x, y) == kBlack, insideByRule(poly, x, y, winding))
                        << "round " << round << (winding ? " winding" : " alternate") << " at (" << x << ", " << y << ")\n"
                        << test::picture(dc);
        }
    }
}

TEST(ShapePixels, PolygonFillTakesLeftAndTopEdgesOnly)
{
    ImageDc dc(10, 10);
    dc.SelectObject(StockPen(NULL_PEN));
    dc.SelectObject(StockBrush(BLACK_BRUSH));
    const Point square[] = {{2, 2}, {6, 2}, {6, 5}, {2, 5}};
    dc.Polygon(square, 4);
    EXPECT_EQ(test::picture(dc), "..........\n"
                                 "..........\n"
                                 "..####....\n"
                                 "..####....\n"
                                 "..####....\n"
                                 "..........\n"
                                 "..........\n"
                                 "..........\n"
                                 "..........\n"
                                 "..........\n");
    // With a pen the outline closes over the right and bottom edges, each pixel once.
    dc.SelectObject(StockPen(BLACK_PEN));
    dc.SelectObject(Brush(kRed));
    dc.SetROP2(R2_XORPEN);
    dc.Polygon(square, 4);
    dc.Polygon(square, 4);
    EXPECT_EQ(dc.GetPixel(6, 5), kWhite);
    EXPECT_EQ(dc.GetPixel(2, 2), kBlack);
}

TEST(ShapePixels, EllipseXorTwiceRestores)
{
    ImageDc dc(30, 30);
    dc.FillSolidRect(0, 0, 15, 30, RGB(90, 30, 200));
    const std::string before = test::picture(dc, {{RGB(90, 30, 200), 'p'}});
    dc.SetROP2(R2_NOTXORPEN);
    dc.SelectObject(StockBrush(HOLLOW_BRUSH));
    for (const int width : {1, 2}) {
        dc.SelectObject(Pen(PS_SOLID, width, kBlack));
        dc.Ellipse(3, 4, 27, 25);
        EXPECT_NE(test::picture(dc, {{RGB(90, 30, 200), 'p'}}), before);
        dc.Ellipse(3, 4, 27, 25);
        EXPECT_EQ(test::picture(dc, {{RGB(90, 30, 200), 'p'}}), before) << "pen width " << width;
    }
}

TEST(ShapePixels, FillSolidRectLeavesTheBackgroundColourChanged)
{
    ImageDc dc(8, 8);
    dc.SetBkColor(kWhite);
    dc.FillSolidRect(Rect{1, 1, 4, 3}, kBlue);
    EXPECT_EQ(dc.GetBkColor(), kBlue);
    EXPECT_EQ(dc.GetPixel(1, 1), kBlue);
    EXPECT_EQ(dc.GetPixel(3, 2), kBlue);
    EXPECT_EQ(dc.GetPixel(4, 2), kWhite);
    dc.Draw3dRect(Rect{0, 0, 8, 8}, kRed, kBlack);
    EXPECT_EQ(dc.GetBkColor(), kBlack);
    EXPECT_EQ(dc.GetPixel(0, 0), kRed);
    EXPECT_EQ(dc.GetPixel(7, 0), kBlack);
    EXPECT_EQ(dc.GetPixel(0, 7), kBlack);
}

TEST(ShapePixels, RaisedPushButtonFrame)
{
    ImageDc dc(12, 10);
    Rect r{1, 1, 11, 9};
    EXPECT_TRUE(dc.DrawFrameControl(r, DFC_BUTTON, DFCS_BUTTONPUSH));
    EXPECT_EQ(dc.GetPixel(1, 1), RGB(223, 223, 223));  // outer light
    EXPECT_EQ(dc.GetPixel(2, 2), RGB(255, 255, 255));  // inner highlight
    EXPECT_EQ(dc.GetPixel(10, 8), RGB(0, 0, 0));       // outer dark shadow
    EXPECT_EQ(dc.GetPixel(9, 7), RGB(128, 128, 128));  // inner shadow
    EXPECT_EQ(dc.GetPixel(5, 5), RGB(192, 192, 192)); // face
    EXPECT_EQ(dc.GetPixel(11, 5), kWhite);
}

} // namespace
} // namespace vd

namespace vd {
namespace {

// Spans are filled several pixels at a store: every width and start must still end exactly.
TEST(ShapePixels, SpansOfEveryWidthEndExactly)
{
    for (int left = 0; left < 4; ++left)
        for (int width = 0; width <= 11; ++width) {
            ImageDc dc(20, 3);
            dc.FillSolidRect(Rect{left, 1, left + width, 2}, kBlue);
            for (int x = 0; x < 20; ++x)
                ASSERT_EQ(dc.GetPixel(x, 1), x >= left && x < left + width ? kBlue : kWhite) << left << "+" << width << " at " << x;
            ASSERT_EQ(dc.GetPixel(left, 0), kWhite);
            ASSERT_EQ(dc.GetPixel(left, 2), kWhite);
        }
}

} // namespace
} // namespace vd
