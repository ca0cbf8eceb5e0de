#include "layers/render/LayerRenderer.h"
#include "platform/dc/RecordingDc.h"
#include "tests/layers/render/LayerFixtures.h"

#include <gtest/gtest.h>

namespace {

using vd::RGB;

class Renderer : public ::testing::Test {
protected:
    CLayerRenderer& Make(LayerDrawParams params = {})
    {
        renderer = std::make_unique<CLayerRenderer>(dc, std::move(params));
        return *renderer;
    }
    vd::RecordingDc dc;
    std::unique_ptr<CLayerRenderer> renderer;
};

TEST_F(Renderer, StockPensAndTheLineColourIndex)
{
    CLayerRenderer& r = Make();
    const vd::COLORREF colours[11] = {RGB(128, 0, 255), RGB(0, 0, 255),     RGB(0, 90, 0),   RGB(0, 255, 0),
                                      RGB(255, 255, 0), RGB(255, 128, 64),  RGB(255, 128, 255), RGB(255, 0, 0),
                                      RGB(128, 0, 0),   RGB(0, 0, 0),       RGB(255, 255, 255)};
    for (int i = 0; i <= 21; ++i) {
        r.SelectLinePen(i);
        EXPECT_EQ(dc.GetCurrentPen(), vd::Pen(vd::PS_SOLID, i < 11 ? 1 : 2, colours[i % 11])) << i;
    }
    for (int i = 0; i <= 10; ++i) {
        r.SelectThinPen(i);
        EXPECT_EQ(dc.GetCurrentPen(), vd::Pen(vd::PS_SOLID, 1, colours[i])) << i;
    }
    EXPECT_EQ(r.StockPen(4), vd::Pen(vd::PS_DOT, 1, RGB(0, 0, 255)));
    EXPECT_EQ(r.StockPen(16), vd::Pen(vd::PS_DOT, 2, RGB(0, 0, 255)));
    const vd::Pen current = dc.GetCurrentPen();
    for (int outside : {22, -1, 100}) {
        r.SelectLinePen(outside);
        EXPECT_EQ(dc.GetCurrentPen(), current);
    }
    r.SelectThinPen(11);
    EXPECT_EQ(dc.GetCurrentPen(), current);
    r.UseDottedPens();
    r.SelectLinePen(7);
    EXPECT_EQ(dc.GetCurrentPen(), vd::Pen(vd::PS_DOT, 1, RGB(255, 0, 0)));
    r.SelectLinePen(18);
    EXPECT_EQ(dc.GetCurrentPen(), vd::Pen(vd::PS_SOLID, 2, RGB(255, 0, 0)));
}

TEST(RendererColours, PaletteAndClassRamp)
{
    EXPECT_EQ(CLayerRenderer::PaletteColour(0), RGB(128, 0, 255));
    EXPECT_EQ(CLayerRenderer::PaletteColour(11), RGB(0, 255, 255));
    EXPECT_EQ(CLayerRenderer::PaletteColour(12), RGB(0, 130, 0));
    EXPECT_EQ(CLayerRenderer::PaletteColour(255), RGB(255, 0, 0)); // the value itself
    EXPECT_EQ(CLayerRenderer::PaletteColour(13), vd::COLORREF(13));
    const vd::COLORREF ramp[11] = {RGB(128, 0, 255), RGB(0, 128, 255), RGB(0, 0, 255),    RGB(0, 128, 128),
                                   RGB(0, 128, 0),   RGB(0, 255, 0),   RGB(255, 255, 0),  RGB(255, 128, 64),
                                   RGB(255, 128, 255), RGB(255, 0, 0), RGB(128, 0, 0)};
    for (int i = 0; i <= 10; ++i)
        EXPECT_EQ(CLayerRenderer::ClassRampColour(i), ramp[i]);
    EXPECT_EQ(CLayerRenderer::ClassRampColour(11), RGB(88, 0, 0));
    EXPECT_EQ(CLayerRenderer::ClassRampColour(-1), RGB(88, 0, 0));
}

TEST_F(Renderer, DrawingToolsSetUpAndRestore)
{
    const vd::Pen callerPen(vd::PS_DASH, 1, RGB(1, 2, 3));
    const vd::Brush callerBrush(RGB(4, 5, 6));
    dc.SelectObject(callerPen);
    dc.SelectObject(callerBrush);
    LayerDrawParams p;
    p.ItemCode = 12;
    CLayerRenderer& r = Make(p);

    // Mode 0, filled: a black outline (white for black) and a brush of the palette colour.
    r.SetDrawingTools(0, 7, 1);
    EXPECT_EQ(dc.GetCurrentPen(), vd::Pen(vd::PS_SOLID, 1, RGB(0, 0, 0)));
    EXPECT_EQ(dc.GetCurrentBrush(), vd::Brush(RGB(255, 0, 0)));
    r.SetDrawingTools(2, 0, 1);
    EXPECT_EQ(dc.GetCurrentPen(), callerPen);
    EXPECT_EQ(dc.GetCurrentBrush(), callerBrush);
    r.SetDrawingTools(0, 9, 1);
    EXPECT_EQ(dc.GetCurrentPen(), vd::Pen(vd::PS_SOLID, 1, RGB(255, 255, 255)));
    r.SetDrawingTools(2, 0, 1);
    // Unfilled: the outline in the colour, the brush made but not selected.
    r.SetDrawingTools(0, 3, 0);
    EXPECT_EQ(dc.GetCurrentPen(), vd::Pen(vd::PS_SOLID, 1, RGB(0, 255, 0)));
    EXPECT_EQ(dc.GetCurrentBrush(), callerBrush);
    r.SetDrawingTools(2, 0, 0);
    EXPECT_EQ(dc.GetCurrentPen(), callerPen);
    // Mode 1: the item code (12, div 11 = 1) chooses dotted pens; the outline is the colour.
    r.SetDrawingTools(1, 5, 1);
    EXPECT_EQ(dc.GetCurrentPen(), vd::Pen(vd::PS_DOT, 1, RGB(255, 128, 64)));
    EXPECT_EQ(dc.GetCurrentBrush(), vd::Brush(RGB(255, 128, 64)));
    r.SetDrawingTools(2, 0, 1);
    EXPECT_EQ(dc.GetCurrentPen(), callerPen);
    EXPECT_EQ(dc.GetCurrentBrush(), callerBrush);
}

TEST_F(Renderer, LabelFontHeights)
{
    const vd::Font callerFont = dc.GetCurrentFont();
    struct Case {
        int value, detail, height;
    } cases[] = {{-888, 0, 12}, {-999, 3, 11}, {0, 0, 9}, {1, 0, 10}, {0, 3, 10}, {5, 2, 9}};
    for (const Case& c : cases) {
        LayerDrawParams p;
        p.DetailLevel = c.detail;
        CLayerRenderer& r = Make(p);
        r.SetDrawingTools(3, c.value, 0);
        const vd::LogFont& lf = dc.GetCurrentFont().GetLogFont();
        EXPECT_EQ(lf.lfHeight, c.height) << c.value << " " << c.detail;
        EXPECT_EQ(lf.lfFaceName, "ＭＳ 明朝");
        EXPECT_EQ(lf.lfWeight, 400);
        EXPECT_EQ(lf.lfCharSet, vd::SHIFTJIS_CHARSET);
        EXPECT_EQ(lf.lfPitchAndFamily, vd::VARIABLE_PITCH | vd::FF_ROMAN);
        r.SetDrawingTools(4, 0, 0);
        EXPECT_EQ(dc.GetCurrentFont(), callerFont);
    }
}

TEST_F(Renderer, StatusBoxPlacesAndTexts)
{
    struct Case {
        int lineY;
        std::string text;
        int countSwitch;
        int left, right, textX;
        std::string shown;
    } cases[] = {
        {700, "河川", -1, 667, 881, 674, "河川 3/9"},
        {681, "河川", 0, 667, 881, 674, "国土数値情報を表示"},
        {680, "", -1, 829, 978, 832, "国土数値情報を表示"},
    };
    for (const Case& c : cases) {
        LayerDrawParams p;
        p.StatusLineY = c.lineY;
        CLayerRenderer& r = Make(p);
        dc.Clear();
        r.ShowLayerProgress(c.countSwitch, c.text, 2, 9, 0);
        ASSERT_EQ(dc.Calls().size(), 2u);
        EXPECT_EQ(dc.Calls()[0].op.rect, (vd::Rect{c.left, c.lineY - 26, c.right, c.lineY - 4}));
        const auto texts = dc.Texts();
        ASSERT_EQ(texts.size(), 1u);
        EXPECT_EQ(texts[0].at, (vd::Point{c.textX, c.lineY - 23}));
        EXPECT_EQ(texts[0].text, c.shown);
        EXPECT_EQ(texts[0].colour, RGB(255, 0, 0));
        EXPECT_EQ(texts[0].background, RGB(255, 255, 255));
        EXPECT_EQ(dc.GetTextColor(), RGB(0, 0, 0));
    }
    LayerDrawParams hidden;
    hidden.ProgressFlag = -1;
    dc.Clear();
    Make(hidden).ShowLayerProgress(-1, "河川", 0, 1, 1);
    EXPECT_TRUE(dc.Calls().empty());
}

TEST_F(Renderer, StatusBoxFontSwitch)
{
    const vd::Font callerFont = dc.GetCurrentFont();
    LayerDrawParams p;
    p.StatusLineY = 700;
    CLayerRenderer& r = Make(p);
    // Before any font of the renderer exists the current font stays.
    r.ShowLayerProgress(-1, "河川", 0, 1, 1);
    EXPECT_EQ(dc.Texts().back().font, callerFont);
    EXPECT_EQ(dc.GetCurrentFont(), callerFont);
    r.SetDrawingTools(3, 0, 0);
    const vd::Font labelFont = dc.GetCurrentFont();
    r.ShowLayerProgress(-1, "河川", 0, 1, 1);
    EXPECT_EQ(dc.Texts().back().font, callerFont); // the box uses the caller's font
    EXPECT_EQ(dc.GetCurrentFont(), labelFont);
}

TEST_F(Renderer, OptionListReadsFortyEightFields)
{
    CLayerRenderer& r = Make();
    std::string flags = "1|";
    for (int i = 1; i < 48; ++i)
        flags += std::to_string(i % 2) + "|";
    r.ParseOptionList(flags);
    EXPECT_EQ(r.OptionList[0], 1);
    EXPECT_EQ(r.OptionList[13], 1);
    EXPECT_EQ(r.OptionList[14], 0);
    EXPECT_EQ(r.OptionList[47], 1);
    // A short text: the field without "|" and every later one read 0.
    r.ParseOptionList("0|1|x|5");
    EXPECT_EQ(r.OptionList[1], 1);
    EXPECT_EQ(r.OptionList[2], 0);
    EXPECT_EQ(r.OptionList[3], 0);
    EXPECT_EQ(r.OptionList[47], 0);
}

TEST_F(Renderer, EndLabelsInTheFourDirectionsAndKeptApart)
{
    struct Case {
        int x1, y1, x2, y2;
        vd::Point label1, label2;
    } cases[] = {
        {100, 200, 300, 100, {300, 205}, {100, 95}},
        {100, 100, 300, 200, {100, 205}, {300, 95}},
        {300, 100, 100, 200, {100, 95}, {300, 205}},
        {300, 200, 100, 100, {300, 95}, {100, 205}},
    };
    for (const Case& c : cases) {
        CLayerRenderer& r = Make();
        r.LabelPoint1 = r.LabelPoint2 = {1, 1};
        dc.Clear();
        r.DrawEndLabels(c.x1, c.y1, c.x2, c.y2, "A", "B");
        const auto texts = dc.Texts();
        ASSERT_EQ(texts.size(), 2u);
        EXPECT_EQ(texts[0].at, c.label1);
        EXPECT_EQ(texts[1].at, c.label2);
        // The same segment again is within 40 pixels of the labels just drawn.
        dc.Clear();
        r.DrawEndLabels(c.x1, c.y1, c.x2, c.y2, "A", "B");
        EXPECT_TRUE(dc.Texts().empty());
    }
    CLayerRenderer& r = Make();
    r.LabelPoint1 = r.LabelPoint2 = {1, 1};
    dc.Clear();
    r.DrawEndLabels(100, 200, 300, 100, "0", "B");
    ASSERT_EQ(dc.Texts().size(), 1u);
    EXPECT_EQ(dc.Texts()[0].text, "B");
    // Exactly 40 pixels away is too close; 41 is not.
    dc.Clear();
    r.DrawEndLabels(140, 200, 340, 100, "A", "B");
    EXPECT_TRUE(dc.Texts().empty());
    r.DrawEndLabels(181, 200, 381, 100, "A", "B");
    EXPECT_EQ(dc.Texts().size(), 2u);
}

TEST_F(Renderer, ScaleShrinkFactors)
{
    struct Case {
        int count, mode, variant;
        float factor;
    } cases[] = {{1, 0, 0, 1.0f}, {2, 0, 0, 0.996875f}, {9, 3, 1, 0.996875f},
                 {9, 1, 1, 0.9974748f}, {9, 2, 0, 0.9937107f}};
    for (const Case& c : cases) {
        LayerDrawParams p;
        p.XScale = 0.5f;
        p.YScale = 0.25f;
        CLayerRenderer& r = Make(p);
        r.ScaleShrink(c.count, c.mode, c.variant);
        EXPECT_EQ(r.XScale, 0.5f * c.factor);
        EXPECT_EQ(r.YScale, 0.25f * c.factor);
    }
}

TEST_F(Renderer, AttributeNamesOfAreaKindThree)
{
    CLayerRenderer& r = Make();
    auto list = [](std::vector<std::string> codes) {
        std::string text;
        for (int i = 0; i < 16; ++i)
            text += (i < int(codes.size()) ? codes[std::size_t(i)] : "0000") + "xx|";
        return text;
    };
    // A 4 x 4 block around 5339, row by row from the north-west: the four cells are the
    // north-west cells of its 2 x 2 sub-blocks, fields 0, 2, 8 and 10.
    std::vector<std::string> block;
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column)
            block.push_back(std::to_string(5538 - 100 * row + column));
    EXPECT_EQ(r.ParseAttributeNames(10, list(block)), 1);
    EXPECT_EQ(r.AttributeNames, (std::array<std::string, 4>{"5538", "5540", "5338", "5340"}));
    // Repeats are left out; field 10 equal to field 2 empties the last name.
    EXPECT_EQ(r.ParseAttributeNames(10, list({"5339", "0", "5339", "0", "0", "0", "0", "0", "5439", "0", "5439"})), 1);
    EXPECT_EQ(r.AttributeNames, (std::array<std::string, 4>{"5339", "", "5439", ""}));
    for (int packed : {0, 11, 20, -10, 1})
        EXPECT_EQ(r.ParseAttributeNames(packed, list({"5339"})), 0) << packed;
    EXPECT_EQ(r.AttributeNames[0], "5339");
}

TEST_F(Renderer, CellNamesAndPrefecturesOfTheBlock)
{
    layers_test::LayerFolder folder;
    folder.WriteLines("Msh_prft.dat", {"5339=13 14 19"});
    LayerDrawParams p;
    p.MeshCode = "53394";
    p.AreaKind = 1;
    p.BlockMode = 1;
    p.DataFolder = folder.Windows();
    CLayerRenderer& r = Make(p);
    // Plain map, a single mesh without a block rule: the first four characters of the mesh text.
    EXPECT_EQ(r.CellFileName(1, 0, -1, 0, 0, 0, r.MeshCode), "5339");
    EXPECT_EQ(r.CellFileName(2, 0, -1, 0, 0, 0, r.MeshCode), "");
    // White map: the cells around the centre; the road option asks for full detail.
    EXPECT_EQ(r.CellFileName(9, 8, 9, 5339, 0, 0, "5339"), "5240");
    EXPECT_EQ(r.DetailLevel, 0);
    EXPECT_EQ(r.CellFileName(25, 0, 25, 5339, 0, 1, "5339"), "5537");
    EXPECT_EQ(r.DetailLevel, 3);
    EXPECT_EQ(r.CellFileName(1, 0, 1, 5339, 0, 0, "5339"), "5339");
    // Only prefecture 13 selected: 14 and 19 blanked, the count stays 3.
    r.OptionList[13] = 1;
    EXPECT_EQ(r.ReadMeshPrefectures("5339"), 3);
    EXPECT_EQ(r.PrefectureListOfCell, (std::vector<std::string>{"13", "", ""}));
    EXPECT_EQ(r.ReadMeshPrefectures("5340"), 0);
    // The list switch: the attribute names, then the prefectures of the cell.
    r.ReadMeshPrefectures("5339");
    r.AttributeNames = {"5338", "5339", "", ""};
    EXPECT_EQ(r.CellFileName(4, 1, -1, 0, 1, 0, ""), "5339");
    EXPECT_EQ(r.CellFileName(4, 4, -1, 0, 1, 0, ""), "13");
    EXPECT_EQ(r.CellFileName(4, 5, -1, 0, 1, 0, ""), "");
    EXPECT_EQ(r.CellFileName(4, 40, -1, 0, 1, 0, ""), "");
}

TEST_F(Renderer, ScreenTransformTruncatesInSinglePrecision)
{
    LayerDrawParams p;
    p.North = 129600;
    p.West = 500400;
    p.XOrigin = 10.5f;
    p.YOrigin = -3.25f;
    p.XScale = 0.08888889f;
    p.YScale = 0.13333334f;
    CLayerRenderer& r = Make(p);
    const ScreenPoint s = r.ToScreen(129600 - 100, 500400 + 100);
    EXPECT_EQ(s.x, int(100.0f * 0.08888889f + 10.5f));
    EXPECT_EQ(s.y, int(100.0f * 0.13333334f - 3.25f));
    EXPECT_EQ(r.ToScreen(129600 + 30, 500400).y, -7); // toward zero: -7.25
    // An absurd scale is held at a far edge, never an overflow.
    r.XScale = 1.0e30f;
    EXPECT_EQ(r.ToScreen(129600, 500401).x, 1000000000);
    EXPECT_EQ(r.ToScreen(129600, 500399).x, -1000000000);
}

} // namespace
