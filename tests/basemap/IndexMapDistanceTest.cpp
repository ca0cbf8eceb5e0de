#include "contracts/dovanne.h"
#include "platform/dc/RecordingDc.h"
#include "tests/basemap/BaseMapFixtures.h"

#include <QApplication>
#include <QCursor>
#include <gtest/gtest.h>

#include <bit>
#include <cmath>

namespace {

using basemap_test::FixtureFolder;
using vd::Point;

class IndexMap : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder.WriteText("BlcMap20.idx", {"; 1:200,000 sheets",
                                          "5339     東京         35.2000   139.0000 tokyo",
                                          "",
                                          "5039     八丈島       33.2000   139.0000 hachijojima",
                                          "6441     留萌Ｂ       42.4000   141.0000",
                                          "3622     那覇         24.0000   123.0000"});
        path = folder.Windows() + "BlcMap20.idx";
    }
    FixtureFolder folder;
    std::string path;
    vd::RecordingDc dc;
};

TEST_F(IndexMap, DrawsTheGridAndEachSheetNameInItsCell)
{
    OnIndexMap(&dc, path, "ＭＳ 明朝", 800, 12, 2, 20, 30, 10);
    const auto segments = dc.Segments();
    ASSERT_EQ(segments.size(), 34u + 27u);
    EXPECT_EQ(segments[0], (vd::Segment{{2, 30}, {522, 30}}));
    EXPECT_EQ(segments[33], (vd::Segment{{2, 360}, {522, 360}}));
    EXPECT_EQ(segments[34], (vd::Segment{{2, 30}, {2, 360}}));
    EXPECT_EQ(segments.back(), (vd::Segment{{522, 30}, {522, 360}}));
    const auto texts = dc.Texts();
    ASSERT_EQ(texts.size(), 3u);
    // 35 degrees 20 minutes: row 32 - 680 / 40 = 15; 139 degrees: column 16.
    EXPECT_EQ(texts[0].text, "東京");
    EXPECT_EQ(texts[0].at, (Point{16 * 20 + 2 + 2, 15 * 10 + 30 + 5}));
    EXPECT_EQ(texts[1].text, "八丈島");
    EXPECT_EQ(texts[1].at, (Point{16 * 20 + 4, 18 * 10 + 35}));
    EXPECT_EQ(texts[2].text, "那覇");
    EXPECT_EQ(texts[2].at, (Point{4, 32 * 10 + 35}));
    const vd::LogFont& lf = texts[0].font.GetLogFont();
    EXPECT_EQ(lf.lfHeight, 12);
    EXPECT_EQ(lf.lfFaceName, "ＭＳ 明朝");
    EXPECT_EQ(lf.lfCharSet, 128);
    EXPECT_EQ(lf.lfOutPrecision, 4);
    EXPECT_EQ(lf.lfQuality, 2);
    EXPECT_EQ(lf.lfPitchAndFamily, 0x12);
    EXPECT_EQ(texts[0].bkMode, vd::TRANSPARENT);
    EXPECT_EQ(dc.GetBkMode(), vd::OPAQUE);
    EXPECT_EQ(dc.GetCurrentFont(), vd::StockFont(vd::SYSTEM_FONT));
}

TEST_F(IndexMap, MarkedSheetsWithTheMarkAndTheSmallFont)
{
    OnIndexMap(&dc, path + "|B", "ＭＳ 明朝", 0, 11, 0, 10, 0, 10);
    const auto texts = dc.Texts();
    ASSERT_EQ(texts.size(), 4u);
    // At most four bytes, one pixel from the cell's top.
    EXPECT_EQ(texts[1].text, "八丈");
    EXPECT_EQ(texts[1].at, (Point{16 * 10 + 2, 18 * 10 + 1}));
    EXPECT_EQ(texts[2].text, "留萌");
    // 42 degrees 40 minutes: row 32 - 1120 / 40 = 4.
    EXPECT_EQ(texts[2].at, (Point{18 * 10 + 2, 4 * 10 + 1}));
}

// Notes, at each name written, whether the application shows the wait cursor.
class CursorNotingDc : public vd::RecordingDc {
public:
    std::vector<bool> waitAtText;

protected:
    bool execute(const vd::DrawOp& op) override
    {
        if (op.kind == vd::DrawOp::TextOut) {
            const QCursor* cursor = QApplication::overrideCursor();
            waitAtText.push_back(cursor != nullptr && cursor->shape() == Qt::WaitCursor);
        }
        return RecordingDc::execute(op);
    }
};

TEST_F(IndexMap, ShowsTheWaitCursorWhileWritingTheNamesAndPutsItBack)
{
    CursorNotingDc noting;
    OnIndexMap(&noting, path, "ＭＳ 明朝", 0, 12, 0, 10, 0, 10);
    EXPECT_EQ(noting.waitAtText, (std::vector<bool>{true, true, true}));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(IndexMap, AMissingIndexDrawsTheGridOnly)
{
    OnIndexMap(&dc, folder.Windows() + "none.idx", "ＭＳ 明朝", 0, 12, 0, 10, 0, 10);
    EXPECT_EQ(dc.Segments().size(), 61u);
    EXPECT_TRUE(dc.Texts().empty());
}

TEST(Distance, WritesTheTruncatedDistanceInABoxPlacedByTheLayout)
{
    const struct {
        int width, mode1, mode2;
        vd::Rect box;
    } cases[] = {
        {900, 0, 0, {155, 376, 460, 398}},
        {600, 2, 2, {10, 358, 315, 380}},
        {600, 2, 1, {10, 527, 315, 549}},
        {500, 0, 0, {10, 527, 270, 549}},
    };
    for (const auto& c : cases) {
        vd::RecordingDc dc;
        OnDistance(&dc, "東京", "大阪", 35, 0, 135, 0, 36, 0, 135, 0, c.width, c.mode1, c.mode2, 400, 500);
        ASSERT_EQ(dc.Calls().size(), 2u);
        EXPECT_EQ(dc.Calls()[0].op.kind, vd::DrawOp::Rectangle);
        EXPECT_EQ(dc.Calls()[0].op.rect, c.box) << c.width;
        const auto texts = dc.Texts();
        ASSERT_EQ(texts.size(), 1u);
        EXPECT_EQ(texts[0].text, "東京から大阪までの距離 111km");
        EXPECT_EQ(texts[0].at, (Point{c.box.left + 5, c.box.top + 3}));
    }
    vd::RecordingDc same;
    OnDistance(&same, "A", "A", 35, 41, 139, 46, 35, 41, 139, 46, 900, 0, 0, 400, 500);
    EXPECT_EQ(same.Texts().at(0).text, "AからAまでの距離 0km");
    OnDistance(nullptr, "A", "B", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
}

TEST(UnitLength, RowsOfTheTableByTheWholeDegreeOfTheText)
{
    EXPECT_EQ(OnUnitLength("ew", "33."), 25.9592f);
    EXPECT_EQ(OnUnitLength("ns", "24.5"), 30.7662f);
    EXPECT_EQ(OnUnitLength("ew", "12."), 28.8807f);
    EXPECT_EQ(OnUnitLength("ew", "35.4012"), 25.3578f);
    EXPECT_EQ(OnUnitLength("", "35."), static_cast<float>(30.8168f / 25.3578f));
    EXPECT_EQ(OnUnitLength("ns", "35"), 30.8168f); // no point: the whole text is the degree
    EXPECT_EQ(OnUnitLength("ns", "abc"), 30.7547f);
    EXPECT_EQ(OnUnitLength("ew", "89.0000"), 19.9155f);
    const struct { int degree; float ew, ns; } rows[] = {
        {21, 28.8807f, 30.7547f}, {24, 28.2644f, 30.7662f}, {32, 26.2481f, 30.8019f}, {33, 25.9592f, 30.8068f},
        {34, 25.6624f, 30.8118f}, {35, 25.3578f, 30.8168f}, {45, 21.9019f, 30.8699f}, {46, 21.5176f, 30.8754f},
        {50, 19.9155f, 30.8970f},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(OnUnitLength("ew", std::to_string(r.degree) + "."), r.ew) << r.degree;
        EXPECT_EQ(OnUnitLength("ns", std::to_string(r.degree) + "."), r.ns) << r.degree;
    }
    for (int d = 21; d < 50; ++d) {
        EXPECT_GT(OnUnitLength("ew", std::to_string(d) + "."), OnUnitLength("ew", std::to_string(d + 1) + "."));
        EXPECT_LT(OnUnitLength("ns", std::to_string(d) + "."), OnUnitLength("ns", std::to_string(d + 1) + "."));
    }
}

} // namespace
