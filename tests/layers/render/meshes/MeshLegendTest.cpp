// The mesh legend drawn into a RecordingDc: the geometry of the class rows and of the climate
// layout, the titles and rows of the theme codes and items, and the height it answers.
#include "layers/render/LayerRenderer.h"
#include "layers/render/meshes/MeshLegendContent.h"
#include "platform/dc/RecordingDc.h"

#include <gtest/gtest.h>

namespace {

using vd::DrawOp;
using vd::Rect;

class MeshLegend : public ::testing::Test {
protected:
    MeshLegend() : r(dc, Params()) {}
    static LayerDrawParams Params()
    {
        LayerDrawParams p;
        p.ItemCode = 1000; // R
        p.StatusLineY = 700;
        return p;
    }
    std::vector<vd::RecordedCall> Calls(DrawOp::Kind kind) const
    {
        std::vector<vd::RecordedCall> found;
        for (const vd::RecordedCall& c : dc.Calls())
            if (c.op.kind == kind)
                found.push_back(c);
        return found;
    }
    std::vector<std::string> Texts() const
    {
        std::vector<std::string> texts;
        for (const vd::RecordedText& t : dc.Texts())
            texts.push_back(t.text);
        return texts;
    }
    vd::RecordingDc dc;
    CLayerRenderer r;
};

TEST_F(MeshLegend, ClassRowsOfTheCensusLegend)
{
    // Y = 700 + 40; row m at 325 + 15m.
    const int height = r.DrawMeshLegend(210, 1, 1, 20, 0, 40, "", "", "", "");
    const auto rects = Calls(DrawOp::Rectangle);
    ASSERT_EQ(rects.size(), 12u);
    EXPECT_EQ(rects[0].op.rect.left, 835);
    EXPECT_EQ(rects[0].op.rect.top, 300);
    EXPECT_EQ(rects[1].op.rect, (Rect{844, 324, 866, 337}));
    const auto fills = Calls(DrawOp::FillSolidRect);
    ASSERT_EQ(fills.size(), 11u);
    EXPECT_EQ(fills[0].op.rect, (Rect{845, 325, 865, 336}));
    EXPECT_EQ(fills[10].op.rect.top, 475);
    for (int m = 0; m < 11; ++m)
        EXPECT_EQ(fills[std::size_t(m)].op.colour, CLayerRenderer::ClassRampColour(m));
    const auto texts = dc.Texts();
    EXPECT_EQ(texts[0].at, (vd::Point{850, 306}));
    EXPECT_EQ(texts[0].text, "従業者数 [人]");
    EXPECT_EQ(texts[1].at, (vd::Point{870, 325}));
    EXPECT_EQ(texts[1].text, "   0～");
    EXPECT_EQ(texts[11].text, " 200～");
    // Every text after a swatch is written on white.
    EXPECT_EQ(texts[1].background, vd::RGB(255, 255, 255));
    EXPECT_EQ(height, rects[0].op.rect.bottom - 300 + 5);
}

TEST_F(MeshLegend, MoneyRowsAndPositionModes)
{
    r.DrawMeshLegend(200, 2, 1, 7, 1, 0, "", "", "", "");
    auto texts = Texts();
    EXPECT_EQ(texts[0], "小売業 販売額 [億円]");
    EXPECT_EQ(texts[1], "   0円～");
    EXPECT_EQ(texts[2], "  10億円～");
    EXPECT_EQ(texts[11], " 100億円～");
    EXPECT_EQ(dc.Texts()[0].at.y, 450 - 434);
    dc.Clear();
    r.DrawMeshLegend(200, 0, 1, 5, 2, 0, "", "", "", "");
    EXPECT_EQ(dc.Texts()[0].at.y, 730 - 434);
    EXPECT_EQ(dc.Texts()[2].text, "   5～");
}

TEST_F(MeshLegend, ClimateLayoutRisesFromTheBottom)
{
    // January mean temperature, step 3: -15 upwards to 15.
    const int height = r.DrawMeshLegend(0, 3, 1, 3, 0, 0, "", "", "", "");
    EXPECT_EQ(height, 265);
    const auto rects = Calls(DrawOp::Rectangle);
    EXPECT_EQ(rects[0].op.rect, (Rect{840, 260, 990, 520}));
    // Row 0 at b = 520, R + 40 = 1040.
    EXPECT_EQ(rects[1].op.rect, (Rect{889, 494, 921, 511}));
    const auto fills = Calls(DrawOp::FillSolidRect);
    EXPECT_EQ(fills[0].op.rect, (Rect{890, 495, 920, 510}));
    EXPECT_EQ(fills[1].op.rect.top, 475);
    EXPECT_EQ(fills[4].op.colour, CLayerRenderer::ClassRampColour(4));
    const auto texts = dc.Texts();
    EXPECT_EQ(texts[0].at, (vd::Point{860, 268}));
    EXPECT_EQ(texts[0].text, "平均気温 1月 [℃]");
    EXPECT_EQ(texts[1].at, (vd::Point{940, 493}));
    EXPECT_EQ(texts[1].text, " -15～");
    EXPECT_EQ(texts[11].text, "  15～");

    // Precipitation runs down the ramp.
    dc.Clear();
    r.DrawMeshLegend(0, 104, 1, 25, 0, 0, "", "", "", "");
    EXPECT_EQ(Texts()[0], "降水量 5月 [mm]");
    EXPECT_EQ(Calls(DrawOp::FillSolidRect)[0].op.colour, CLayerRenderer::ClassRampColour(10));

    // Without swatches: a short box and the note.
    dc.Clear();
    EXPECT_EQ(r.DrawMeshLegend(0, 5, 0, 0, 0, 0, "", "", "", ""), 40);
    EXPECT_EQ(Calls(DrawOp::Rectangle)[0].op.rect, (Rect{835, 260, 980, 295}));
    EXPECT_EQ(Texts(), (std::vector<std::string>{"年平均気温   [℃]", "○：観測地点と測定値"}));
}

TEST_F(MeshLegend, NoStatusBoxMovesTheLegendForTheRestOfTheCall)
{
    r.ProgressFlag = -1;
    r.DrawMeshLegend(20, 0, 1, 0, 0, 0, "", "", "", "");
    EXPECT_EQ(r.ItemCode, 1030);
    EXPECT_EQ(Calls(DrawOp::Rectangle)[0].op.rect.left, 865);
}

TEST(MeshLegendContent, TitlesAndRows)
{
    using meshes::MeshLegendContent;
    const meshes::LegendTexts texts{"名前A", "名前B", "", "計=12[人]"};
    const struct {
        int theme, item, swatch;
        const char* title;
        std::size_t rows;
        const char* firstRow;
    } cases[] = {
        {10, 0, 1, "* 都市計画区域", 1, "  基準地域ﾒｯｼｭ内で70%以上"},
        {10, 3, 1, "  基準地域ﾒｯｼｭ内で20%以上", 4, "1: 自然公園(普通地域)"},
        {10, 5, 1, "", 8, "1: 都市計画区域(>70%)"},
        {20, 2, 1, "河川の種別", 1, "2: 二級河川"},
        {100, 1, 1, "", 7, "1: 国有地 0～50％"},
        {110, 0, 1, "平均水深 [ｍ]", 11, "～  -20m"},
        {110, 3, 1, "磯釣り場名", 0, ""},
        {110, 4, 1, "底質", 11, "海底"},
        {110, 7, 1, "潮流 下げ潮 方向", 8, " 1: 北～北東"},
        {110, 6, 1, "潮流 上げ潮流速(ﾉｯﾄ)", 12, "～0.3"},
        {200, 1, 1, "小売業 売場面積 [m2]", 12, "   0～"},
        {200, 1, 0, "小売業 売場面積 [100m2]", 12, "   0～"},
        {200, 8, 1, "名前B", 12, "   0～"},
        {200, 6, 1, "名前A", 12, "   0～"},
        {210, 7, 1, "名前A", 12, "   0～"},
        {220, 10, 1, "名前A", 7, "1:  ～0.5"},
        {300, 3, 1, "1/10細分ﾒｯｼｭ(土地利用)", 1, "森林"},
        {310, 22, 1, "指定地域(自然環境保全)", 6, "原生自然環境保全地区"},
        {320, 32, 1, "指定地域(集水域・非集水域)", 1, "非集水域"},
        {330, 0, 1, "1/10細分ﾒｯｼｭ(湖沼)", 1, "湖沼"},
        {500, 0, 1, "", 0, ""},
    };
    for (const auto& c : cases) {
        const meshes::LegendContent content = MeshLegendContent(c.theme, c.item, c.swatch, 10, texts);
        EXPECT_EQ(content.title, c.title) << c.theme << "/" << c.item;
        ASSERT_EQ(content.rows.size(), c.rows) << c.theme << "/" << c.item;
        if (c.rows > 0) {
            EXPECT_EQ(content.rows[0].text, c.firstRow) << c.theme << "/" << c.item;
        }
    }
    // The census total closes the class rows; the sea-bottom codes stand beside the rows.
    EXPECT_EQ(MeshLegendContent(200, 0, 1, 10, texts).rows.back().text, "計=12[人]");
    EXPECT_EQ(MeshLegendContent(110, 4, 1, 0, texts).sideColumn.size(), 26u);
    EXPECT_EQ(MeshLegendContent(110, 8, 1, 0, texts).rows[10].text, "> 3.0");
}

TEST(MeshLegendContent, ClimateTitlesAndOffsets)
{
    EXPECT_EQ(meshes::ClimateTitle(130), "最高気温 6月 [℃]");
    EXPECT_EQ(meshes::ClimateTitle(131), "最低気温 6月 [℃]");
    EXPECT_EQ(meshes::ClimateTitle(132), "平均気温 6月 [℃]");
    EXPECT_EQ(meshes::ClimateTitle(113), "降水量(暖候値) [mm]");
    EXPECT_EQ(meshes::ClimateTitle(160), "最深積雪 少雪年 [cm]");
    EXPECT_EQ(meshes::ClimateTitle(161), "");
    const std::pair<int, int> offsets[] = {{3, -15},   {116, -20}, {121, -14}, {118, -15}, {133, 5},  {143, -5},
                                           {146, -10}, {150, -15}, {149, -20}, {151, 4},   {152, -5}, {5, 0}};
    for (const auto& [item, offset] : offsets)
        EXPECT_EQ(meshes::ClimateRowOffset(item), offset) << item;
}

} // namespace
