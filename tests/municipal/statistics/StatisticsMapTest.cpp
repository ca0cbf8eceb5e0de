#include "basemap/projection/SansonProjection.h"
#include "contracts/surrick.h"
#include "platform/dc/RecordingDc.h"
#include "platform/text/Format.h"
#include "tests/municipal/prefmap/MapFixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

namespace {

using prefmap_test::MapFolder;

constexpr float kRefLatitude = 455000.f;
constexpr float kRefLongitude = 1375000.f;
constexpr float kScale = 222.22223f;
constexpr int kWidth = 1024;
constexpr int kHeight = 768;

std::string InOrder()
{
    std::string ranks;
    for (int i = 0; i < 47; ++i)
        ranks += std::to_string(i) + "|";
    return ranks;
}

class StatisticsMap : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::vector<std::string> table{"; points"};
        for (int i = 0; i < 47; ++i)
            table.push_back(i == 0 ? "26.13 127.41" : "35.00 135.00");
        folder.WriteText("MAPELMNT/都道府県.DAT", table);
    }
    void WriteData(const std::vector<double>& values, const std::string& header = "データ名称=テスト",
                   const std::string& name = "MAPELMNT/TEST.DAT")
    {
        std::vector<std::string> lines{";", header};
        for (std::size_t i = 0; i < values.size(); ++i)
            lines.push_back("県" + std::to_string(i) + " " + vd::format("%g", values[i]));
        folder.WriteText(name, lines);
    }
    // Draws with the band projection; args: kind, inset, show, classes, text mode, width.
    void Draw(int kind, int colour = 2, int insetFlag = 1, int show = 1, int tenClasses = 1, int textMode = 1,
              int width = kWidth, const std::string& ranks = InOrder())
    {
        dc.Clear();
        OnPrefectureDataDisp(&dc, folder.Windows(), folder.Windows() + "MAPELMNT\\TEST.DAT", ranks, colour, kind,
                             insetFlag, 0, show, tenClasses, textMode, kRefLatitude, kRefLongitude, kScale, 0.f, width,
                             kHeight);
    }
    std::vector<const vd::RecordedCall*> Calls(vd::DrawOp::Kind kind) const
    {
        std::vector<const vd::RecordedCall*> calls;
        for (const auto& call : dc.Calls())
            if (call.op.kind == kind)
                calls.push_back(&call);
        return calls;
    }
    bool HasText(const std::string& text) const
    {
        const auto texts = dc.Texts();
        return std::any_of(texts.begin(), texts.end(), [&](const auto& t) { return t.text == text; });
    }
    const vd::RecordedText* TextAt(vd::Point at) const
    {
        texts_ = dc.Texts();
        const auto it = std::find_if(texts_.begin(), texts_.end(), [&](const auto& t) { return t.at == at; });
        return it == texts_.end() ? nullptr : &*it;
    }

    MapFolder folder;
    vd::RecordingDc dc;
    SansonProjection band{0, 0, kRefLatitude, kRefLongitude, kScale};
    // The chart point of every line but the first.
    PixelPoint centre = band.project(350000, 1350000, band.table[35]);
    mutable std::vector<vd::RecordedText> texts_;
};

TEST_F(StatisticsMap, PieFractionsAtTheirThresholds)
{
    // Kind 3 is the value over the maximum: 1, 0.98, 0.05, 0.5 and zeros.
    std::vector<double> values(47, 0);
    values[0] = 100;
    values[1] = 98;
    values[2] = 5;
    values[3] = 50;
    WriteData(values);
    Draw(3, 2, 0);
    // A frame for each of the 47 and one full disc (above 0.98).
    const auto ellipses = Calls(vd::DrawOp::Ellipse);
    EXPECT_EQ(ellipses.size(), 48u);
    const auto pies = Calls(vd::DrawOp::Pie);
    ASSERT_EQ(pies.size(), 2u);
    const int x = centre.x;
    const int y = centre.y;
    EXPECT_EQ(pies[1]->op.rect, (vd::Rect{x - 7, y - 7, x + 8, y + 8}));
    // Half the circle clockwise from 12 o'clock: the arc from the bottom (cos of 6.28318 / 2
    // truncated: 6, not 7, below the centre) back to the top.
    EXPECT_EQ(pies[1]->op.points, (std::vector<vd::Point>{{x, y + 6}, {x, y - 7}}));
    EXPECT_EQ(pies[1]->state.brush.Colour(), vd::RGB(0, 0, 255));
    // The first prefecture's white frame, then its full disc.
    EXPECT_EQ(ellipses[0]->state.brush.Colour(), vd::RGB(255, 255, 255));
    EXPECT_EQ(ellipses[1]->state.brush.Colour(), vd::RGB(0, 0, 255));
    // 0.05 and the zeros draw only the 12 o'clock radius.
    const auto radii = dc.Segments(vd::Pen(vd::PS_SOLID, 1, vd::RGB(0, 0, 255)));
    EXPECT_EQ(radii.size(), 44u);
    EXPECT_EQ(radii[0], (vd::Segment{{x, y}, {x, y - 7}}));
}

TEST_F(StatisticsMap, BarsNumbersAndThePrecisionOfTheLastRanked)
{
    std::vector<double> values(47, 1);
    values[1] = 1000;
    struct Case {
        double last; // the value of the last-ranked line (46)
        std::string maximumLabel;
    };
    for (const Case& c : {Case{0.5, "100.00"}, Case{0.05, "100.000"}, Case{10, "100.0"}}) {
        values[46] = c.last;
        WriteData(values);
        Draw(7);
        EXPECT_TRUE(HasText(c.maximumLabel)) << c.last;
    }
    // Kind 4, large charts: the frame of 45 and the bar of 45 x q.
    values[46] = 250;
    WriteData(values);
    Draw(4, 1);
    const auto bars = Calls(vd::DrawOp::Rectangle);
    const int x = centre.x;
    const int y = centre.y;
    const auto frames = std::count_if(bars.begin(), bars.end(), [&](const auto* c) {
        return c->op.rect == vd::Rect{x, y - 3, x + 45, y + 3};
    });
    EXPECT_EQ(frames, 46 + 1); // 46 frames and the full bar of the maximum
    EXPECT_TRUE(std::any_of(bars.begin(), bars.end(), [&](const auto* c) {
        return c->op.rect == vd::Rect{x, y - 3, x + 11, y + 3} && c->state.brush.Colour() == vd::RGB(255, 0, 0);
    }));
}

TEST_F(StatisticsMap, LegendRowsTotalsAndBoxes)
{
    std::vector<double> values;
    for (int i = 0; i < 47; ++i)
        values.push_back(47 - i);
    WriteData(values);
    struct Case {
        int tenClasses;
        std::vector<int> ranks; // rank positions (from 0) labelled, top row first
    };
    const Case cases[] = {{1, {4, 9, 14, 19, 24, 29, 34, 39, 44, 46}}, {0, {9, 19, 29, 39, 46}}};
    for (const Case& c : cases) {
        Draw(0, 0, 0, 1, c.tenClasses);
        const int classes = static_cast<int>(c.ranks.size());
        for (int row = 0; row < classes; ++row) {
            const auto* text = TextAt({kWidth - 120, kHeight - 239 + 21 * (row - classes)});
            ASSERT_NE(text, nullptr) << row;
            EXPECT_EQ(text->text, vd::format("%.2f～", 47.0 - c.ranks[std::size_t(row)]));
        }
        const auto rectangles = Calls(vd::DrawOp::Rectangle);
        const auto swatch = std::find_if(rectangles.begin(), rectangles.end(), [&](const auto* r) {
            return r->op.rect == vd::Rect{kWidth - 160, kHeight - 239 - 21 * classes, kWidth - 130,
                                          kHeight - 222 - 21 * classes};
        });
        ASSERT_NE(swatch, rectangles.end());
        EXPECT_EQ((*swatch)->state.brush.Colour(), c.tenClasses ? vd::RGB(128, 0, 255) : vd::RGB(0, 255, 255));
    }
    EXPECT_TRUE(HasText("総計=1128.0"));
    EXPECT_TRUE(HasText("平均=24.0"));
    EXPECT_TRUE(HasText("最大=47.0(県0)"));
    EXPECT_TRUE(HasText("最小=1.0(県46)"));

    // The totals box needs a client 800 wide unless the charts are large.
    Draw(0, 0, 0, 1, 1, 1, 799);
    EXPECT_FALSE(HasText("総計=1128.0"));
    Draw(0, 0, 0, 1, 1, 1, 800);
    EXPECT_TRUE(HasText("総計=1128.0"));
    // Without the statistics: only the empty box, unless the units digit is 1 on a narrow client.
    Draw(1, 0, 0, 0, 1, 0, 799);
    EXPECT_FALSE(HasText("総計=1128.0"));
    EXPECT_FALSE(HasText("円グラフ(構成比)"));
    EXPECT_EQ(Calls(vd::DrawOp::Pie).size() + Calls(vd::DrawOp::Ellipse).size() > 0, true);
    const auto emptyBox = [&] {
        const auto r = Calls(vd::DrawOp::Rectangle);
        return std::any_of(r.begin(), r.end(), [](const auto* c) {
            return c->op.rect == vd::Rect{799 - 200, kHeight - 130, 799 - 2, kHeight - 100};
        });
    };
    EXPECT_TRUE(emptyBox());
    Draw(1, 0, 0, 0, 1, 1, 799);
    EXPECT_FALSE(emptyBox());
}

TEST_F(StatisticsMap, TitleNameBoxAndTheCallersState)
{
    WriteData(std::vector<double>(47, 3), "データ名称=人口");
    const vd::Pen callerPen(vd::PS_DOT, 1, vd::RGB(1, 2, 3));
    const vd::Brush callerBrush(vd::RGB(4, 5, 6));
    vd::Font callerFont;
    callerFont.CreatePointFont(90, "caller");
    dc.SelectObject(callerPen);
    dc.SelectObject(callerBrush);
    dc.SelectObject(callerFont);
    dc.SetTextColor(vd::RGB(0, 255, 0));
    Draw(0, 1, 1, 1, 1, 11);
    const auto* title = TextAt({90 + kWidth - 620, kHeight - 23});
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->text, "データ名称：人口");
    EXPECT_EQ(title->font, callerFont);
    EXPECT_EQ(dc.GetCurrentPen(), callerPen);
    EXPECT_EQ(dc.GetCurrentBrush(), callerBrush);
    EXPECT_EQ(dc.GetCurrentFont(), callerFont);
    EXPECT_EQ(dc.GetTextColor(), vd::RGB(0, 0, 0));
    EXPECT_EQ(dc.GetBkMode(), vd::OPAQUE);
    // The value labels: the text as read, transparent for a tens digit, in the colour choice.
    const auto* label = TextAt({centre.x + 4, centre.y - 6});
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text, "3");
    EXPECT_EQ(label->bkMode, vd::TRANSPARENT);
    EXPECT_EQ(label->colour, vd::RGB(255, 0, 0));
    EXPECT_EQ(label->font.GetLogFont().lfFaceName, "ＭＳ 明朝");

    // A name of 55 bytes or more stands alone, and the box is not moved for units digit 0.
    const std::string longName(55, 'N');
    WriteData(std::vector<double>(47, 3), "=" + longName);
    Draw(0, 0, 1, 1, 1, 0);
    ASSERT_NE(TextAt({kWidth - 620, kHeight - 23}), nullptr);
    EXPECT_EQ(TextAt({kWidth - 620, kHeight - 23})->text, longName);
}

TEST_F(StatisticsMap, EachKindLabelLiesInsideItsBox)
{
    WriteData(std::vector<double>(47, 3));
    // The program's own font and the default one; the longest label, kind 11's, is wider than
    // the box's usual 193 pixels in either.
    vd::Font programFont;
    programFont.CreatePointFont(120, "ＭＳ ゴシック");
    for (const vd::Font& font : {vd::Font(), programFont})
        for (int kind = 1; kind <= 11; ++kind) {
            dc.SelectObject(font);
            Draw(kind);
            const auto texts = dc.Texts();
            const auto label = std::find_if(texts.begin(), texts.end(),
                                            [](const auto& t) { return t.at.y == kHeight - 232; });
            ASSERT_NE(label, texts.end()) << kind;
            const vd::Size extent = dc.GetTextExtent(label->text);
            const auto rectangles = Calls(vd::DrawOp::Rectangle);
            const auto box = std::find_if(rectangles.begin(), rectangles.end(), [&](const auto* r) {
                return r->op.rect.top == kHeight - 235 && r->op.rect.bottom == kHeight - 212;
            });
            ASSERT_NE(box, rectangles.end()) << kind;
            const vd::Rect& r = (*box)->op.rect;
            EXPECT_EQ(r.right, kWidth - 2) << kind;
            EXPECT_LE(r.left, std::min(kWidth - 200, label->at.x - 5)) << kind;
            EXPECT_LE(label->at.x + extent.cx, r.right - 4) << label->text;
        }
}

TEST_F(StatisticsMap, InsetMovesChartPointsOnlyWithTheInsetFlagZero)
{
    WriteData(std::vector<double>(47, 3));
    const double lat = (26 + (26.13 - 26) * 1.6666666) * 10000;
    const double lon = (127 + (127.41 - 127) * 1.6666666) * 10000;
    for (int insetFlag : {0, 1}) {
        Draw(0, 0, insetFlag);
        const double shift = insetFlag == 0 ? 1 : 0;
        const PixelPoint p = band.project(float(float(lat) + 45000 * shift), float(float(lon) + 130000 * shift),
                                          band.table[26]);
        ASSERT_NE(TextAt({p.x + 4, p.y - 6}), nullptr) << insetFlag;
    }
}

TEST_F(StatisticsMap, MissingOrZeroDivisorsAndBadRanksSkipRatherThanPrintNaN)
{
    std::vector<double> values(47, 10);
    WriteData(values);
    // The second prefecture's population is 0.
    std::vector<double> population(47, 1000);
    population[1] = 0;
    WriteData(population, "データ名称=人口", "MAPELMNT/県別人口.DAT");
    Draw(8);
    auto texts = dc.Texts();
    const auto numbers = std::count_if(texts.begin(), texts.end(), [](const auto& t) { return t.text == "0.01"; });
    EXPECT_EQ(numbers, 46);
    for (const auto& t : texts)
        EXPECT_TRUE(t.text.find("nan") == std::string::npos && t.text.find("inf") == std::string::npos) << t.text;

    // Area set missing: no pie and no class label; a set of zeros: no pie of kind 1.
    Draw(11);
    EXPECT_TRUE(Calls(vd::DrawOp::Ellipse).empty());
    EXPECT_FALSE(HasText("10.00～"));
    WriteData(std::vector<double>(47, 0));
    Draw(1);
    EXPECT_TRUE(Calls(vd::DrawOp::Ellipse).empty());

    // A rank entry outside the data lines is passed over; the other labels stay.
    WriteData(values);
    std::string ranks = "0|1|2|3|99|";
    for (int i = 5; i < 47; ++i)
        ranks += std::to_string(i) + "|";
    Draw(0, 0, 1, 1, 1, 1, kWidth, ranks);
    EXPECT_EQ(TextAt({kWidth - 120, kHeight - 239 - 210}), nullptr);
    EXPECT_NE(TextAt({kWidth - 120, kHeight - 239 - 189}), nullptr);
}

TEST_F(StatisticsMap, ValuesBeyondDoublesRangePrintNoInfinity)
{
    std::vector<std::string> lines{"データ名称=大", "県0 1e999"};
    for (int i = 1; i < 47; ++i)
        lines.push_back("県" + std::to_string(i) + " 5");
    folder.WriteText("MAPELMNT/TEST.DAT", lines);
    folder.WriteText("MAPELMNT/都道府県.DAT", {"1e999 1e999", "35.00 135.00"});
    for (int kind : {0, 5, 6, 7}) {
        Draw(kind);
        for (const auto& t : dc.Texts())
            EXPECT_TRUE(t.text.find("inf") == std::string::npos && t.text.find("nan") == std::string::npos)
                << kind << " " << t.text;
    }
    EXPECT_FALSE(HasText("総計=inf"));
}

TEST_F(StatisticsMap, BundledPopulationNamesItsExtremes)
{
    const std::filesystem::path bundled = std::filesystem::path(VD_SOURCE_DIR) / "data" / "MAPELMNT" / "県別人口.DAT";
    ASSERT_TRUE(std::filesystem::exists(bundled));
    std::filesystem::copy_file(bundled, std::filesystem::path(std::getenv("VELDORAN_HOME")) / "MAPELMNT" / "TEST.DAT",
                               std::filesystem::copy_options::overwrite_existing);
    Draw(1);
    EXPECT_TRUE(HasText("総計=126146099.0"));
    EXPECT_TRUE(HasText("最大=14047594.0(東京都)"));
    EXPECT_TRUE(HasText("最小=553407.0(鳥取県)"));
}

} // namespace
