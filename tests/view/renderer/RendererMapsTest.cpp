// The renderer's tracks, album locator map and prefecture statistics map, drawn through a Dovanne
// and a Surrick that log their calls.
#include "ViewTestSupport.h"

#include "platform/dc/RecordingDc.h"
#include "platform/fs/PathResolver.h"
#include "platform/sys/LibraryLoader.h"
#include "platform/sys/ProfileStore.h"
#include "platform/text/StringOps.h"
#include "platform/ui/UiScript.h"
#include "tests/support/FakeLog.h"
#include "view/renderer/MapRenderer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> CallsNamed(const std::string& log, const std::string& name)
{
    std::vector<std::string> calls;
    for (std::size_t at = 0, end; (end = log.find(");", at)) != std::string::npos; at = end + 2)
        if (log.compare(at, name.size(), name) == 0)
            calls.push_back(log.substr(at, end + 2 - at));
    return calls;
}

std::string WindowsHome() { return vd::toWindowsPath(doctest::Home().string()).value_or(""); }

class RendererMaps : public ::testing::Test {
protected:
    void SetUp() override
    {
        script = vd::ui::Script::install();
        doctest::InstallFakeEditor();
        ASSERT_TRUE(vd::LibraryLoader::setOverride("Dovanne.dll", VD_FAKE_DOVANNE_SHEETS));
        ASSERT_TRUE(vd::LibraryLoader::setOverride("Surrick.DLL", VD_FAKE_SURRICK_PREFMAP));
        ASSERT_TRUE(vd::LibraryLoader::setOverride("TOVENDLG.DLL", VD_BIN_DIR "/libtovendlg.so"));
        ASSERT_TRUE(vd::LibraryLoader::setOverride("Pelmora.DLL", VD_BIN_DIR "/libpelmora.so"));
        doc = std::make_unique<CVeldoranDoc>();
        viewtest::ShowKyotoOsakaSheet(*doc);
        doc->position.m_nMapFrame = 1;
        doc->m_strFrameSouth = "34.4000";
        doc->m_fWhiteZoomX = 3;
        doc->m_fWhiteZoomY = 2;
        doc->folders.m_strCoastDir = "Z:\\coast\\";
        DovanneLog().clear();
        SurrickLogForClearing().clear();
    }
    static std::string& DovanneLog()
    {
        using LogFn = std::string*();
        return *vd::entryPoint<LogFn>("Dovanne.dll", "FakeDovanneLog")();
    }
    static const std::string& SurrickLog()
    {
        using LogFn = const std::string*();
        return *vd::entryPoint<LogFn>("Surrick.DLL", "FakeSurrickLog")();
    }
    static std::string& SurrickLogForClearing() { return const_cast<std::string&>(SurrickLog()); }
    std::string TrackCall(const std::string& file, int format, int position, int col1, int col2,
                          const std::string& kind, const std::string& title, int list) const
    {
        return "OnTrackDrawModule(" + file + ",1," + std::to_string(format) + "," + std::to_string(position) + "," +
               std::to_string(col1) + "," + std::to_string(col2) + ",486000,127200,489600,124800,0,10,1," +
               std::to_string(list) + "," + kind + "," + title + "," + F(3 * 0.08888889f) + "," + F(2 * 0.13333334f) +
               ",25.5,1.25,10,10,30);";
    }

    std::shared_ptr<vd::ui::Script> script;
    std::unique_ptr<CVeldoranDoc> doc;
};

TEST_F(RendererMaps, TheSingleTrackTakesTitleEntryZeroAndItsWords)
{
    doc->tracks.m_strTrackFile = "Z:\\t\\day.rot";
    doc->m_strTrackKind = "rot";
    doc->m_strTrackFormat = "MapFan(ROT)";
    vd::RecordingDc dc;
    {
        CMapRenderer renderer(&dc, doc.get(), 800, 600);
        renderer.DrawTracks();
        doc->tracks.m_astrTrackHistory[0] = "散歩";
        doc->m_strTrackFormat = "log";
        renderer.DrawTracks();
        doc->tracks.m_strTrackFile.clear();
        doc->tracks.m_bTrackList = 1;
        renderer.DrawTracks();
    }
    EXPECT_EQ(CallsNamed(DovanneLog(), "OnTrackDrawModule"),
              (std::vector<std::string>{TrackCall("Z:\\t\\day.rot", 4, -1, 0, 0, "rot", "ﾄﾗｯｸ0", 0),
                                        TrackCall("Z:\\t\\day.rot", 5, -1, 0, 0, "rot", "散歩", 0)}));
    EXPECT_EQ(CallsNamed(DovanneLog(), "OnUnitLength").front(), "OnUnitLength(ew,34.4000);");
}

TEST_F(RendererMaps, ChosenTracksTakeTheirKindFromTheFileNameAndTrkHeaderColumns)
{
    doctest::WriteBytes(doctest::Home() / "gpslog" / "day1.trk",
                        "H  SOFTWARE NAME\r\nU  LAT LON DM\r\nH  LATITUDE    LONGITUDE\r\n"
                        "T  N3541.37 E13946.18 10-JAN-26\r\n");
    const std::string first = WindowsHome() + "\\gpslog\\Day1.TRK";
    const std::string second = WindowsHome() + "\\tracks\\Walk.LOG";
    vd::ProfileStore profile;
    ASSERT_TRUE(profile.writeString("TrackList", "Track1", first));
    ASSERT_TRUE(profile.writeString("TrackList", "Track3", second));
    doc->tracks.m_strTrackFile = "Z:\\t\\current.pot";
    doc->m_strTrackKind = "pot";
    doc->tracks.m_bTrackList = 1;
    doc->tracks.m_anTrackSelected[0] = 0;
    doc->tracks.m_anTrackSelected[1] = 2;
    doc->tracks.m_astrTrackHistory[0] = "朝";
    vd::RecordingDc dc;
    {
        CMapRenderer renderer(&dc, doc.get(), 800, 600);
        renderer.DrawTracks();
    }
    // The folder "gpslog" does not make the first file a "log" track.
    EXPECT_EQ(CallsNamed(DovanneLog(), "OnTrackDrawModule"),
              (std::vector<std::string>{TrackCall(vd::toLowerAscii(first), 2, 0, 13, 17, "trk", "朝", 1),
                                        TrackCall(vd::toLowerAscii(second), 2, 1, 0, 0, "log", "ﾄﾗｯｸ2", 1)}));
    EXPECT_EQ(doc->m_strTrackFormat, "DMM");
}

TEST_F(RendererMaps, TrackHeaderUnitLineHeaderTextAndPointColumns)
{
    CVeldoranDoc& doc = *this->doc;
    struct Case {
        std::string text, header, format;
        int pointX;
    };
    const Case cases[] = {
        {"H  FIRST\r\nH  SECOND\r\nU  LAT LON DMS\r\nT  N354122.0 E1394611.0\r\n", " FIRST", "DMS", 14},
        {"H  FIRST\r\nU  LAT LON DM\r\nH  DATUM TOKYO\r\nH  ONE\r\nH  TWO\r\nH  LATITUDE\r\nT  N1 E2\r\nH  LATE\r\n",
         " TWO", "DMM", 7},
        {"U  LAT LON DEG\nT  N35.6894 E139.6917\n", "", "DEG", 13},
    };
    for (const Case& c : cases) {
        doctest::WriteBytes(doctest::Home() / "h.trk", c.text);
        doc.m_strTrackFormat = "x";
        EXPECT_EQ(doc.ReadTrackHeader(WindowsHome() + "\\h.trk"), c.header);
        EXPECT_EQ(doc.m_strTrackFormat, c.format);
        EXPECT_EQ(doc.m_nPointX, c.pointX);
        EXPECT_EQ(doc.m_nPointY, c.pointX + 4);
    }
    doc.m_strTrackFormat = "DMS";
    EXPECT_EQ(doc.ReadTrackHeader(WindowsHome() + "\\none.trk"), "");
    EXPECT_EQ(doc.m_strTrackFormat, "DMS");
}

TEST_F(RendererMaps, LocatorMapGridPointsMarkFrameCoastAndRoute)
{
    doc->position.m_nMapFrame = 2;
    doc->position.m_nMapMode = 9;
    doc->m_nMapPixelWidth = 900;
    doc->m_nMapPixelHeight = 600;
    doc->m_astrHitRecord[0] = "寺 35.0 135.5 tera.jpg";
    doc->m_astrHitRecord[1] = "Castle 34.4 135.3 castle.alb";
    doc->m_astrHitRecord[2] = "Castle2 34.4 135.3 page.htm";
    doc->m_astrHitRecord[3] = "999";
    doc->m_anHitX[0] = 110, doc->m_anHitY[0] = 130;
    doc->m_anHitX[1] = 210, doc->m_anHitY[1] = 330;
    doc->m_anHitX[2] = 310, doc->m_anHitY[2] = 430;
    doc->m_astrBlockMeshCode[4] = "5235";
    doc->routes.m_aptRoutePoint[0] = {10, 30};
    doc->routes.m_aptRoutePoint[1] = {110, 230};
    vd::RecordingDc dc;
    CMapRenderer renderer(&dc, doc.get(), 800, 600);
    renderer.DrawAreaData(10, 100, 50, -1, 2, "castle");

    std::vector<std::pair<vd::Rect, vd::Pen>> circles;
    for (const auto& call : dc.Calls())
        if (call.op.kind == vd::DrawOp::Ellipse)
            circles.push_back({call.op.rect, call.state.pen});
    const auto& pen = renderer.m_aPen;
    EXPECT_EQ(circles, (std::vector<std::pair<vd::Rect, vd::Pen>>{{{147, 197, 152, 202}, pen[5]},
                                                                  {{247, 397, 252, 402}, pen[12]},
                                                                  {{347, 497, 352, 502}, pen[24]},
                                                                  {{247, 397, 252, 402}, pen[2]}}));
    const std::vector<vd::Segment> grey = dc.Segments(pen[17]);
    ASSERT_GE(grey.size(), 4u);
    EXPECT_EQ(grey[0], (vd::Segment{{350, 100}, {350, 700}}));
    EXPECT_EQ(grey[1], (vd::Segment{{50, 300}, {950, 300}}));
    EXPECT_EQ(grey[3], (vd::Segment{{50, 500}, {950, 500}}));
    // Frame: right = 900 + 50 + 1, bottom = 600 + 100 + 1.
    const std::vector<vd::Segment> black = dc.Segments(pen[0]);
    EXPECT_EQ(black.front(), (vd::Segment{{46, 704}, {46, 96}}));
    // The web page was the last kind: the lower edge is grey.
    EXPECT_EQ(grey[4], (vd::Segment{{47, 704}, {955, 704}}));
    EXPECT_EQ(dc.Segments(pen[11]), (std::vector<vd::Segment>{{{50, 100}, {150, 300}}}));
    // Pixels per 1/320 of a sheet.
    EXPECT_EQ(CallsNamed(DovanneLog(), "OnWhole"),
              (std::vector<std::string>{"OnWholeCoastLine(2,9,486000,124800,50,100,0,0,0.9375,0.625,10,Z:\\coast\\);",
                                        "OnWholePrfctrLine(2,9,486000,124800,50,100,0,0,0,0.9375,0.625,ORNG,"
                                        "Z:\\coast\\);"}));
    EXPECT_EQ(dc.GetCurrentPen(), vd::StockPen(vd::BLACK_PEN));

    DovanneLog().clear();
    doc->m_astrBlockMeshCode[4] = "523";
    doc->routes.m_strEntryMode = "AreaData";
    dc.Clear();
    renderer.DrawAreaData(10, 100, 50, -1, 2, "castle");
    EXPECT_TRUE(CallsNamed(DovanneLog(), "OnWhole").empty());
    EXPECT_TRUE(dc.Segments(pen[11]).empty());
}

TEST_F(RendererMaps, PrefectureMapOfJapanInBothProjections)
{
    doc->position.m_nPrefectureSel = 0;
    doc->statistics = {.m_nShow = 0,
                       .m_nGraticuleKept = 0,
                       .m_nRanked = 1,
                       .m_nColour = 3,
                       .m_nBorders = 1,
                       .m_nBorderColour = 2,
                       .m_nMethod = 6,
                       .m_nGraticule = 1,
                       .m_nCatalogueIndex = 0,
                       .m_nChoropleth = 1,
                       .m_nTenClasses = 4,
                       .m_nBackground = 2,
                       .m_strPrefDataName = "",
                       .m_strPrefDataFile = "pop.csv"};
    for (int i = 0; i < 47; ++i)
        doc->ranking.m_anPrefRank[std::size_t(i)] = {46 - i, i + 1};
    doc->folders.m_strAppDir = "Z:\\app\\";
    std::string byRank, byPrefecture;
    for (int i = 0; i < 47; ++i) {
        byPrefecture += std::to_string(i + 1) + "|";
        byRank += std::to_string(46 - i) + "|";
    }
    for (int clip : {0, 2}) {
        doc->m_nClipIndexMap = clip;
        SurrickLogForClearing().clear();
        vd::RecordingDc dc;
        {
            CMapRenderer renderer(&dc, doc.get(), 800, 600);
            renderer.DrawPrefectureMap(400, 7);
            EXPECT_EQ(dc.Calls().front().op.kind, vd::DrawOp::Rectangle);
            EXPECT_EQ(dc.Calls().front().state.pen, *renderer.m_pBackgroundShadePen);
        }
        const std::string where = clip == 0 ? F(455000.f) + "," + F(1375000.f) + "," + F(222.22223f)
                                            : F(370000.f) + "," + F(1375000.f) + "," + F(2324.7693f);
        const std::string c = std::to_string(clip);
        EXPECT_EQ(SurrickLog(), "OnPrefectureMap(" + byPrefecture + ",Z:\\coast\\,400," + c + ",0,4," + where + ");" +
                                    "OnJapanDataIsland(Z:\\app\\,Z:\\coast\\,1,400," + c + ",0," + where + ");" +
                                    "OnPrectureLine(Z:\\coast\\,400," + c + ",2,0," + where + ");" +
                                    "OnPrefectureDataDisp(Z:\\app\\,pop.csv," + byRank + ",3,6,0," + c + ",1,4,21," +
                                    where + ",7,800,600);");
        EXPECT_EQ(doc->m_nPrefMapState, 0);
    }
}

} // namespace
