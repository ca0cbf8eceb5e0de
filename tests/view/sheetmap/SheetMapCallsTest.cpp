// The sheet map's geometry and calls on a recording device context with a Dovanne that logs its
// calls: block heights, the frame in arc-seconds, the side panel, the white-layer order and the
// exact arguments handed to Dovanne.
#include "ViewTestSupport.h"

#include "platform/dc/RecordingDc.h"
#include "platform/sys/LibraryLoader.h"
#include "platform/ui/UiScript.h"
#include "view/renderer/MapRenderer.h"
#include "view/sheetmap/PrefectureExtents.h"
#include "view/sheetmap/SheetBlockGeometry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

TEST(SheetBlockHeight, FollowsClientSizeFullScreenHeightAndRatio)
{
    struct Case {
        int width, height, fullScreen;
        float ratio;
        int expected;
    };
    for (const Case& c : std::initializer_list<Case>{
             {800, 600, 740, 1.25f, 534}, // 535 x 800 x 0.00125f is 534.99998
             {700, 600, 740, 1.25f, 528},
             {800, 600, 700, 1.25f, 519},
             {1280, 1000, 1000, 1.25f, 889},
             {1024, 768, 1000, 1.25f, 703},
             {1024, 768, 1000, 1.2f, 694}, // trunc(703 x 1.2 x 0.82304525)
             {800, 600, 740, 1.2f, 527},   // base trunc(535 x 1.2 x 0.82304525) = 528; 528 x 800 x 0.00125f
         }) {
        EXPECT_EQ(SheetBlockHeight(c.width, c.height, c.fullScreen, c.ratio), c.expected)
            << c.width << "x" << c.height << " full " << c.fullScreen << " ratio " << c.ratio;
    }
}

class SheetMapCalls : public ::testing::Test {
protected:
    void SetUp() override
    {
        script = vd::ui::Script::install();
        script->setFullScreenSize({1280, 740});
        doctest::InstallFakeEditor();
        ASSERT_TRUE(vd::LibraryLoader::setOverride("Dovanne.dll", VD_FAKE_DOVANNE_SHEETS));
        ASSERT_TRUE(vd::LibraryLoader::setOverride("TOVENDLG.DLL", VD_BIN_DIR "/libtovendlg.so"));
        ASSERT_TRUE(vd::LibraryLoader::setOverride("Pelmora.DLL", VD_BIN_DIR "/libpelmora.so"));
        doc = std::make_unique<CVeldoranDoc>();
        viewtest::ShowKyotoOsakaSheet(*doc);
        doc->spec.m_nLake = 1;
        doc->spec.m_nPrefBorder = 1;
        doc->folders.m_strCoastDir = "Z:\\coast\\";
        Log().clear();
    }

    static std::string& Log()
    {
        using LogFn = std::string*();
        return *vd::entryPoint<LogFn>("Dovanne.dll", "FakeDovanneLog")();
    }

    // The logged calls, one per entry, without the ratio queries.
    static std::vector<std::string> DrawingCalls()
    {
        std::vector<std::string> calls;
        std::string log = Log();
        for (std::size_t at = 0, end; (end = log.find(");", at)) != std::string::npos; at = end + 2) {
            std::string call = log.substr(at, end + 1 - at);
            if (call.rfind("OnUnitLength", 0) != 0)
                calls.push_back(call);
        }
        return calls;
    }

    void Draw(int width, int height, int frame, int mode, vd::RecordingDc& dc)
    {
        doc->position.m_nMapFrame = frame;
        doc->position.m_nMapMode = mode;
        CMapRenderer renderer(&dc, doc.get(), width, height);
        renderer.DrawSheetMap(0, 0);
    }

    std::shared_ptr<vd::ui::Script> script;
    std::unique_ptr<CVeldoranDoc> doc;
};

TEST_F(SheetMapCalls, BlockHeightsThroughTheDrawing)
{
    struct Case {
        int width, height, fullScreen, expected;
    };
    for (const Case& c : std::initializer_list<Case>{
             {800, 600, 740, 534}, {700, 600, 740, 528}, {800, 600, 700, 519}, {1280, 1000, 1000, 889}}) {
        script->setFullScreenSize({1280, c.fullScreen});
        vd::RecordingDc dc;
        Draw(c.width, c.height, 2, 9, dc);
        EXPECT_EQ(doc->m_nMapPixelHeight, c.expected) << c.width << "x" << c.height;
        const float scaleY = c.expected * 0.003125f / 3;
        EXPECT_EQ(doc->m_nPanelTop, 30 + int(3.0 * double(scaleY) * 320.0) + 15);
    }
}

TEST_F(SheetMapCalls, FrameInArcSecondsByMapFrame)
{
    const int south = 34 * 3600 + 40 * 60;
    const int west = 135 * 3600;
    struct Case {
        int frame, mode, north, east, south, west;
    };
    for (const Case& c : std::initializer_list<Case>{
             {1, 9, south + 2400, west + 3600, south, west},
             {2, 9, south + 2 * 2400, west + 2 * 3600, south - 2400, west - 3600},
             {2, 25, south + 3 * 2400, west + 3 * 3600, south - 2 * 2400, west - 2 * 3600},
             {2, 49, south + 4 * 2400, west + 4 * 3600, south - 3 * 2400, west - 3 * 3600},
             {3, 9, 35 * 3600, 135 * 3600 + 30 * 60, 34 * 3600 + 50 * 60, 135 * 3600}}) {
        doc->m_strFrameNorth = "35.0000";
        doc->m_strFrameEast = "135.3000";
        doc->m_strFrameSouth = "34.5000";
        doc->m_strFrameWest = "135.0000";
        doc->position.m_nRangeNorthSec = 35 * 3600;
        doc->position.m_nRangeSouthSec = 34 * 3600 + 50 * 60;
        doc->position.m_nRangeWestSec = west;
        doc->position.m_nRangeEastSec = west + 1800;
        vd::RecordingDc dc;
        Draw(1024, 768, c.frame, c.mode, dc);
        EXPECT_EQ(doc->m_nFrameNorthSec, c.north) << c.frame << "/" << c.mode;
        EXPECT_EQ(doc->m_nFrameEastSec, c.east) << c.frame << "/" << c.mode;
        EXPECT_EQ(doc->m_nFrameSouthSec, c.south) << c.frame << "/" << c.mode;
        EXPECT_EQ(doc->m_nFrameWestSec, c.west) << c.frame << "/" << c.mode;
    }
}

TEST_F(SheetMapCalls, SidePanelAt847And45ForAWindow1024Wide)
{
    vd::RecordingDc dc;
    Draw(1024, 768, 2, 9, dc);
    const auto segments = dc.Segments();
    auto has = [&](vd::Point from, vd::Point to) {
        return std::find(segments.begin(), segments.end(), vd::Segment{from, to}) != segments.end();
    };
    for (int y : {40, 65, 90, 115})
        EXPECT_TRUE(has({847, y}, {847 + 174, y})) << y;
    for (int x : {847, 905, 963, 1021})
        EXPECT_TRUE(has({x, 40}, {x, 115})) << x;
    // The block frame marked in blue around the panel.
    const auto blue = dc.Segments(vd::Pen(vd::PS_SOLID, 1, vd::RGB(0, 0, 255)));
    EXPECT_NE(std::find(blue.begin(), blue.end(), vd::Segment{{845, 38}, {1023, 38}}), blue.end());
}

TEST_F(SheetMapCalls, DovanneCallsOfABlockAndOfOneSheet)
{
    // 1024 x 768: block height 703, scale y 703 x 0.003125 / 3 per unit, x by the aspect 1.5 / 1.25.
    const float scaleY = 703 * 0.003125f / 3;
    const float scaleX = scaleY * (1.5f / 1.25f);
    const int right = 10 + int(3 * double(scaleX) * 320.0);
    const int bottom = 30 + int(3 * double(scaleY) * 320.0);
    auto f = [](float v) {
        char text[32];
        std::snprintf(text, sizeof text, "%.9g", v);
        return std::string(text);
    };
    const int south = 34 * 3600 + 40 * 60;
    const int west = 135 * 3600;
    vd::RecordingDc dc;
    Draw(1024, 768, 2, 9, dc);
    const std::string lakeTail = "," + f(10) + "," + f(30) + "," + f(scaleX * 0.08888889f) + "," +
                                 f(scaleY * 0.13333334f) + "," + std::to_string(west + 7200) + "," +
                                 std::to_string(south + 4800) + "," + std::to_string(west - 3600) + "," +
                                 std::to_string(south - 2400);
    EXPECT_EQ(DrawingCalls(),
              (std::vector<std::string>{
                  "OnWholeCoastLine(2,9," + std::to_string(west) + "," + std::to_string(south) + ",10,30,0,0," +
                      f(scaleX) + "," + f(scaleY) + ",1010,Z:\\coast\\)",
                  "OnWholePrfctrLine(2,9," + std::to_string(west) + "," + std::to_string(south) + ",10,30,0,0,0," +
                      f(scaleX) + "," + f(scaleY) + ",ORNG,Z:\\coast\\)",
                  "OnLakeDraw(Z:\\coast\\,1" + lakeTail + ",0," + std::to_string(doc->colours.m_crLakeColour) + ")",
                  "OnScaleX(3," + f(scaleX) + "," + std::to_string(right) + "," + std::to_string(bottom) +
                      ",34.4000,25.5,0)",
                  // The point overlay's pass of the last cell draws the outline and the bar again.
                  "OnScaleX(3," + f(scaleX) + "," + std::to_string(right) + "," + std::to_string(bottom) +
                      ",34.4000,25.5,0)",
              }));

    // One sheet in the far west: the Far East coast and the 20 km bar; borders "RED" become white
    // over a background picture.
    Log().clear();
    doc->m_astrMapEntry[2] = "24.0000";
    doc->m_astrMapEntry[3] = "123.0000";
    doc->spec.m_nLake = 0;
    vd::RecordingDc sheet;
    Draw(1024, 768, 1, 9, sheet);
    const float oneY = 703 * 0.003125f;
    const float oneX = oneY * (1.5f / 1.25f);
    EXPECT_EQ(DrawingCalls(),
              (std::vector<std::string>{
                  "OnWholeCoastLine(1,9,442800,86400,10,30,0,0," + f(oneX) + "," + f(oneY) + ",1010,Z:\\coast\\)",
                  "OnWholePrfctrLine(1,9,442800,86400,10,30,0,0,0," + f(oneX) + "," + f(oneY) + ",ORNG,Z:\\coast\\)",
                  "OnForeEastCoast(" + f(10) + "," + f(30) + "," + f(oneX * 0.08888889f) + "," +
                      f(oneY * 0.13333334f) + ",442800,86400,446400,88800,Z:\\coast\\)",
                  "OnScaleX(1," + f(oneX) + "," + std::to_string(10 + int(320.0 * double(oneX))) + "," +
                      std::to_string(30 + int(320.0 * double(oneY))) + ",24.0000,25.5,0)",
                  "OnScaleX(1," + f(oneX) + "," + std::to_string(10 + int(320.0 * double(oneX))) + "," +
                      std::to_string(30 + int(320.0 * double(oneY))) + ",24.0000,25.5,0)",
              }));
    // Without linked points there is no overlay pass.
    Log().clear();
    doc->spec.m_nLinkPoint = 0;
    vd::RecordingDc unlinked;
    Draw(1024, 768, 1, 9, unlinked);
    EXPECT_EQ(DrawingCalls().size(), 4u);
}

TEST_F(SheetMapCalls, TheBlockGridIsGreyAndTheScaleBarGetsTheCallersPen)
{
    using PensFn = std::vector<vd::Pen>*();
    std::vector<vd::Pen>& pens = *vd::entryPoint<PensFn>("Dovanne.dll", "FakeDovanneScaleBarPens")();
    pens.clear();
    doc->spec.m_nMapBoundary = 1;
    doc->spec.m_nScaleBar = 1;
    doc->position.m_nMapFigure = 0;
    vd::RecordingDc dc;
    const vd::Pen callers(vd::PS_SOLID, 3, vd::RGB(10, 20, 30));
    dc.SelectObject(callers);
    Draw(1024, 768, 2, 9, dc);
    // The sheet boundaries of the 3 x 3 block: two vertical and two horizontal grey lines a pass.
    const float scaleY = 703 * 0.003125f / 3;
    const float scaleX = scaleY * (1.5f / 1.25f);
    const int bottom = 30 + int(3 * double(scaleY) * 320.0);
    const auto grey = dc.Segments(vd::Pen(vd::PS_SOLID, 1, vd::RGB(150, 150, 150)));
    for (int j : {1, 2}) {
        const int x = 10 + int(j * double(scaleX) * 320.0);
        EXPECT_NE(std::find(grey.begin(), grey.end(), vd::Segment{{x, 30}, {x, bottom}}), grey.end()) << j;
    }
    // After the boundaries the pen the block found is selected again for the 50 km bar.
    ASSERT_EQ(pens.size(), 2u);
    for (const vd::Pen& pen : pens)
        EXPECT_EQ(pen, callers);
}

TEST_F(SheetMapCalls, TheOverlayPassOfAFreeExtentDrawsItsEdgesOnTheRangeBlock)
{
    doc->position.m_nMapFrame = 3;
    doc->position.m_nRangeNorthSec = 35 * 3600 + 20 * 60;
    doc->position.m_nRangeSouthSec = 34 * 3600 + 40 * 60;
    doc->position.m_nRangeWestSec = 135 * 3600;
    doc->position.m_nRangeEastSec = 136 * 3600;
    doc->position.m_nRangeDragLeft = 100;
    doc->position.m_nRangeDragTop = 100;
    doc->position.m_nRangeDragRight = 400;
    doc->position.m_nRangeDragBottom = 300;
    vd::RecordingDc full;
    {
        CMapRenderer renderer(&full, doc.get(), 1024, 768);
        renderer.DrawSheetMap(0, 0);
    }
    // The transparent second pass draws over the first: its double edge lies on the same block.
    vd::RecordingDc overlay;
    {
        CMapRenderer renderer(&overlay, doc.get(), 1024, 768);
        renderer.DrawSheetMap(1, 0);
    }
    const int right = 10 + doc->m_nMapPixelWidth;
    const int bottom = 30 + doc->m_nMapPixelHeight;
    const std::vector<vd::Segment> edges = {
        {{10, bottom}, {right + 1, bottom}}, {{right - 1, 30}, {right - 1, bottom + 1}},
        {{10, bottom + 1}, {right + 1, bottom + 1}}, {{right, 30}, {right, bottom + 1}}};
    for (const vd::RecordingDc* dc : {&full, &overlay}) {
        const auto segments = dc->Segments();
        for (const vd::Segment& edge : edges)
            EXPECT_NE(std::find(segments.begin(), segments.end(), edge), segments.end())
                << (dc == &full ? "full " : "overlay ") << edge.from.x << "," << edge.from.y;
        for (const vd::Segment& segment : segments)
            EXPECT_TRUE(segment.from.x >= 10 && segment.from.y >= 30 && segment.to.x >= 10 && segment.to.y >= 30)
                << (dc == &full ? "full " : "overlay ") << segment.from.x << "," << segment.from.y << " "
                << segment.to.x << "," << segment.to.y;
    }
}

TEST(PrefectureExtents, RowsAndScales)
{
    auto hokkaido = PrefectureExtentRow(0);
    ASSERT_TRUE(hokkaido);
    EXPECT_STREQ(hokkaido->name, "北海道");
    EXPECT_EQ(1000.0f / hokkaido->zoom, 1000.0f / 15);
    EXPECT_STREQ(PrefectureExtentRow(39)->north, "34.15000");
    EXPECT_STREQ(PrefectureExtentRow(46)->name, "沖縄県");
    EXPECT_FALSE(PrefectureExtentRow(47));
    EXPECT_FALSE(PrefectureExtentRow(104));
    EXPECT_FALSE(PrefectureExtentRow(-1));
}

TEST_F(SheetMapCalls, SetPrefectureExtentByProjection)
{
    vd::RecordingDc dc;
    CMapRenderer renderer(&dc, doc.get(), 1024, 768);
    doc->m_nClipIndexMap = 0;
    renderer.SetPrefectureExtent(0);
    EXPECT_EQ(doc->m_fMapScale, 1000.0f / 15);
    EXPECT_EQ(doc->m_fRefLatitude, 460000);
    EXPECT_EQ(doc->m_strFrameName, "北海道");
    EXPECT_EQ(doc->m_strFrameWest, "139.0000");
    doc->m_nClipIndexMap = 1;
    renderer.SetPrefectureExtent(0);
    EXPECT_EQ(doc->m_fMapScale, 15);
    renderer.SetPrefectureExtent(100);
    EXPECT_EQ(doc->m_fRefLatitude, 380000);
    EXPECT_EQ(doc->m_fMapScale, 1725.0001f);
    EXPECT_EQ(doc->m_strFrameName, "");
    renderer.SetPrefectureExtent(39);
    EXPECT_EQ(doc->m_strFrameNorth, "34.15000");
    renderer.SetPrefectureExtent(47); // outside the table: nothing changes
    EXPECT_EQ(doc->m_strFrameNorth, "34.15000");
}

} // namespace
