// The legend box of the seismic hazard maps on a RecordingDc: the frame, swatches, row labels and
// credit of each form, the compact box, the anchors and the results.
#include "platform/dc/RecordingDc.h"
#include "seismic/SeismicLayerRenderer.h"

#include <gtest/gtest.h>

namespace {

struct Legend {
    vd::RecordingDc dc;
    CSeismicLayerRenderer r{dc};
    Legend(int dataKind, int quantity = 0)
    {
        r.LegendFlag = 1;
        r.LegendAnchorX = 900;
        r.StatusLineY = 500;
        r.DataKind = dataKind;
        r.ScenarioQuantity = quantity;
    }
    std::vector<vd::Rect> Rectangles() const
    {
        std::vector<vd::Rect> rects;
        for (const vd::RecordedCall& c : dc.Calls())
            if (c.op.kind == vd::DrawOp::Rectangle)
                rects.push_back(c.op.rect);
        return rects;
    }
    std::vector<vd::RecordedCall> Fills() const
    {
        std::vector<vd::RecordedCall> fills;
        for (const vd::RecordedCall& c : dc.Calls())
            if (c.op.kind == vd::DrawOp::FillSolidRect)
                fills.push_back(c);
        return fills;
    }
    bool Wrote(vd::Point at, const std::string& text) const
    {
        for (const vd::RecordedText& t : dc.Texts())
            if (t.at == at && t.text == text)
                return true;
        return false;
    }
};

} // namespace

TEST(SeismicLegend, ExceedanceBoxAtAnchor900)
{
    Legend l(0);
    EXPECT_EQ(l.r.DrawSeismicLegend(0, 0, 0, 0), 165);
    const auto rects = l.Rectangles();
    ASSERT_EQ(rects.size(), 7u);
    EXPECT_EQ(rects[0], (vd::Rect{740, 65, 890, 225}));
    EXPECT_EQ(rects[1], (vd::Rect{749, 199, 781, 216})) << "class 0 swatch frame";
    const auto fills = l.Fills();
    ASSERT_EQ(fills.size(), 6u);
    EXPECT_EQ(fills[0].op.rect, (vd::Rect{750, 200, 780, 215}));
    EXPECT_EQ(fills[0].op.colour, vd::RGB(144, 255, 80));
    EXPECT_EQ(fills[5].op.rect, (vd::Rect{750, 100, 780, 115})) << "rows stack upwards";
    EXPECT_EQ(fills[5].op.colour, vd::RGB(255, 0, 0));
    EXPECT_TRUE(l.Wrote({800, 201}, " 0.0～ 0.1%"));
    EXPECT_TRUE(l.Wrote({800, 101}, "40.0%～"));
    EXPECT_TRUE(l.Wrote({760, 68}, "超過率 [%]"));
    for (const auto& [dy, line] : {std::pair{10, "『地震動予測地図は（独）"}, std::pair{25, "防災科学技術研究所から"},
                                   std::pair{40, "提供される地震動予測地"}, std::pair{55, "図ﾃﾞｰﾀで表示しています』"}})
        EXPECT_TRUE(l.Wrote({743, 225 + dy}, line)) << line;
    EXPECT_EQ(l.dc.GetBkColor(), vd::RGB(255, 255, 255));
}

TEST(SeismicLegend, EveryFormsTitleRowsAndFrame)
{
    const struct {
        int mapKind, kind;
        const char* title;
        int titleY, rows;
        const char* lastRow;
        vd::Rect frame;
    } forms[] = {
        {0, 1, "地表の震度", 68, 7, "６強～", {740, 65, 890, 225}},
        {0, 2, "地表の最大速度(cm/s)", 70, 15, "160～", {740, 65, 890, 405}},
        {0, 3, "工学的基盤の最大速度(cm/s)", 70, 15, "160～", {740, 65, 890, 405}},
        {1, 0, "工学的基盤の最大速度(cm/s)", 70, 15, "160～", {740, 65, 890, 405}},
        {1, 1, "地表の最大速度(cm/s)", 70, 15, "160～", {740, 65, 890, 405}},
        {1, 2, "地表の震度", 70, 7, "６強～", {740, 65, 890, 225}},
    };
    for (const auto& f : forms) {
        Legend l(f.mapKind == 0 ? f.kind : -1, f.kind);
        EXPECT_EQ(l.r.DrawSeismicLegend(f.mapKind, 0, 0, 0), f.rows == 15 ? 345 : 165) << f.title;
        EXPECT_EQ(l.Rectangles().at(0), f.frame) << f.title;
        EXPECT_TRUE(l.Wrote({760, f.titleY}, f.title)) << f.title;
        const int bottom = f.rows == 15 ? 95 : 275;
        const int g = 500 - bottom - 20 * (f.rows - 1);
        EXPECT_TRUE(l.Wrote({800, g - 22}, f.lastRow)) << f.title;
        EXPECT_EQ(l.Fills().at(0).op.rect, (vd::Rect{750, 500 - bottom - 23, 780, 500 - bottom - 8})) << f.title;
        EXPECT_EQ(l.Rectangles().at(1), (vd::Rect{749, 500 - bottom - 24, 781, 500 - bottom - 7})) << f.title;
        EXPECT_TRUE(l.Wrote({743, 500 - bottom + 10}, "『地震動予測地図は（独）")) << f.title;
    }
    Legend velocity(2);
    velocity.r.DrawSeismicLegend(0, 0, 0, 0);
    EXPECT_EQ(velocity.Fills().at(7).op.colour, vd::RGB(255, 255, 0)) << "70～ is class 7";
    EXPECT_TRUE(velocity.Wrote({800, 405 - 140 - 22}, " 70～"));
}

TEST(SeismicLegend, CompactBoxesAnchorsAndResults)
{
    const struct {
        int mapKind, kind;
        const char* title;
        const char* marker;
    } compacts[] = {
        {0, 0, "超過率 [%]", "○：超過率26%以上"},
        {0, 1, "地表の震度", "○：震度６以上"},
        {0, 3, "工学的基盤の最大速度(cm/s)", "○：130cm/s以上"},
        {1, 0, "基盤の最大速度", "○：130cm/s以上"},
        {1, 1, "地表の最大速度", "○：130cm/s以上"},
        {1, 2, "地表の震度", "○：震度６以上"},
    };
    for (const auto& c : compacts) {
        Legend l(c.mapKind == 0 ? c.kind : -1, c.kind);
        EXPECT_EQ(l.r.DrawSeismicLegend(c.mapKind, 1, 0, 0), 40) << c.title;
        EXPECT_EQ(l.Rectangles(), (std::vector<vd::Rect>{{735, 60, 880, 95}})) << c.title;
        EXPECT_TRUE(l.Wrote({745, 65}, c.title)) << c.title;
        EXPECT_TRUE(l.Wrote({745, 80}, c.marker)) << c.title;
        EXPECT_TRUE(l.Wrote({738, 95 + 55}, "図ﾃﾞｰﾀで表示しています』")) << c.title;
        EXPECT_TRUE(l.Fills().empty());
    }

    // y anchors: 450 (mode 1), the status line + 30 (mode 2), plus the offset.
    Legend mode1(1);
    mode1.r.DrawSeismicLegend(0, 1, 1, 7);
    EXPECT_TRUE(mode1.Wrote({745, 457 - 435}, "地表の震度"));
    Legend mode2(1);
    mode2.r.DrawSeismicLegend(0, 1, 2, 0);
    EXPECT_TRUE(mode2.Wrote({745, 530 - 435}, "地表の震度"));

    // Caller flag -1: 30 pixels right, and the anchor stays moved.
    Legend moved(0);
    moved.r.CallerFlag = -1;
    moved.r.DrawSeismicLegend(0, 0, 0, 0);
    EXPECT_EQ(moved.Rectangles().at(0), (vd::Rect{770, 65, 920, 225}));
    EXPECT_EQ(moved.r.LegendAnchorX, 930);

    // The legend flag off: nothing, 0. An unknown quantity: no box; the offset (+ 5 when positive).
    Legend off(0);
    off.r.LegendFlag = 0;
    EXPECT_EQ(off.r.DrawSeismicLegend(0, 0, 0, 20), 0);
    EXPECT_TRUE(off.dc.Calls().empty());
    for (const auto& [offset, result] : {std::pair{0, 0}, std::pair{7, 12}, std::pair{-3, -3}}) {
        Legend unknown(-1);
        EXPECT_EQ(unknown.r.DrawSeismicLegend(0, 0, 0, offset), result) << offset;
        EXPECT_TRUE(unknown.dc.Calls().empty()) << offset;
    }
}
