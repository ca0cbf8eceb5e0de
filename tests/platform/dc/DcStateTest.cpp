// Selected objects, saved states, mapping modes, clipping and block transfers.
#include "PixelGrid.h"

#include <gtest/gtest.h>

namespace vd {
namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

TEST(DcState, ColourReferencesHaveRedInTheLowByte)
{
    static_assert(RGB(1, 2, 3) == 0x00030201u);
    static_assert(GetRValue(RGB(10, 20, 30)) == 10 && GetGValue(RGB(10, 20, 30)) == 20 && GetBValue(RGB(10, 20, 30)) == 30);
    ImageDc dc(2, 2);
    dc.SetPixel(0, 0, RGB(10, 20, 30));
    EXPECT_EQ(dc.GetPixel(0, 0), RGB(10, 20, 30));
    EXPECT_EQ(dc.GetPixel(5, 5), CLR_INVALID);
}

TEST(DcState, SelectGivesBackThePreviousObjectAndDeletingASelectedOneIsHarmless)
{
    ImageDc dc(10, 4);
    Pen red(PS_SOLID, 1, kRed);
    const Pen old = dc.SelectObject(red);
    EXPECT_EQ(old, StockPen(BLACK_PEN));
    red.DeleteObject();
    EXPECT_TRUE(red.IsNull());
    dc.MoveTo(0, 1);
    dc.LineTo(5, 1);
    EXPECT_EQ(dc.GetPixel(2, 1), kRed);
    // An empty object selects nothing and gives an empty one back.
    EXPECT_TRUE(dc.SelectObject(Pen()).IsNull());
    EXPECT_EQ(dc.GetCurrentPen(), Pen(PS_SOLID, 1, kRed));
    EXPECT_EQ(dc.SelectObject(old), Pen(PS_SOLID, 1, kRed));
    EXPECT_EQ(dc.GetCurrentPen(), StockPen(BLACK_PEN));
    EXPECT_EQ(dc.SelectObject(Brush(kBlue)), StockBrush(WHITE_BRUSH));
    EXPECT_EQ(dc.SelectObject(StockFont(DEFAULT_GUI_FONT)), StockFont(SYSTEM_FONT));
}

TEST(DcState, SaveAndRestore)
{
    ImageDc dc(4, 4);
    dc.SetTextColor(kRed);
    const int level = dc.SaveDC();
    dc.SetTextColor(kBlue);
    dc.SelectObject(StockPen(NULL_PEN));
    dc.SaveDC();
    dc.SetROP2(R2_XORPEN);
    EXPECT_TRUE(dc.RestoreDC(-1));
    EXPECT_EQ(dc.GetROP2(), R2_COPYPEN);
    EXPECT_EQ(dc.GetTextColor(), kBlue);
    EXPECT_TRUE(dc.RestoreDC(level));
    EXPECT_EQ(dc.GetTextColor(), kRed);
    EXPECT_EQ(dc.GetCurrentPen(), StockPen(BLACK_PEN));
    EXPECT_FALSE(dc.RestoreDC(-1));
}

TEST(DcState, MappingModes)
{
    ImageDc dc(100, 100);
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(700, -760);
    dc.SetViewportExt(700, -760);
    EXPECT_EQ(dc.LPtoDP(Point{231, 210}), (Point{231, 210})); // the print layout keeps its units
    dc.SetWindowExt(100, 100);
    dc.SetViewportExt(200, -50);
    dc.SetViewportOrg(10, 90);
    EXPECT_EQ(dc.LPtoDP(Point{5, 4}), (Point{20, 88}));
    EXPECT_EQ(dc.DPtoLP(Point{20, 88}), (Point{5, 4}));
    dc.SetMapMode(MM_ISOTROPIC);
    dc.SetWindowExt(100, 100);
    dc.SetViewportExt(200, -50);
    EXPECT_EQ(dc.GetViewportExt(), (Size{50, -50}));
    dc.SetMapMode(MM_TEXT);
    dc.SetViewportOrg(0, 0);
    EXPECT_EQ(dc.LPtoDP(Point{5, 4}), (Point{5, 4}));

    // A scaled rectangle keeps its excluded edges in device pixels.
    ImageDc scaled(20, 20);
    scaled.SetMapMode(MM_ANISOTROPIC);
    scaled.SetWindowExt(1, 1);
    scaled.SetViewportExt(2, 2);
    scaled.FillRect(Rect{1, 1, 3, 2}, Brush(kBlue));
    EXPECT_EQ(scaled.GetPixel(1, 1), kBlue);
    scaled.SetMapMode(MM_TEXT);
    EXPECT_EQ(scaled.GetPixel(2, 2), kBlue);
    EXPECT_EQ(scaled.GetPixel(5, 3), kBlue);
    EXPECT_EQ(scaled.GetPixel(6, 3), kWhite);
    EXPECT_EQ(scaled.GetPixel(5, 4), kWhite);
}

TEST(DcState, ClipRectangles)
{
    ImageDc dc(10, 10);
    EXPECT_EQ(dc.IntersectClipRect(2, 2, 8, 8), SIMPLEREGION);
    dc.IntersectClipRect(0, 0, 5, 5);
    Rect box;
    dc.GetClipBox(box);
    EXPECT_EQ(box, (Rect{2, 2, 5, 5}));
    dc.FillSolidRect(0, 0, 10, 10, kBlue);
    dc.SelectClipRect(nullptr);
    EXPECT_EQ(dc.GetPixel(1, 1), kWhite);
    EXPECT_EQ(dc.GetPixel(2, 2), kBlue);
    EXPECT_EQ(dc.GetPixel(4, 4), kBlue);
    EXPECT_EQ(dc.GetPixel(5, 4), kWhite);
}

TEST(DcState, BlockTransfersBetweenMemoryBitmapsAndThePicture)
{
    ImageDc screen(20, 10);
    screen.FillSolidRect(0, 0, 4, 4, kRed);
    screen.SetPixel(1, 2, kBlue);

    // Save a patch into a bitmap of a memory device context, then paint over and restore it.
    Bitmap patch;
    ASSERT_TRUE(patch.CreateCompatibleBitmap(&screen, 4, 4));
    ImageDc mem;
    mem.CreateCompatibleDC(&screen);
    Bitmap previous = mem.SelectObject(patch);
    EXPECT_EQ(previous.GetSize(), (Size{1, 1}));
    mem.BitBlt(0, 0, 4, 4, &screen, 0, 0, SRCCOPY);
    mem.SelectObject(previous);
    screen.FillSolidRect(0, 0, 4, 4, kBlack);
    mem.SelectObject(patch); // the bitmap kept the pixels while it was not selected
    screen.BitBlt(10, 5, 4, 4, &mem, 0, 0, SRCCOPY);
    EXPECT_EQ(screen.GetPixel(10, 5), kRed);
    EXPECT_EQ(screen.GetPixel(11, 7), kBlue);
    EXPECT_EQ(screen.GetPixel(14, 5), kWhite);

    // XOR twice restores; pattern copy paints the brush; stretch doubles pixels.
    const std::string before = test::picture(screen, {{kRed, 'r'}, {kBlue, 'b'}});
    screen.BitBlt(8, 3, 4, 4, &mem, 0, 0, SRCINVERT);
    EXPECT_NE(test::picture(screen, {{kRed, 'r'}, {kBlue, 'b'}}), before);
    screen.BitBlt(8, 3, 4, 4, &mem, 0, 0, SRCINVERT);
    EXPECT_EQ(test::picture(screen, {{kRed, 'r'}, {kBlue, 'b'}}), before);

    mem.SelectObject(Brush(RGB(0, 255, 0)));
    mem.PatBlt(0, 0, 2, 1, PATCOPY);
    EXPECT_EQ(mem.GetPixel(1, 0), RGB(0, 255, 0));
    EXPECT_EQ(mem.GetPixel(2, 0), kRed);

    ImageDc big(10, 10);
    big.SetStretchBltMode(COLORONCOLOR);
    big.StretchBlt(0, 0, 8, 8, &mem, 0, 0, 4, 4, SRCCOPY);
    EXPECT_EQ(big.GetPixel(2, 4), kBlue);
    EXPECT_EQ(big.GetPixel(3, 5), kBlue);
    EXPECT_EQ(big.GetPixel(1, 1), RGB(0, 255, 0));
    EXPECT_EQ(big.GetPixel(8, 8), kWhite);
    // A negative destination width mirrors, the destination running left from x.
    big.StretchBlt(7, 0, -8, 8, &mem, 0, 0, 4, 4, SRCCOPY);
    EXPECT_EQ(big.GetPixel(3, 4), kBlue);
    EXPECT_EQ(big.GetPixel(4, 4), kBlue);
    EXPECT_EQ(big.GetPixel(5, 4), kRed);
}

} // namespace
} // namespace vd
