// The legend drawn into a recording device over settings files of the test's own.
#include "layers/settings/legend/LegendPainter.h"
#include "platform/dc/RecordingDc.h"
#include "platform/text/Cp932.h"
#include "tests/layers/settings/SettingsFilesSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using vd::RGB;

void WriteSettings(const std::string& name, const std::string& utf8)
{
    WriteBytes(HomeFolder() / name, vd::utf8ToCp932(utf8));
}

struct Painted {
    vd::RecordingDc dc;
    // The text drawn at a point, or "".
    std::string At(int x, int y) const
    {
        for (const auto& t : dc.Texts())
            if (t.at.x == x && t.at.y == y)
                return t.text;
        return {};
    }
    // The pen of the sample line of line l.
    vd::Pen SampleOf(int l) const
    {
        for (const auto& call : dc.Calls())
            if (call.op.kind == vd::DrawOp::LineTo && call.op.points.size() == 2 &&
                call.op.points[0] == vd::Point{5, 15 * l + 11} && call.op.points[1] == vd::Point{32, 15 * l + 11})
                return call.state.pen;
        return {};
    }
};

// Line L's text y.
int Y(int l) { return 15 * l + 4; }

void Paint(Painted& p, const LegendFlags& flags) { PaintLegendArea(p.dc, flags, vd::applicationFolder()); }

const vd::Pen kBlack1(vd::PS_SOLID, 1, RGB(0, 0, 0));

} // namespace

TEST(LegendPainter, NoRowDrawsOnlyTheWhiteFill)
{
    WriteSettings("DddMFile.dat", "T1_1=道路\r\nC1_1=0\r\n");
    Painted p;
    Paint(p, LegendFlags{});
    ASSERT_EQ(p.dc.Calls().size(), 1u);
    const auto& fill = p.dc.Calls()[0];
    EXPECT_EQ(fill.op.kind, vd::DrawOp::Rectangle);
    EXPECT_EQ(fill.op.rect, (vd::Rect{2, 2, 249, 323}));
    EXPECT_EQ(fill.state.brush.Colour(), RGB(255, 255, 255));
    EXPECT_EQ(fill.state.pen.Colour(), RGB(255, 255, 255));
}

TEST(LegendPainter, RoadsWithCodeZeroShowTheirSevenClasses)
{
    WriteSettings("DddMFile.dat", "; roads\r\nT1_1=道路\r\nC1_1=0\r\nT1_2=海岸線\r\nC1_2=12\r\n");
    Painted p;
    LegendFlags flags;
    flags.line[0] = 1;
    flags.line[1] = 2; // listed although only an exact 1 opens the section
    Paint(p, flags);
    EXPECT_EQ(p.At(10, Y(0)), "===  国土数値情報（線データ）  ===");
    EXPECT_EQ(p.At(50, Y(1)), "------- 道路種別 -------");
    const std::pair<const char*, vd::Pen> classes[] = {{"高速道路", vd::Pen(vd::PS_SOLID, 3, RGB(0, 240, 255))},
                                                       {"一般国道", vd::Pen(vd::PS_SOLID, 2, RGB(255, 0, 0))},
                                                       {"主要地方道", kBlack1},
                                                       {"一般都道府県道", kBlack1},
                                                       {"特例都道", kBlack1},
                                                       {"市町村道", kBlack1},
                                                       {"私道", kBlack1}};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(p.At(50, Y(2 + i)), classes[i].first);
        EXPECT_EQ(p.SampleOf(2 + i), classes[i].second) << classes[i].first;
    }
    // Eight lines for the breakdown and one empty line: the next row on line 10.
    EXPECT_EQ(p.At(50, Y(10)), "海岸線");
    EXPECT_EQ(p.SampleOf(10), vd::Pen(vd::PS_SOLID, 2, RGB(0, 0, 255)));
}

TEST(LegendPainter, RoadsWithAColourAreOneWideBlackEntry)
{
    WriteSettings("DddMFile.dat", "T1_1=道路\r\nC1_1=7\r\n");
    Painted p;
    LegendFlags flags;
    flags.line[0] = 1;
    Paint(p, flags);
    EXPECT_EQ(p.At(50, Y(1)), "道路");
    EXPECT_EQ(p.SampleOf(1), vd::Pen(vd::PS_SOLID, 2, RGB(0, 0, 0)));
}

TEST(LegendPainter, RiverCodesGiveTheirClassTexts)
{
    struct Case {
        int code;
        std::vector<std::pair<std::string, int>> lines; // text and sample colour code (-1 none)
    } cases[] = {
        {142,
         {{"河川(河川等級で色分けと河床標高)", -1}, {"一級河川区間", 2}, {"２級河川区間", 2}, {"その他の区間", 3}}},
        {20, {{"河川(2級河川区間)", 0}}},
        {1, {{"河川(全河川)", 1}}},
        {77, {{"河川()", 7}}},
    };
    const vd::COLORREF kColours[] = {RGB(128, 0, 255), RGB(0, 0, 255),    RGB(0, 90, 0),      RGB(0, 255, 0),
                                     RGB(255, 255, 0), RGB(255, 128, 64), RGB(255, 128, 255), RGB(255, 0, 0)};
    for (const Case& c : cases) {
        WriteSettings("DddMFile.dat", "T5_5=河川\r\nC5_5=" + std::to_string(c.code) + "\r\n");
        Painted p;
        LegendFlags flags;
        flags.line[24] = 1;
        Paint(p, flags);
        for (std::size_t i = 0; i < c.lines.size(); ++i) {
            const int l = 1 + static_cast<int>(i);
            EXPECT_EQ(p.At(50, Y(l)), c.lines[i].first) << c.code;
            if (c.lines[i].second < 0)
                EXPECT_TRUE(p.SampleOf(l).IsNull()) << c.code;
            else
                EXPECT_EQ(p.SampleOf(l), vd::Pen(vd::PS_SOLID, 1, kColours[c.lines[i].second])) << c.code;
        }
    }
}

TEST(LegendPainter, RailwaysWithCodeOneShowFourTypes)
{
    WriteSettings("DddMFile.dat", "T3_5=鉄道\r\nC3_5=1\r\nT4_1=行政界\r\nC4_1=4\r\n");
    Painted p;
    LegendFlags flags;
    flags.line[14] = 1;
    flags.line[15] = 1;
    Paint(p, flags);
    EXPECT_EQ(p.At(50, Y(1)), "------- 鉄道のライン種別 -------");
    EXPECT_EQ(p.At(50, Y(2)), "新幹線");
    EXPECT_EQ(p.SampleOf(2), vd::Pen(vd::PS_SOLID, 2, RGB(128, 0, 255)));
    EXPECT_EQ(p.SampleOf(3), vd::Pen(vd::PS_SOLID, 2, RGB(128, 0, 0)));
    EXPECT_EQ(p.SampleOf(5), vd::Pen(vd::PS_SOLID, 1, RGB(0, 255, 0)));
    EXPECT_EQ(p.At(50, Y(7)), "行政界");
}

TEST(LegendPainter, LandPriceYearsTurnAtIndexSix)
{
    for (const auto& [year, text] : {std::pair{5, "地価公示[昭和63年分]"}, std::pair{6, "地価公示[平成1年分]"}}) {
        WriteSettings("DDDPFILE.DAT", "T6_1=地価公示\r\nC6_1=7\r\nN6_1=0\r\n");
        Painted p;
        LegendFlags flags;
        flags.point[25] = 1;
        flags.year = year;
        Paint(p, flags);
        EXPECT_EQ(p.At(10, Y(0)), "===  国土数値情報（点データ）  ===");
        EXPECT_EQ(p.At(35, Y(1)), text);
        EXPECT_EQ(p.At(50, Y(2)), "項目：価格(万円)");
    }
}

TEST(LegendPainter, ZoningItemsListTheElevenLinesUnderEachRow)
{
    WriteSettings("DDDPFILE.DAT",
                  "T4_1=地価調査\r\nC4_1=1\r\nN4_1=5\r\nT4_3=基準地\r\nC4_3=7\r\nT4_5=五番\r\nC4_5=2\r\n");
    Painted p;
    LegendFlags flags;
    flags.point[15] = 1;
    flags.point[17] = 1;
    flags.point[19] = 1;
    Paint(p, flags);
    for (int first : {1, 15}) {
        EXPECT_EQ(p.At(10, Y(first + 1)), "項目：価格(万円)／用途地域の種類");
        EXPECT_EQ(p.At(10, Y(first + 2)), " 1:第一種低層住居専用   2:第二種低層住居専用");
        EXPECT_EQ(p.At(10, Y(first + 11)), "21:住居            22:住宅専用");
    }
    EXPECT_EQ(p.At(50, Y(15)), "基準地");
    EXPECT_EQ(p.At(50, Y(29)), "五番");
    // The marker of the row: its square in the row's pen.
    const auto marker = std::find_if(p.dc.Calls().begin(), p.dc.Calls().end(), [](const vd::RecordedCall& c) {
        return c.op.kind == vd::DrawOp::Rectangle && c.op.rect == vd::Rect{12, 15 * 15 + 8, 18, 15 * 15 + 14};
    });
    ASSERT_NE(marker, p.dc.Calls().end());
    EXPECT_EQ(marker->state.pen.Colour(), RGB(255, 0, 0));
}

TEST(LegendPainter, ASectionWithoutItsFileShowsNoNamesOfTheSectionBefore)
{
    WriteSettings("DddMFile.dat", "T1_2=海岸線\r\nC1_2=3\r\n");
    Painted p;
    LegendFlags flags;
    flags.line[1] = 1;
    flags.point[1] = 1; // point tab 1 row 2 shares the line row's table index
    Paint(p, flags);
    EXPECT_EQ(p.At(50, Y(1)), "海岸線");
    EXPECT_EQ(p.At(10, Y(3)), "===  国土数値情報（点データ）  ===");
    const auto texts = p.dc.Texts();
    EXPECT_EQ(std::count_if(texts.begin(), texts.end(), [](const vd::RecordedText& t) { return t.text == "海岸線"; }),
              1);
}

TEST(LegendPainter, SurfaceRowsTakeTheirExtrasAndDottedChoices)
{
    WriteSettings("DddSFile.dat", "T1_5=流域\r\nC1_5=1\r\nT2_1=都市地域\r\nC2_1=12\r\n");
    Painted p;
    LegendFlags flags;
    flags.surface[4] = 1;
    flags.surface[5] = 1;
    Paint(p, flags);
    EXPECT_EQ(p.At(10, Y(0)), "===  国土数値情報（面データ）  ===");
    EXPECT_EQ(p.At(50, Y(1)), "流域界");
    EXPECT_EQ(p.SampleOf(1), vd::Pen(vd::PS_SOLID, 1, RGB(0, 0, 255)));
    EXPECT_EQ(p.At(50, Y(2)), "非集水域線");
    EXPECT_EQ(p.SampleOf(2), vd::Pen(vd::PS_SOLID, 1, RGB(255, 128, 255)));
    EXPECT_EQ(p.At(50, Y(3)), "都市地域(破線は市町村境界)");
    EXPECT_EQ(p.SampleOf(3), vd::Pen(vd::PS_DOT, 1, RGB(0, 0, 255)));
    EXPECT_EQ(p.At(37, Y(4)), "都市計画区域(2,3,4を除く):1");
    EXPECT_EQ(p.At(37, Y(6)), "市街化調整区域:4");
}

TEST(LegendPainter, ParsedFlagsPlaceTabSevenAndTheYear)
{
    std::string text;
    for (int i = 0; i < 81; ++i)
        text += (i == 75 ? "1" : i == 80 ? "9" : i == 44 ? "3" : "0") + std::string("|");
    const LegendFlags flags = ParseLegendFlags(text);
    EXPECT_EQ(flags.line[30], 1);
    EXPECT_EQ(flags.surface[14], 3);
    EXPECT_EQ(flags.year, 9);
    const LegendFlags shortList = ParseLegendFlags("1|0|2");
    EXPECT_EQ(shortList.line[0], 1);
    EXPECT_EQ(shortList.line[2], 0) << "a field without its bar";
}
