// The depth legend of every kind: the box, the swatches or dots with their colours, the labels,
// and the caller's objects put back.
#include "contracts/ombrisk.h"
#include "platform/dc/ImageDc.h"
#include "platform/dc/RecordingDc.h"
#include "platform/text/Format.h"

#include <gtest/gtest.h>

namespace {

constexpr int kCyan = int(vd::RGB(0, 255, 255));
constexpr int kRight = 1000;

struct Drawn {
    std::vector<vd::Rect> boxes;
    std::vector<std::pair<vd::Rect, vd::COLORREF>> swatches;
    std::vector<std::pair<vd::Rect, vd::COLORREF>> dots;
    std::vector<std::string> texts;
};

Drawn Legend(int kind, int relief, int baseColour = kCyan)
{
    vd::RecordingDc dc;
    const vd::DcState before = dc.State();
    OnSubmarineLegned(&dc, kind, 4000, kRight, relief, baseColour);
    Drawn drawn;
    for (const vd::RecordedCall& call : dc.Calls()) {
        if (call.op.kind == vd::DrawOp::Rectangle) {
            EXPECT_EQ(call.state.pen, vd::Pen(vd::PS_SOLID, 2, vd::RGB(0, 0, 0)));
            drawn.boxes.push_back(call.op.rect);
        } else if (call.op.kind == vd::DrawOp::FillSolidRect) {
            drawn.swatches.push_back({call.op.rect, call.op.colour});
        } else if (call.op.kind == vd::DrawOp::Ellipse) {
            EXPECT_EQ(call.state.pen.Colour(), call.state.brush.Colour());
            drawn.dots.push_back({call.op.rect, call.state.brush.Colour()});
        }
    }
    for (const vd::RecordedText& t : dc.Texts())
        drawn.texts.push_back(vd::format("%d,%d:", t.at.x - kRight, t.at.y) + t.text);
    EXPECT_EQ(dc.GetCurrentPen(), before.pen);
    EXPECT_EQ(dc.State().brush, before.brush);
    EXPECT_EQ(dc.State().bkMode, vd::OPAQUE);
    return drawn;
}

vd::Rect SwatchAt(int top, int row) { return {kRight - 135, top + 30 + 22 * row, kRight - 105, top + 45 + 22 * row}; }

} // namespace

TEST(DepthLegend, TintClassesDownToMinus5500)
{
    const Drawn d = Legend(0, 0);
    EXPECT_EQ(d.boxes, (std::vector<vd::Rect>{vd::Rect{kRight - 150, 340, kRight - 10, 660}}));
    ASSERT_EQ(d.swatches.size(), 13u);
    EXPECT_EQ(d.swatches[0], std::make_pair(SwatchAt(340, 0), vd::RGB(0, 227, 255)));
    EXPECT_EQ(d.swatches[8].second, vd::RGB(0, 3, 255));
    EXPECT_EQ(d.swatches[9].second, vd::RGB(0, 0, 243));
    EXPECT_EQ(d.swatches[12], std::make_pair(SwatchAt(340, 12), vd::RGB(0, 0, 207)));
    ASSERT_EQ(d.texts.size(), 14u);
    EXPECT_EQ(d.texts[0], "-95,346:凡  例");
    EXPECT_EQ(d.texts[1], "-95,370:＜0m");
    EXPECT_EQ(d.texts[2], "-95,392:＜-200m");
    EXPECT_EQ(d.texts[3], "-95,414:＜-500m");
    EXPECT_EQ(d.texts[13], "-95,634:＜-5500m");
}

TEST(DepthLegend, ReliefAndContourRows)
{
    // Relief: red 0 whatever the base colour's red; the relief classes' greens with cyan.
    Drawn d = Legend(0, 1);
    EXPECT_EQ(d.boxes, (std::vector<vd::Rect>{vd::Rect{kRight - 150, 500, kRight - 10, 600}}));
    ASSERT_EQ(d.swatches.size(), 3u);
    EXPECT_EQ(d.swatches[0].second, vd::RGB(0, 199, 255));
    EXPECT_EQ(d.swatches[1].second, vd::RGB(0, 171, 255));
    EXPECT_EQ(d.swatches[2], std::make_pair(SwatchAt(500, 2), vd::RGB(0, 143, 255)));
    EXPECT_EQ(d.texts,
              (std::vector<std::string>{"-95,506:凡  例", "-95,530:＜0m", "-95,552:＜-1000m", "-95,574:＜-4000m"}));
    d = Legend(0, 1, int(vd::RGB(90, 180, 0)));
    EXPECT_EQ(d.swatches[0].second, vd::RGB(0, 140, 56));

    // Contours: the ramp's first six steps, as the contour map's first six pens.
    d = Legend(1, 0, int(vd::RGB(90, 180, 0)));
    EXPECT_EQ(d.boxes, (std::vector<vd::Rect>{vd::Rect{kRight - 150, 370, kRight - 10, 535}}));
    ASSERT_EQ(d.swatches.size(), 6u);
    EXPECT_EQ(d.swatches[0].second, vd::RGB(80, 160, 28));
    EXPECT_EQ(d.swatches[5], std::make_pair(SwatchAt(370, 5), vd::RGB(30, 60, 168)));
    EXPECT_EQ(d.texts.back(), "-95,510:＜-5000m");
}

TEST(DepthLegend, SoundingDotsAndUnknownKinds)
{
    Drawn d = Legend(2, 0);
    EXPECT_EQ(d.boxes, (std::vector<vd::Rect>{vd::Rect{kRight - 150, 500, kRight - 10, 575}}));
    EXPECT_TRUE(d.swatches.empty());
    EXPECT_EQ(d.dots, (std::vector<std::pair<vd::Rect, vd::COLORREF>>{
                          {vd::Rect{kRight - 122, 535, kRight - 118, 539}, vd::RGB(255, 0, 0)},
                          {vd::Rect{kRight - 122, 557, kRight - 118, 561}, vd::RGB(0, 0, 0)}}));
    EXPECT_EQ(d.texts, (std::vector<std::string>{"-95,506:凡  例", "-95,530:計測水深", "-95,552:補間処理"}));

    d = Legend(3, 0);
    EXPECT_EQ(d.boxes, (std::vector<vd::Rect>{vd::Rect{kRight - 150, 500, kRight - 10, 555}}));
    EXPECT_EQ(d.dots.size(), 1u);
    EXPECT_EQ(d.texts.back(), "-95,530:計測水深");

    for (int kind : {-1, 4})
        EXPECT_TRUE(Legend(kind, 0).texts.empty()) << kind;
}

TEST(DepthLegend, SwatchPixelsOnAPicture)
{
    vd::ImageDc image(1024, 768);
    image.FillSolidRect(0, 0, 1024, 768, vd::RGB(255, 255, 255));
    OnSubmarineLegned(&image, 0, 4000, 1024, 0, kCyan);
    EXPECT_EQ(image.GetPixel(1024 - 120, 340 + 30 + 7), vd::RGB(0, 227, 255));
    EXPECT_EQ(image.GetPixel(1024 - 120, 340 + 30 + 22 * 12 + 7), vd::RGB(0, 0, 207));
    // The outline in black.
    EXPECT_EQ(image.GetPixel(1024 - 135, 340 + 30 + 7), vd::RGB(0, 0, 0));
}
