// Text: the cell anchored at the reference point, the opaque cell, fitted cell heights and the
// face substitutions.
#include "PixelGrid.h"

#include <gtest/gtest.h>

namespace vd {
namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);

Font gothic(int height, const std::string& face = "ＭＳ ゴシック")
{
    Font f;
    f.CreateFont(height, 0, 0, 0, FW_NORMAL, false, false, false, SHIFTJIS_CHARSET, OUT_TT_PRECIS,
                 CLIP_DEFAULT_PRECIS, PROOF_QUALITY, VARIABLE_PITCH | FF_MODERN, face);
    return f;
}

// The bounding box of everything drawn on the white picture: an opaque text's cell.
Rect cellOf(const ImageDc& dc)
{
    Rect r{dc.Width(), dc.Height(), -1, -1};
    for (int y = 0; y < dc.Height(); ++y)
        for (int x = 0; x < dc.Width(); ++x)
            if (dc.GetPixel(x, y) != kWhite) {
                r.left = std::min(r.left, x);
                r.top = std::min(r.top, y);
                r.right = std::max(r.right, x + 1);
                r.bottom = std::max(r.bottom, y + 1);
            }
    return r;
}

TEST(Text, OpaqueCellAnchoredAtTheTopLeftWithTheFittedHeight)
{
    for (const int height : {9, 10, 12, 13, 15, 16, 18, 19, 24, 75}) {
        ImageDc dc(600, 100);
        dc.SelectObject(gothic(height));
        dc.SetBkColor(kRed);
        const Size extent = dc.GetTextExtent("Ag日本");
        TextMetric tm;
        ASSERT_TRUE(dc.GetTextMetrics(tm));
        EXPECT_EQ(extent.cy, height);
        EXPECT_EQ(tm.tmHeight, height);
        EXPECT_EQ(tm.tmAscent + tm.tmDescent, height);
        dc.TextOut(7, 3, "Ag日本");
        EXPECT_EQ(cellOf(dc), (Rect{7, 3, 7 + extent.cx, 3 + height})) << "height " << height;
        EXPECT_EQ(dc.GetPixel(7, 3), kRed);
    }
}

TEST(Text, NegativeHeightIsTheCharacterHeight)
{
    ImageDc dc(100, 40);
    dc.SelectObject(gothic(-12));
    TextMetric tm;
    dc.GetTextMetrics(tm);
    EXPECT_EQ(tm.tmHeight, 13); // IPAGothic at 12 pixels is 13 pixels tall
    EXPECT_EQ(dc.GetTextExtent("AB").cx, 12);
    EXPECT_EQ(dc.GetTextExtent("日本").cx, 24);
}

TEST(Text, TransparentModeLeavesTheCellAndUsesTheTextColour)
{
    ImageDc dc(80, 30);
    dc.SelectObject(gothic(16));
    dc.SetBkMode(TRANSPARENT);
    dc.SetBkColor(kRed);
    dc.SetTextColor(RGB(0, 0, 255));
    dc.TextOut(2, 2, "■");
    int blue = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 80; ++x) {
            const COLORREF c = dc.GetPixel(x, y);
            EXPECT_NE(c, kRed);
            blue += c == RGB(0, 0, 255);
        }
    EXPECT_GT(blue, 50);
}

TEST(Text, AlignmentAndTheCurrentPosition)
{
    ImageDc dc(200, 60);
    dc.SelectObject(gothic(16));
    dc.SetBkColor(kRed);
    const Size extent = dc.GetTextExtent("abc");
    dc.SetTextAlign(TA_RIGHT | TA_BOTTOM);
    dc.TextOut(100, 40, "abc");
    EXPECT_EQ(cellOf(dc), (Rect{100 - extent.cx, 40 - 16, 100, 40}));

    ImageDc dc2(200, 60);
    dc2.SelectObject(gothic(16));
    dc2.SetTextAlign(TA_UPDATECP);
    dc2.MoveTo(10, 5);
    dc2.TextOut(0, 0, "abc");
    EXPECT_EQ(dc2.GetCurrentPosition(), (Point{10 + extent.cx, 5}));
}

TEST(Text, FacesAreSubstituted)
{
    ImageDc dc(10, 10);
    // The fixed-pitch faces give every half-width letter half the character height.
    dc.SelectObject(gothic(-16, "ＭＳ ゴシック"));
    EXPECT_EQ(dc.GetTextExtent("iiii").cx, 32);
    dc.SelectObject(gothic(-16, "ＭＳ 明朝"));
    EXPECT_EQ(dc.GetTextExtent("iiii").cx, 32);
    // The proportional ones do not.
    dc.SelectObject(gothic(-16, "ＭＳ Ｐゴシック"));
    EXPECT_LT(dc.GetTextExtent("iiii").cx, 32);
    dc.SelectObject(gothic(-16, "ＭＳ Ｐ明朝"));
    EXPECT_LT(dc.GetTextExtent("iiii").cx, 32);
    // An unknown face still draws, in the fallback.
    dc.SelectObject(gothic(-16, "NoSuchFaceAnywhere"));
    EXPECT_EQ(dc.GetTextExtent("日本").cx, 32);
}

} // namespace
} // namespace vd
