// The legend column on a RecordingDc with fixed font metrics.
#include "geology/GeoMeshRenderer.h"
#include "platform/dc/RecordingDc.h"

#include <gtest/gtest.h>

namespace {

std::vector<vd::DrawOp> OpsOf(const vd::RecordingDc& dc, vd::DrawOp::Kind kind)
{
    std::vector<vd::DrawOp> ops;
    for (const vd::RecordedCall& call : dc.Calls())
        if (call.op.kind == kind)
            ops.push_back(call.op);
    return ops;
}

} // namespace

TEST(GeologyLegend, TerrainClassesInOrderWithTheirNote)
{
    vd::RecordingDc dc;
    CGeoMeshRenderer r;
    r.m_pDC = &dc;
    for (int c : {24, 3, 12}) {
        r.m_anPrimaryCodes[std::size_t(c)] = 1;
        r.m_astrClassNames[std::size_t(c)] = "名" + std::to_string(c);
        r.m_anPalette[std::size_t(c)] = {std::int16_t(c), 0, 0};
    }
    r.DrawGeologyLegend(2, 0);
    const auto texts = dc.Texts();
    ASSERT_EQ(texts.size(), 5u);
    EXPECT_EQ(texts[0].text, "凡例 地形分類");
    EXPECT_EQ(texts[0].at, (vd::Point{870, 290}));
    const std::string lines[] = {" 3: 名3", "12: 名12", "24: 名24"};
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(texts[std::size_t(k + 1)].text, lines[k]);
        EXPECT_EQ(texts[std::size_t(k + 1)].at, (vd::Point{870, 290 + 12 * k + 15}));
    }
    EXPECT_EQ(texts[4].text, "<副分類は数値地図ﾕｰｻﾞｰｽﾞｶﾞｲﾄﾞ参照>");
    EXPECT_EQ(texts[4].at, (vd::Point{850, 290 + 36 + 18}));
    EXPECT_EQ(texts[1].bkMode, vd::TRANSPARENT);
    EXPECT_EQ(dc.State().bkMode, vd::OPAQUE);
    const auto boxes = OpsOf(dc, vd::DrawOp::Rectangle);
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[1].rect, (vd::Rect{850, 290 + 12 + 16, 866, 290 + 12 + 26}));
    const auto fills = OpsOf(dc, vd::DrawOp::FillSolidRect);
    ASSERT_EQ(fills.size(), 3u);
    EXPECT_EQ(fills[2].rect, (vd::Rect{851, 290 + 24 + 17, 865, 290 + 24 + 25}));
    EXPECT_EQ(fills[2].colour, vd::RGB(24, 0, 0));
}

TEST(GeologyLegend, RockNumbersSortedWithTheirSlotsColours)
{
    vd::RecordingDc dc;
    CGeoMeshRenderer r;
    r.m_pDC = &dc;
    r.m_anPrimaryCodes[77] = 55;
    r.m_anColourCodes[77] = 70;
    r.m_anPrimaryCodes[1] = 12;
    r.m_anColourCodes[1] = 2;
    r.m_anPalette[70] = {70, 70, 0};
    r.m_anPalette[2] = {2, 2, 0};
    r.m_astrClassNames[55] = "火山岩類";
    r.m_astrClassNames[12] = "堆積岩類";
    r.DrawGeologyLegend(0, -1);
    const auto texts = dc.Texts();
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[0].at, (vd::Point{850, 180}));
    EXPECT_EQ(texts[1].text, "12: 堆積岩類)");
    EXPECT_EQ(texts[2].text, "55: 火山岩類)");
    EXPECT_EQ(texts[3].text, " 0: 岩石未区分");
    EXPECT_EQ(texts[3].at, (vd::Point{850, 180 + 24 + 15}));
    const auto fills = OpsOf(dc, vd::DrawOp::FillSolidRect);
    ASSERT_EQ(fills.size(), 3u);
    EXPECT_EQ(fills[0].colour, vd::RGB(2, 2, 0));
    EXPECT_EQ(fills[1].colour, vd::RGB(70, 70, 0));
    EXPECT_EQ(fills[2].colour, vd::RGB(255, 255, 255));
    EXPECT_EQ(fills[2].rect, (vd::Rect{831, 180 + 24 + 17, 845, 180 + 24 + 25}));
    // The sorted numbers now lead the primary codes.
    EXPECT_EQ(r.m_anPrimaryCodes[0], 12);
    EXPECT_EQ(r.m_anPrimaryCodes[1], 55);
    EXPECT_EQ(r.m_anPrimaryCodes[77], 0);
}

TEST(GeologyLegend, CrowdedLegendAndASecondColumn)
{
    vd::RecordingDc dc;
    CGeoMeshRenderer r;
    r.m_pDC = &dc;
    for (int c = 1; c <= 40; ++c) {
        r.m_anPrimaryCodes[std::size_t(c)] = 1;
        r.m_astrClassNames[std::size_t(c)] = "name";
    }
    r.DrawGeologyLegend(1, 0);
    const auto texts = dc.Texts();
    ASSERT_EQ(texts.size(), 42u);
    EXPECT_EQ(texts[1].text, " 1: ");  // crowded: numbers only
    EXPECT_EQ(texts[32].text, "32: ");
    EXPECT_EQ(texts[32].at, (vd::Point{870, 290 + 12 * 31 + 15}));
    EXPECT_EQ(texts[33].at, (vd::Point{930, 290 + 15})); // the 33rd line opens a column at the top
    EXPECT_EQ(texts[41].text, "");                         // the note is an empty text
    EXPECT_EQ(texts[41].at, (vd::Point{910, 290 + 12 * 8 + 18}));

    // Placement 1: no boxes, 20 further left, no valley-density lines.
    vd::RecordingDc plain;
    r.m_pDC = &plain;
    r.DrawGeologyLegend(3, 1);
    EXPECT_EQ(plain.Texts().size(), 1u);
    EXPECT_EQ(plain.Texts()[0].at, (vd::Point{850, 290}));
    EXPECT_TRUE(OpsOf(plain, vd::DrawOp::Rectangle).empty());
}

// The column stands beside the drawn map: at its place when the map ends well left of it (a
// 1024 x 768 screen), right of the map's east edge when a wider window's map reaches past it.
TEST(GeologyLegend, TheColumnStandsBesideTheMapsEastEdge)
{
    const struct {
        float originX;
        float scaleX;
        int placement;
        int titleX;
    } cases[] = {
        {8, 0.0725f, 0, 870},   // three sheets 783 pixels wide, from x 8
        {8, 0.0725f, -1, 850},
        {8, 0.0975f, 0, 1111},  // 1053 pixels wide: right edge 1061
        {8, 0.0975f, 1, 1091},  // no boxes: 20 further left, still clear of the map
        {8, 0.0975f, -1, 1111},
    };
    for (const auto& c : cases) {
        vd::RecordingDc dc;
        CGeoMeshRenderer r;
        r.m_pDC = &dc;
        r.m_nWest = 134 * 3600;
        r.m_nEast = 137 * 3600;
        r.m_fOriginX = c.originX;
        r.m_fScaleX = c.scaleX;
        r.m_anPrimaryCodes[3] = 1;
        r.DrawGeologyLegend(2, c.placement);
        ASSERT_FALSE(dc.Texts().empty());
        EXPECT_EQ(dc.Texts()[0].at.x, c.titleX) << c.scaleX << " " << c.placement;
        const int mapRight = int(float(r.m_nEast - r.m_nWest) * c.scaleX + c.originX);
        for (const auto& box : OpsOf(dc, vd::DrawOp::Rectangle))
            EXPECT_GT(box.rect.left, mapRight) << c.scaleX;
    }
}
