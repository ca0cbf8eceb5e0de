// Kept text pixels: a text drawn from the kept pixels of its font and text sets exactly the pixels
// that QPainter sets drawing it afresh, whatever the face, style, alignment, cell mode and clip.
#include "platform/dc/BitmapImpl.h"
#include "platform/dc/FontCache.h"
#include "platform/dc/ImageDc.h"
#include "platform/dc/PainterOps.h"
#include "platform/dc/TextMasks.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace vd {
namespace {

constexpr int kW = 160;
constexpr int kH = 60;

// A background of stripes, so that a pixel left or set wrongly shows whatever its colour.
COLORREF ground(int x, int y) { return RGB((x * 37) & 0xFF, (y * 53) & 0xFF, ((x + y) * 11) & 0xFF); }

struct TextCase {
    const char* face;
    int height;
    int weight;
    bool italic;
    bool underline;
    bool strikeOut;
    const char* text;
    unsigned align;
    int mode;
    Point ref;
};

LogFont logFontOf(const TextCase& c)
{
    LogFont lf;
    lf.lfHeight = c.height;
    lf.lfWeight = c.weight;
    lf.lfItalic = c.italic;
    lf.lfUnderline = c.underline;
    lf.lfStrikeOut = c.strikeOut;
    lf.lfPitchAndFamily = VARIABLE_PITCH | FF_MODERN;
    lf.lfFaceName = c.face;
    return lf;
}

TEST(TextMasks, KeptPixelsAreThePixelsOfAFreshDrawing)
{
    const TextCase cases[] = {
        {"ＭＳ ゴシック", 12, FW_NORMAL, false, false, false, "京都及大阪", TA_LEFT | TA_TOP, TRANSPARENT, {5, 5}},
        {"ＭＳ ゴシック", 12, FW_NORMAL, false, false, false, "京都及大阪", TA_LEFT | TA_TOP, TRANSPARENT, {-9, -4}},
        {"ＭＳ Ｐゴシック", 15, FW_BOLD, false, false, false, "Ag 日本 123", TA_CENTER | TA_BASELINE, OPAQUE, {80, 30}},
        {"ＭＳ 明朝", 18, FW_NORMAL, true, false, false, "fijWy", TA_RIGHT | TA_BOTTOM, TRANSPARENT, {158, 59}},
        {"ＭＳ Ｐ明朝", 16, FW_NORMAL, false, true, false, "下線 underline", TA_CENTER | TA_TOP, OPAQUE, {40, 50}},
        {"ＭＳ ゴシック", -13, FW_NORMAL, false, false, true, "取消線 strike", TA_LEFT | TA_BASELINE, TRANSPARENT, {100, 20}},
        {"ＭＳ ゴシック", 24, FW_HEAVY, true, true, true, "■□●", TA_RIGHT | TA_TOP, OPAQUE, {20, -10}},
        {"NoSuchFaceAnywhere", 10, FW_NORMAL, false, false, false, "fallback 代替", TA_CENTER | TA_BOTTOM, TRANSPARENT, {155, 35}},
        {"ＭＳ ゴシック", 12, FW_NORMAL, false, false, false, "", TA_LEFT | TA_TOP, OPAQUE, {5, 5}},
        {"ＭＳ ゴシック", 12, FW_NORMAL, false, false, false, "tab\there", TA_CENTER | TA_TOP, TRANSPARENT, {60, 5}},
    };
    // The picture whole, and a clip that cuts through the texts.
    const Rect clips[] = {{0, 0, kW, kH}, {12, 7, 131, 41}};
    for (const TextCase& c : cases)
        for (const Rect& clip : clips)
            for (int round = 0; round < 2; ++round) { // drawn afresh first, then from the pixels made by the check below
                ImageDc dc(kW, kH);
                QImage fresh(kW, kH, QImage::Format_RGB32);
                for (int y = 0; y < kH; ++y)
                    for (int x = 0; x < kW; ++x) {
                        dc.SetPixel(x, y, ground(x, y));
                        fresh.setPixel(x, y, raster::toPixel(ground(x, y)));
                    }
                const LogFont lf = logFontOf(c);
                Font font(lf);
                dc.SelectObject(font);
                dc.SetTextAlign(c.align);
                dc.SetBkMode(c.mode);
                dc.SetTextColor(RGB(10, 20, 250));
                dc.SetBkColor(RGB(250, 240, 0));
                dc.IntersectClipRect(clip);
                dc.TextOut(c.ref.x, c.ref.y, c.text);
                {
                    QPainter p(&fresh);
                    paint::prepare(p, clip);
                    paint::TextStyle style;
                    style.align = c.align;
                    style.opaque = c.mode == OPAQUE;
                    style.colour = RGB(10, 20, 250);
                    style.background = RGB(250, 240, 0);
                    paint::drawText(p, resolveFont(lf, lf.lfHeight), QString::fromUtf8(c.text), c.ref, style);
                }
                // The pixels are kept from this look on, except the text with a tab (always drawn afresh).
                const bool keepable = std::string_view(c.text).find('\t') == std::string_view::npos;
                EXPECT_EQ(textmask::maskFor(resolveFont(lf, lf.lfHeight), c.text) != nullptr, keepable) << c.text;
                const QImage& kept = bitmapImage(dc.GetBitmap());
                int differing = 0;
                for (int y = 0; y < kH; ++y)
                    for (int x = 0; x < kW; ++x)
                        differing += (kept.pixel(x, y) | 0xFF000000u) != (fresh.pixel(x, y) | 0xFF000000u);
                EXPECT_EQ(differing, 0) << c.face << " " << c.height << " \"" << c.text << "\" align " << c.align << " clip "
                                        << clip.left << " round " << round;
            }
}

} // namespace
} // namespace vd
