// The pixel rules of one-pixel lines (the rule table in docs/architecture.md), case by case.
#include "PixelGrid.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include <functional>
#include <random>
#include <set>
#include <vector>

namespace vd {
namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);

using test::PixelCheck;

struct LineCase {
    const char* name;
    std::function<void(ImageDc&)> draw;
    std::vector<PixelCheck> checks;
};

TEST(LinePixels, RuleTable)
{
    const std::vector<LineCase> cases = {
        {"rightwards: first pixel set, end pixel left out",
         [](ImageDc& dc) { dc.MoveTo(1, 1); dc.LineTo(5, 1); },
         {{0, 1, kWhite}, {1, 1, kBlack}, {4, 1, kBlack}, {5, 1, kWhite}}},
        {"leftwards: the end pixel is the left one",
         [](ImageDc& dc) { dc.MoveTo(5, 1); dc.LineTo(1, 1); },
         {{5, 1, kBlack}, {2, 1, kBlack}, {1, 1, kWhite}, {6, 1, kWhite}}},
        {"downwards", [](ImageDc& dc) { dc.MoveTo(2, 1); dc.LineTo(2, 6); },
         {{2, 1, kBlack}, {2, 5, kBlack}, {2, 6, kWhite}}},
        {"upwards", [](ImageDc& dc) { dc.MoveTo(2, 6); dc.LineTo(2, 1); },
         {{2, 6, kBlack}, {2, 2, kBlack}, {2, 1, kWhite}}},
        {"a line to its own start draws nothing", [](ImageDc& dc) { dc.MoveTo(3, 3); dc.LineTo(3, 3); },
         {{3, 3, kWhite}}},
        {"x-major slant: ties go to the smaller y",
         [](ImageDc& dc) { dc.MoveTo(0, 0); dc.LineTo(4, 2); },
         {{0, 0, kBlack}, {1, 0, kBlack}, {1, 1, kWhite}, {2, 1, kBlack}, {3, 1, kBlack}, {3, 2, kWhite}, {4, 2, kWhite}}},
        {"the same slant drawn backwards covers the same pixels but its end",
         [](ImageDc& dc) { dc.MoveTo(4, 2); dc.LineTo(0, 0); },
         {{4, 2, kBlack}, {3, 1, kBlack}, {2, 1, kBlack}, {1, 0, kBlack}, {0, 0, kWhite}}},
        {"y-major slant: x rounded to the nearest pixel",
         [](ImageDc& dc) { dc.MoveTo(0, 0); dc.LineTo(3, 7); },
         {{0, 0, kBlack}, {0, 1, kBlack}, {1, 2, kBlack}, {1, 3, kBlack}, {2, 4, kBlack}, {2, 5, kBlack}, {3, 6, kBlack}, {3, 7, kWhite}}},
        {"a diagonal",
         [](ImageDc& dc) { dc.MoveTo(6, 0); dc.LineTo(2, 4); },
         {{6, 0, kBlack}, {5, 1, kBlack}, {3, 3, kBlack}, {2, 4, kWhite}}},
        {"dotted: three pixels on, three off",
         [](ImageDc& dc) { dc.SetBkMode(TRANSPARENT); dc.SelectObject(Pen(PS_DOT, 1, kRed)); dc.MoveTo(0, 0); dc.LineTo(12, 0); },
         {{0, 0, kRed}, {2, 0, kRed}, {3, 0, kWhite}, {5, 0, kWhite}, {6, 0, kRed}, {8, 0, kRed}, {9, 0, kWhite}}},
        {"dotted polyline: the phase runs on across the corner",
         [](ImageDc& dc) {
             dc.SetBkMode(TRANSPARENT);
             dc.SelectObject(Pen(PS_DOT, 1, kRed));
             const Point pts[] = {{0, 2}, {4, 2}, {4, 8}};
             dc.Polyline(pts, 3);
         },
         {{2, 2, kRed}, {3, 2, kWhite}, {4, 2, kWhite}, {4, 3, kWhite}, {4, 4, kRed}, {4, 6, kRed}, {4, 7, kWhite}}},
        {"dotted line-to calls: each line starts the pattern afresh",
         [](ImageDc& dc) {
             dc.SetBkMode(TRANSPARENT);
             dc.SelectObject(Pen(PS_DOT, 1, kRed));
             dc.MoveTo(0, 2);
             dc.LineTo(4, 2);
             dc.LineTo(4, 8);
         },
         {{3, 2, kWhite}, {4, 2, kRed}, {4, 4, kRed}, {4, 5, kWhite}}},
        {"dotted on an opaque background: the gaps take the background colour",
         [](ImageDc& dc) { dc.SetBkColor(kGreen); dc.SelectObject(Pen(PS_DOT, 1, kRed)); dc.MoveTo(0, 0); dc.LineTo(9, 0); },
         {{0, 0, kRed}, {3, 0, kGreen}, {6, 0, kRed}, {9, 0, kWhite}}},
        {"dashed: eighteen on, six off",
         [](ImageDc& dc) { dc.SetBkMode(TRANSPARENT); dc.SelectObject(Pen(PS_DASH, 1, kRed)); dc.MoveTo(0, 0); dc.LineTo(30, 0); },
         {{17, 0, kRed}, {18, 0, kWhite}, {23, 0, kWhite}, {24, 0, kRed}}},
        {"null pen draws nothing", [](ImageDc& dc) { dc.SelectObject(StockPen(NULL_PEN)); dc.MoveTo(0, 0); dc.LineTo(5, 0); },
         {{0, 0, kWhite}, {2, 0, kWhite}}},
        {"two-pixel pen: on its row and the one above, round caps reaching one pixel left and to the end",
         [](ImageDc& dc) { dc.SelectObject(Pen(PS_SOLID, 2, kBlack)); dc.MoveTo(2, 5); dc.LineTo(8, 5); },
         {{0, 5, kWhite}, {1, 5, kBlack}, {8, 5, kBlack}, {9, 5, kWhite}, {1, 4, kWhite}, {2, 4, kBlack}, {8, 4, kBlack},
          {9, 4, kWhite}, {5, 3, kWhite}, {5, 4, kBlack}, {5, 5, kBlack}, {5, 6, kWhite}}},
        {"two-pixel vertical pen: on its column and the one to the left",
         [](ImageDc& dc) { dc.SelectObject(Pen(PS_SOLID, 2, kBlack)); dc.MoveTo(5, 2); dc.LineTo(5, 8); },
         {{3, 5, kWhite}, {4, 5, kBlack}, {5, 5, kBlack}, {6, 5, kWhite}, {5, 1, kBlack}, {5, 8, kBlack}, {5, 9, kWhite}}},
        {"three-pixel pen: centred on the line, caps one pixel past the ends",
         [](ImageDc& dc) { dc.SelectObject(Pen(PS_SOLID, 3, kBlack)); dc.MoveTo(2, 5); dc.LineTo(8, 5); },
         {{0, 5, kWhite}, {1, 5, kBlack}, {9, 5, kBlack}, {10, 5, kWhite}, {5, 3, kWhite}, {5, 4, kBlack}, {5, 6, kBlack}, {5, 7, kWhite}}},
        {"a styled wide pen draws solid",
         [](ImageDc& dc) { dc.SelectObject(Pen(PS_DOT, 3, kRed)); dc.MoveTo(1, 5); dc.LineTo(14, 5); },
         {{4, 5, kRed}, {5, 5, kRed}, {10, 5, kRed}}},
        {"clipping keeps the line's own pixels",
         [](ImageDc& dc) { dc.IntersectClipRect(3, 0, 6, 10); dc.MoveTo(0, 1); dc.LineTo(10, 1); },
         {{2, 1, kWhite}, {3, 1, kBlack}, {5, 1, kBlack}, {6, 1, kWhite}}},
        {"far outside coordinates: the visible part only",
         [](ImageDc& dc) { dc.MoveTo(-100000, 3); dc.LineTo(100000, 3); },
         {{0, 3, kBlack}, {31, 3, kBlack}}},
    };
    for (const LineCase& c : cases) {
        ImageDc dc(32, 12);
        c.draw(dc);
        dc.SelectClipRect(nullptr);
        test::expectPixels(dc, c.checks, c.name, {{kRed, 'r'}, {kGreen, 'g'}});
    }
}

// The pixels of a line by the rule, step by step and without clipping.
std::set<std::pair<int, int>> linePixels(Point a, Point b)
{
    std::set<std::pair<int, int>> out;
    const long long dx = b.x - a.x;
    const long long dy = b.y - a.y;
    const long long steps = std::max(std::llabs(dx), std::llabs(dy));
    for (long long k = 0; k < steps; ++k) {
        // The exact position, the minor coordinate rounded to nearest with ties down.
        const double t = double(k) / double(steps);
        const double ex = a.x + t * dx;
        const double ey = a.y + t * dy;
        const auto roundDown = [](double v) { return int(std::ceil(v - 0.5 - 1e-9)); };
        out.insert({std::llabs(dx) >= std::llabs(dy) ? int(std::lround(ex)) : roundDown(ex),
                    std::llabs(dx) >= std::llabs(dy) ? roundDown(ey) : int(std::lround(ey))});
    }
    return out;
}

TEST(LinePixels, ClippedLinesKeepTheirPixels)
{
    std::mt19937 random(99);
    std::uniform_int_distribution<int> coordinate(-300, 330);
    for (int round = 0; round < 300; ++round) {
        const Point a{coordinate(random), coordinate(random)};
        const Point b{coordinate(random), coordinate(random)};
        ImageDc dc(30, 30);
        dc.IntersectClipRect(1, 2, 28, 29);
        dc.MoveTo(a);
        dc.LineTo(b);
        dc.SelectClipRect(nullptr);
        const std::set<std::pair<int, int>> expected = linePixels(a, b);
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 30; ++x) {
                const bool inClip = x >= 1 && x < 28 && y >= 2 && y < 29;
                ASSERT_EQ(dc.GetPixel(x, y) == kBlack, inClip && expected.count({x, y}) == 1)
                    << "line (" << a.x << ", " << a.y << ") to (" << b.x << ", " << b.y << ") at (" << x << ", " << y << ")";
            }
    }
}

// Lines wholly inside the clip take a shorter way; they must set the same pixels.
TEST(LinePixels, LinesInsideTheClipKeepTheirPixels)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<int> coordinate(0, 39);
    for (int round = 0; round < 300; ++round) {
        const Point a{coordinate(random), coordinate(random)};
        const Point b{coordinate(random), coordinate(random)};
        ImageDc dc(40, 40);
        dc.MoveTo(a);
        dc.LineTo(b);
        const std::set<std::pair<int, int>> expected = linePixels(a, b);
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 40; ++x)
                ASSERT_EQ(dc.GetPixel(x, y) == kBlack, expected.count({x, y}) == 1)
                    << "line (" << a.x << ", " << a.y << ") to (" << b.x << ", " << b.y << ") at (" << x << ", " << y << ")";
    }
}

TEST(LinePixels, ChainedXorLinesSetEveryCornerOnceAndXorTwiceRestores)
{
    ImageDc dc(12, 10);
    dc.FillSolidRect(0, 0, 6, 10, RGB(10, 200, 30));
    const std::string before = test::picture(dc, {{RGB(10, 200, 30), 'g'}});
    dc.SetROP2(R2_XORPEN);
    dc.SelectObject(Pen(PS_SOLID, 1, RGB(255, 255, 255)));
    const auto square = [&] {
        dc.MoveTo(2, 2);
        dc.LineTo(9, 2);
        dc.LineTo(9, 7);
        dc.LineTo(2, 7);
        dc.LineTo(2, 2);
    };
    square();
    // White XOR: white becomes black, the green half its inverse; every corner exactly once.
    EXPECT_EQ(dc.GetPixel(2, 2), RGB(245, 55, 225));
    EXPECT_EQ(dc.GetPixel(9, 2), kBlack);
    EXPECT_EQ(dc.GetPixel(9, 7), kBlack);
    EXPECT_EQ(dc.GetPixel(2, 7), RGB(245, 55, 225));
    EXPECT_EQ(dc.GetPixel(5, 2), RGB(245, 55, 225));
    EXPECT_EQ(dc.GetPixel(5, 4), RGB(10, 200, 30));
    square();
    EXPECT_EQ(test::picture(dc, {{RGB(10, 200, 30), 'g'}}), before);

    // A closed polyline behaves the same.
    const Point pts[] = {{1, 1}, {10, 1}, {6, 8}, {1, 1}};
    dc.Polyline(pts, 4);
    EXPECT_EQ(dc.GetPixel(1, 1), RGB(245, 55, 225));
    dc.Polyline(pts, 4);
    EXPECT_EQ(test::picture(dc, {{RGB(10, 200, 30), 'g'}}), before);
}

TEST(LinePixels, NotXorRubberBandShowsThePenOnWhiteAndErasesItself)
{
    ImageDc dc(20, 14);
    dc.FillSolidRect(0, 7, 20, 7, kBlack);
    dc.SetBkColor(kWhite); // the fill left it black
    const std::string before = test::picture(dc);
    const Pen dotted(PS_DOT, 1, kRed);
    dc.SelectObject(dotted);
    dc.SetROP2(R2_NOTXORPEN);
    const Point band[] = {{2, 2}, {17, 2}, {17, 11}, {2, 11}, {2, 2}};
    dc.Polyline(band, 5);
    EXPECT_EQ(dc.GetPixel(2, 2), kRed);              // on white the pen colour
    EXPECT_EQ(dc.GetPixel(2, 8), RGB(0, 255, 255));  // on black its inverse
    EXPECT_EQ(dc.GetPixel(2, 11), kBlack);           // a gap on black stays black
    EXPECT_EQ(dc.GetPixel(5, 2), kWhite);            // a gap: white background NOT-XOR white
    dc.Polyline(band, 5);
    EXPECT_EQ(test::picture(dc), before);
}

TEST(LinePixels, WidePenXorTwiceRestores)
{
    ImageDc dc(24, 16);
    dc.FillSolidRect(0, 0, 10, 16, RGB(40, 90, 160));
    const std::string before = test::picture(dc, {{RGB(40, 90, 160), 'b'}});
    dc.SelectObject(Pen(PS_SOLID, 2, RGB(0, 128, 0)));
    dc.SetROP2(R2_NOTXORPEN);
    const Point route[] = {{2, 3}, {20, 5}, {8, 13}};
    dc.Polyline(route, 3);
    EXPECT_NE(test::picture(dc, {{RGB(40, 90, 160), 'b'}}), before);
    dc.Polyline(route, 3);
    EXPECT_EQ(test::picture(dc, {{RGB(40, 90, 160), 'b'}}), before);
}

} // namespace
} // namespace vd
