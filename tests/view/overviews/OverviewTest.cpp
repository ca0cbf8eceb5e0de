// The overview's frame, registered points by kind and colour with the hit list, the data-source
// list's pages, the bevel box and the point symbols, recorded call by call.
#include "OverviewTestSupport.h"

#include "view/renderer/MapRenderer.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using viewtest::CallsOf;
using vd::Rect;
using vd::RGB;

TEST(OverviewFrame, DragOverviewFrameFixesTheBandFrameAndMarksTheCurrentFile)
{
    auto doc = viewtest::MakeDocumentWithSampleData();
    doc->m_nMapDisplayMode = 6;
    doc->registered.m_strDataFile = viewtest::WriteSourceFile(*doc, "history.dat", {"東京 35.4122 139.4500 memo.txt"});
    doc->registered.m_strDataFileTitle = "共通";
    vd::RecordingDc dc;
    CMapRenderer renderer(&dc, doc.get(), 1024, 768);
    renderer.DrawOverviewFrame(0);

    const auto rectangles = CallsOf(dc, vd::DrawOp::Rectangle);
    ASSERT_GE(rectangles.size(), 4u);
    EXPECT_EQ(rectangles[0].op.rect, (Rect{4, 4, 1020, 764}));
    EXPECT_EQ(rectangles[1].op.rect, (Rect{4, 4, 1019, 763}));
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(rectangles[i].state.pen, renderer.m_aPen[17]);
        EXPECT_EQ(rectangles[i].state.brush, *renderer.m_pBackgroundBrush);
    }
    EXPECT_EQ(doc->m_fRefLatitude, 470000.0f);
    EXPECT_EQ(doc->m_fRefLongitude, 1350000.0f);
    EXPECT_EQ(doc->m_fMapScaleY, 3.1f);
    EXPECT_EQ(doc->m_fMapScale, 1000 / 3.1f);
    // The band outline in black (no borders), then the current file's title box.
    const vd::Pen black(vd::PS_SOLID, 1, RGB(0, 0, 0));
    const vd::Pen orange(vd::PS_SOLID, 1, RGB(255, 128, 0));
    EXPECT_GT(dc.Segments(black).size(), 1000u);
    EXPECT_TRUE(dc.Segments(orange).empty());
    EXPECT_EQ(rectangles[rectangles.size() - 2].op.rect, (Rect{8, 8, 470, 65}));
    const auto texts = dc.Texts();
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts.back().text, "ﾃｷｽﾄ=1 画像=0 ｱﾙﾊﾞﾑ=0");
    EXPECT_EQ(dc.GetCurrentPen(), vd::RecordingDc().GetCurrentPen());
    EXPECT_EQ(dc.GetCurrentBrush(), vd::RecordingDc().GetCurrentBrush());
}

TEST(OverviewFrame, WholeCountryFrameFillsTheWindowAndTakesTheRegionsExtent)
{
    auto doc = viewtest::MakeDocumentWithSampleData();
    doc->m_nMapDisplayMode = 5;
    doc->position.m_nPrefectureSel = 1; // 西南日本
    vd::RecordingDc dc;
    CMapRenderer renderer(&dc, doc.get(), 800, 600);
    renderer.DrawOverviewFrame(1);
    const auto rectangles = CallsOf(dc, vd::DrawOp::Rectangle);
    ASSERT_FALSE(rectangles.empty());
    EXPECT_EQ(rectangles[0].op.rect, (Rect{0, 0, 800, 600}));
    EXPECT_EQ(rectangles[0].state.pen, *renderer.m_pBackgroundShadePen);
    EXPECT_EQ(doc->m_fRefLatitude, 370000.0f);
    EXPECT_EQ(doc->m_fRefLongitude, 1325000.0f);
    EXPECT_EQ(doc->m_strFrameNorth, "37.0000");
    EXPECT_EQ(doc->m_strFrameWest, "120.0000");
    // Borders drawn; the hit list holds the three sample points of the common area.
    EXPECT_FALSE(dc.Segments(vd::Pen(vd::PS_SOLID, 1, RGB(255, 128, 0))).empty());
    EXPECT_EQ(doc->m_astrHitRecord[3], "999");
    EXPECT_EQ(renderer.m_nPointCount, 3);
}

class OverviewPoints : public ::testing::Test {
protected:
    void SetUp() override
    {
        doc = viewtest::MakeDocumentWithSampleData();
        doc->m_fRefLatitude = 470000;
        doc->m_fRefLongitude = 1350000;
        doc->m_fMapScale = 1000 / 3.1f;
        doc->pointer.m_nOverviewOriginX = 420;
        doc->m_strFrameNorth = "36.0000";
        doc->m_strFrameSouth = "30.0000";
        doc->m_strFrameEast = "140.0000";
        doc->m_strFrameWest = "130.0000";
    }
    std::unique_ptr<CVeldoranDoc> doc;
    vd::RecordingDc dc;
};

TEST_F(OverviewPoints, SymbolsByKindAndColourWithTheHitList)
{
    doc->registered.m_strDataFile = viewtest::WriteSourceFile(*doc, "Source1.dat", {
        "; comment",
        "",
        "帳面 35.5959 139.3030 旅.alb",
        "覚書 35.5959 139.3030 メモ",
        "頁 35.5959 139.3030 http://example.jp/",
        "写真 35.5959 139.3030 a.JPG",
        "北端 36.0000 139.0000 x",
        "外れ 36.0001 139.0000 x",
        "空白無し",
    });
    doc->spec.m_nPointPopup = 0;
    CMapRenderer renderer(&dc, doc.get(), 800, 600);
    renderer.DrawOverviewPoints(1, 0, 0);

    // 35°59'59" N 139°30'30" E: y 341, x 420 + 110 (as hundredths of a minute y would be 340).
    const int x = 530, y = 341;
    const auto ellipses = CallsOf(dc, vd::DrawOp::Ellipse);
    const auto squares = CallsOf(dc, vd::DrawOp::Rectangle);
    ASSERT_EQ(ellipses.size(), 4u);
    ASSERT_EQ(squares.size(), 1u);
    EXPECT_EQ(ellipses[0].op.rect, (Rect{x - 2, y - 2, x + 2, y + 2}));
    EXPECT_EQ(ellipses[0].state.pen, renderer.m_aPen[12]); // album: blue
    EXPECT_EQ(ellipses[0].state.brush, renderer.m_aBrush[5]);
    EXPECT_EQ(ellipses[1].state.pen, renderer.m_aPen[2]); // text: red
    EXPECT_EQ(ellipses[1].state.brush, renderer.m_aBrush[2]);
    EXPECT_EQ(squares[0].op.rect, (Rect{x - 2, y - 2, x + 3, y + 3})); // web page: 5 x 5 yellow square
    EXPECT_EQ(squares[0].state.pen, renderer.m_aPen[24]);
    EXPECT_EQ(squares[0].state.brush, renderer.m_aBrush[12]);
    EXPECT_EQ(ellipses[2].state.pen, renderer.m_aPen[5]); // picture: green
    EXPECT_EQ(ellipses[2].state.brush, renderer.m_aBrush[1]);
    // The north edge is inside; a second further north is not.
    EXPECT_EQ(ellipses[3].state.pen, renderer.m_aPen[2]);

    const auto texts = dc.Texts();
    ASSERT_EQ(texts.size(), 5u);
    EXPECT_EQ(texts[0].at, (vd::Point{x + 4, y - 7}));
    EXPECT_EQ(texts[0].text, "帳面/旅.alb");
    EXPECT_EQ(texts[0].font.GetLogFont().lfHeight, 11);

    EXPECT_EQ(doc->m_anKindTally, (std::array<int, 4>{2, 1, 1, 1})); // text, other, album, web
    EXPECT_EQ(renderer.m_nPointCount, 5);
    EXPECT_EQ(doc->m_astrHitRecord[0], "帳面 35.5959 139.3030 旅.alb");
    EXPECT_EQ(doc->m_anHitX[0], x);
    EXPECT_EQ(doc->m_anHitY[0], y);
    EXPECT_EQ(doc->m_astrHitRecord[5], "999");
}

TEST_F(OverviewPoints, SmallDotsKeepTheBrushAndPrefectureMapsUseWholeSeconds)
{
    doc->registered.m_strDataFile = viewtest::WriteSourceFile(*doc, "Source2.dat", {"帳面 35.5959 139.3030 旅.alb"});
    CMapRenderer renderer(&dc, doc.get(), 800, 600);
    renderer.DrawOverviewPoints(0, 0, 0);
    auto ellipses = CallsOf(dc, vd::DrawOp::Ellipse);
    ASSERT_EQ(ellipses.size(), 1u);
    EXPECT_EQ(ellipses[0].op.rect, (Rect{528, 339, 531, 342}));
    EXPECT_EQ(ellipses[0].state.brush, renderer.m_aBrush[3]);
    EXPECT_TRUE(dc.Texts().empty());

    // A prefecture's frame: 1/10000 degree from whole seconds, the caller's ratio in mode 1.
    dc.Clear();
    doc->position.m_nPrefectureSel = 4;
    doc->m_fRefLatitude = 361000;
    doc->m_fRefLongitude = 1395000;
    doc->m_fMapScale = 1000 / 90.0f;
    renderer.DrawOverviewPoints(1, 1, 1.25f);
    ellipses = CallsOf(dc, vd::DrawOp::Ellipse);
    ASSERT_EQ(ellipses.size(), 1u);
    // y = (361000 - 359997.22) / 11.111 = 90.25; x = 83.33 / 11.111 / 1.25 = 6.0 + 420.
    EXPECT_EQ(ellipses[0].op.rect, (Rect{424, 88, 428, 92}));
}

TEST_F(OverviewPoints, MissingFileLeavesAnEmptyHitList)
{
    doc->registered.m_strDataFile = doc->folders.m_strSourceDir + "none.dat";
    CMapRenderer renderer(&dc, doc.get(), 800, 600);
    renderer.DrawOverviewPoints(1, 0, 0);
    EXPECT_TRUE(CallsOf(dc, vd::DrawOp::Ellipse).empty());
    EXPECT_EQ(doc->m_astrHitRecord[0], "999");
    EXPECT_EQ(renderer.m_nPointCount, 0);
}

TEST(DataSourceList, TwentyThreeTitlesPageByTenAndStartAgain)
{
    auto doc = viewtest::MakeDocumentWithSampleData();
    std::string binder = "; 題名\r\n";
    for (int n = 1; n <= 23; ++n)
        binder += (n == 2 ? std::string("とても長い題名の資料です") : "資料" + std::to_string(n)) + "\r\n";
    viewtest::WriteHomeFile("SOURCE/BINDER.DAT", vd::utf8ToCp932(binder));
    doc->m_nMapDisplayMode = 7;

    const auto drawPage = [&](vd::RecordingDc& dc) {
        CMapRenderer renderer(&dc, doc.get(), 800, 600);
        renderer.DrawDataSourceList();
        std::vector<std::string> labels;
        for (const auto& text : dc.Texts())
            labels.push_back(text.text);
        return labels;
    };
    vd::RecordingDc first;
    const auto page1 = drawPage(first);
    ASSERT_EQ(page1.size(), 10u);
    EXPECT_EQ(page1[0], " 1: HD(共通領域)");
    EXPECT_EQ(page1[2], " 3: とても長い題名の"); // 17 bytes, no half character
    EXPECT_EQ(page1[9], "10: 資料9");
    EXPECT_EQ(first.Texts()[9].at, (vd::Point{24, 9 * 19 + 18}));
    EXPECT_EQ(doc->m_nSourcePage, 10);
    // The bevel box and the common area's legend circle (red, source 0).
    const auto fills = CallsOf(first, vd::DrawOp::FillRect);
    ASSERT_FALSE(fills.empty());
    EXPECT_EQ(fills[0].op.rect, (Rect{9, 9, 205, 246}));
    // (The common area's sample points are drawn as well, outside the list.)
    const auto ellipses = CallsOf(first, vd::DrawOp::Ellipse);
    EXPECT_TRUE(std::any_of(ellipses.begin(), ellipses.end(),
                            [](const vd::RecordedCall& c) { return c.op.rect == Rect{14, 23, 21, 30}; }));

    vd::RecordingDc second;
    const auto page2 = drawPage(second);
    ASSERT_EQ(page2.size(), 10u);
    EXPECT_EQ(page2[0], "11: 資料10");
    EXPECT_EQ(second.Texts()[0].at, (vd::Point{24, 18}));
    EXPECT_EQ(doc->m_nSourcePage, 20);

    vd::RecordingDc third;
    const auto page3 = drawPage(third);
    ASSERT_EQ(page3.size(), 4u);
    EXPECT_EQ(page3[3], "24: 資料23");
    EXPECT_EQ(doc->m_nSourcePage, 0);

    vd::RecordingDc fourth;
    EXPECT_EQ(drawPage(fourth).front(), " 1: HD(共通領域)");
}

TEST(DataSourceList, APageLeftFromALongerListStartsAgainAndNoBinderListsTheCommonArea)
{
    auto doc = viewtest::MakeDocumentWithSampleData();
    doc->m_nSourcePage = 40;
    vd::RecordingDc dc;
    CMapRenderer renderer(&dc, doc.get(), 1024, 768);
    renderer.DrawDataSourceList();
    EXPECT_TRUE(dc.Texts().empty());
    EXPECT_EQ(doc->m_nSourcePage, 0);
    renderer.DrawDataSourceList();
    ASSERT_EQ(dc.Texts().size(), 1u);
    EXPECT_EQ(dc.Texts()[0].text, " 1: HD(共通領域)");
    EXPECT_EQ(CallsOf(dc, vd::DrawOp::FillRect)[0].op.rect, (Rect{9, 9, 275, 246}));
    EXPECT_EQ(doc->m_nSourcePage, 0);
}

TEST(BevelBox, WhiteFaceLightAndGreyEdges)
{
    auto doc = viewtest::MakeDocumentWithSampleData();
    vd::RecordingDc dc;
    CMapRenderer renderer(&dc, doc.get(), 800, 600);
    renderer.DrawBevelBox(8, 8, 205, 246);
    EXPECT_EQ(CallsOf(dc, vd::DrawOp::FillRect)[0].op.brush, renderer.m_aBrush[0]);
    const vd::Pen black = vd::RecordingDc().GetCurrentPen();
    EXPECT_EQ(dc.Segments(black), (std::vector<vd::Segment>{{{8, 246}, {8, 8}}, {{8, 8}, {207, 8}},
                                                            {{8, 10}, {205, 10}}, {{7, 246}, {7, 7}}}));
    EXPECT_EQ(dc.Segments(renderer.m_aPen[17]),
              (std::vector<vd::Segment>{{{7, 247}, {206, 247}}, {{206, 247}, {206, 8}},
                                        {{9, 245}, {204, 245}}, {{204, 245}, {204, 8}}}));
    EXPECT_EQ(dc.GetCurrentPen(), black);
}

TEST(PointMark, ShapesAndToolsByMarkStyle)
{
    auto doc = viewtest::MakeDocumentWithSampleData();
    vd::RecordingDc dc;
    CMapRenderer renderer(&dc, doc.get(), 800, 600);
    renderer.m_nMarkStyle = 8;
    renderer.DrawPointMark(50, 60, 3, 4);
    renderer.DrawPointMark(50, 60, 3, 3);
    renderer.DrawPointMark(50, 60, 3, 1);
    renderer.m_nMarkStyle = 10; // web pages: a square one larger, whatever was asked
    renderer.DrawPointMark(50, 60, 3, 4);
    renderer.m_nMarkStyle = 2;
    renderer.DrawPointMark(50, 60, 3, 5);
    renderer.DrawPointMark(50, 60, 3, 9);

    const auto& calls = dc.Calls();
    ASSERT_EQ(calls.size(), 5u);
    EXPECT_EQ(calls[0].op.kind, vd::DrawOp::Ellipse);
    EXPECT_EQ(calls[0].op.rect, (Rect{47, 57, 53, 63}));
    EXPECT_EQ(calls[0].state.pen, renderer.m_aPen[12]);
    EXPECT_EQ(calls[0].state.brush, renderer.m_aBrush[5]);
    EXPECT_EQ(calls[1].op.rect, (Rect{48, 58, 54, 64}));
    EXPECT_EQ(calls[2].op.kind, vd::DrawOp::Polygon);
    EXPECT_EQ(calls[2].op.points, (std::vector<vd::Point>{{47, 63}, {53, 63}, {50, 57}, {47, 63}}));
    EXPECT_EQ(calls[3].op.kind, vd::DrawOp::Rectangle);
    EXPECT_EQ(calls[3].op.rect, (Rect{47, 57, 54, 64}));
    EXPECT_EQ(calls[3].state.pen, renderer.m_aPen[24]);
    EXPECT_EQ(calls[3].state.brush, renderer.m_aBrush[12]);
    EXPECT_EQ(calls[4].op.rect, (Rect{48, 58, 54, 64})); // shape 5: white pen and brush
    EXPECT_EQ(calls[4].state.pen, renderer.m_aPen[15]);
    EXPECT_EQ(calls[4].state.brush, renderer.m_aBrush[0]);
}

TEST(PointMark, APlaceWithoutElevationShowsNoMetres)
{
    auto doc = viewtest::MakeDocumentWithSampleData();
    vd::RecordingDc dc;
    CMapRenderer renderer(&dc, doc.get(), 800, 600);
    doc->m_strEntryTitle = "京都市";
    for (const int label : {2, 3}) {
        renderer.m_settings.pointLabel = label;
        renderer.DrawElevationLabel(-999, "", 100, 200, 5, 4, 2, 1, 3);
    }
    for (const auto& text : dc.Texts())
        EXPECT_EQ(text.text.find('m'), std::string::npos) << text.text;
}

TEST(PointMark, ElevationLabelTextsAndColours)
{
    auto doc = viewtest::MakeDocumentWithSampleData();
    vd::RecordingDc dc;
    CMapRenderer renderer(&dc, doc.get(), 800, 600);
    renderer.m_nMarkStyle = 6;
    doc->m_strEntryTitle = "富士山";
    renderer.m_settings.pointLabel = 3;
    renderer.DrawElevationLabel(3776, "", 100, 200, 5, 4, 2, 1, 3);
    renderer.m_settings.pointLabel = 2;
    renderer.DrawElevationLabel(3776, "", 100, 200, 5, 4, 2, 1, 3);
    renderer.m_settings.pointLabel = 3;
    doc->m_strEntryTitle = "　";
    renderer.DrawElevationLabel(-999, "", 100, 200, 5, 4, 2, 1, 3);
    const auto texts = dc.Texts();
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[0].text, "富士山");
    EXPECT_EQ(texts[0].at, (vd::Point{107, 193}));
    EXPECT_EQ(texts[1].text, "(3776m)");
    EXPECT_EQ(texts[1].at, (vd::Point{107, 205}));
    EXPECT_EQ(texts[2].text, "3776m");
    EXPECT_EQ(texts[2].at, (vd::Point{107, 195}));
    EXPECT_EQ(texts[3].text, ""); // a blank name is not written; no elevation below -899
    // Mark style 6 is kind 4 (a filled circle in green), text black.
    const auto ellipses = CallsOf(dc, vd::DrawOp::Ellipse);
    ASSERT_EQ(ellipses.size(), 3u);
    EXPECT_EQ(ellipses[0].op.rect, (Rect{97, 197, 103, 203}));
    EXPECT_EQ(ellipses[0].state.brush, renderer.m_aBrush[1]);
    EXPECT_EQ(texts[0].colour, RGB(0, 0, 0));
}

} // namespace

namespace {

TEST(OverviewPointsBounds, PointsPastTheFiveThousandthAreDrawnButNotRemembered)
{
    auto doc = viewtest::MakeDocumentWithSampleData();
    std::string lines;
    for (int i = 0; i < 5002; ++i)
        lines += "p" + std::to_string(i) + " 35.0000 135.0000 x\r\n";
    viewtest::WriteHomeFile("SOURCE/many.dat", lines);
    doc->registered.m_strDataFile = doc->folders.m_strSourceDir + "many.dat";
    doc->m_fRefLatitude = 470000;
    doc->m_fRefLongitude = 1350000;
    doc->m_fMapScale = 1000 / 3.1f;
    doc->m_strFrameNorth = "48.0000";
    doc->m_strFrameSouth = "23.0000";
    doc->m_strFrameEast = "155.0000";
    doc->m_strFrameWest = "110.0000";
    vd::RecordingDc dc;
    CMapRenderer renderer(&dc, doc.get(), 800, 600);
    renderer.DrawOverviewPoints(0, 0, 0);
    EXPECT_EQ(CallsOf(dc, vd::DrawOp::Ellipse).size(), 5002u);
    EXPECT_EQ(renderer.m_nPointCount, 4999);
    EXPECT_EQ(doc->m_astrHitRecord[4998], "p4998 35.0000 135.0000 x");
    EXPECT_EQ(doc->m_astrHitRecord[4999], "999");
}

TEST(JapanOverview, ReliefSheetsReplaceTheCoastAndTheNameIsWritten)
{
    auto doc = viewtest::MakeDocumentWithSampleData();
    doc->position.m_nPrefecture = 13; // 神奈川県: 16 sheets from 5037 to 5340
    doc->position.m_nPrefectureSel = 4;
    doc->position.m_nMapFigure = 1;
    doc->spec.m_nLinkPoint = 0;
    doc->m_nSiteNameDisplay = 0;
    doc->spec.m_nScaleBar = 0;
    vd::RecordingDc dc;
    CMapRenderer renderer(&dc, doc.get(), 1024, 768);
    renderer.DrawJapanOverview();

    const auto fills = CallsOf(dc, vd::DrawOp::FillRect);
    ASSERT_GE(fills.size(), 2u);
    EXPECT_EQ(fills[0].op.rect, (Rect{0, 0, 1024, 768})); // the first sheet clears the window
    // No sheet picture has been made: the sheets in the window are filled pale grey and framed.
    EXPECT_EQ(fills[0].op.brush, *renderer.m_pBackgroundBrush);
    for (std::size_t i = 1; i < fills.size(); ++i)
        EXPECT_EQ(fills[i].op.brush, renderer.m_aBrush[4]);
    EXPECT_FALSE(dc.Segments(renderer.m_aPen[17]).empty());
    // The prefecture's name in blue at its table point; no coast drawn sheet by sheet.
    const auto texts = dc.Texts();
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts.back().text, "神奈川県");
    EXPECT_EQ(texts.back().colour, RGB(0, 0, 255));
    EXPECT_EQ(doc->m_nClipIndexMap, 0);
}

} // namespace

namespace {

TEST(RegionPoints, SiteNamesInTheFrameWithSymbolAndElevation)
{
    auto doc = viewtest::MakeDocumentWithSampleData();
    doc->environment.m_strSiteNameFile = viewtest::WriteSourceFile(*doc, "sites.dat", {
        "丹沢山 35.2829 139.0950 1567",
        "富士山 35.2145 138.4339 3776", // west of the frame
    });
    doc->position.m_nPrefectureSel = 4;
    doc->spec.m_nPointLabel = 3;
    doc->pointer.m_nOverviewOriginX = 420;
    vd::RecordingDc dc;
    CMapRenderer renderer(&dc, doc.get(), 800, 600);
    renderer.SetPrefectureExtent(13);
    renderer.DrawRegionPoints(doc->position.m_nMapPjctn, 1.2f);

    const auto texts = dc.Texts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, "丹沢山");
    EXPECT_EQ(texts[1].text, "(1567m)");
    EXPECT_EQ(texts[0].font.GetLogFont().lfHeight, 12);
    // The symbol: kind of the name (a mountain) at the projected point, size 3.
    ASSERT_FALSE(dc.Calls().empty());
    EXPECT_EQ(texts[0].at.x, doc->m_nPointX + 5);
    EXPECT_EQ(texts[1].at.y, doc->m_nPointY + 5);
    EXPECT_EQ(doc->m_astrPointRecord[0], "999");
    EXPECT_EQ(doc->m_nPointDisplayFlag, 14);
}

} // namespace
