// The view's route and area maps: the index of the registered maps over the overview (map mode 1),
// the sheet block around a loaded route (mode 3, through the document's loading), a route drawn by
// dragging over registered points, and the area search of a double click.
#include "PointerTestSupport.h"

#include "app/routes/RouteFileLines.h"
#include "basemap/projection/LatitudeRatioTable.h"
#include "contracts/bindings/DovanneExports.h"
#include "dialogs/albums/AlbumFilesDialog.h"
#include "dialogs/points/PointEntryDisplay.h"
#include "dialogs/routemaps/RouteMapSelectDialog.h"
#include "platform/dc/RecordingDc.h"
#include "platform/sys/ApplicationFolder.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/TemplateRegistry.h"
#include "view/pages/ViewPages.h"
#include "view/routes/RouteAreaMaps.h"

#include <cmath>
#include <filesystem>

namespace viewtest {
namespace {

using vd::DrawOp;

std::vector<vd::RecordedCall> CallsOf(const vd::RecordingDc& dc, DrawOp::Kind kind)
{
    std::vector<vd::RecordedCall> out;
    for (const vd::RecordedCall& call : dc.Calls())
        if (call.op.kind == kind)
            out.push_back(call);
    return out;
}

std::string RouteDir() { return vd::applicationFolder() + "ROUTAREA\\"; }

TEST(RouteAreaMapTexts, IndexDegreesAndTheRouteMeshCode)
{
    EXPECT_DOUBLE_EQ(IndexMapDegrees("35.3000"), 35.5);
    EXPECT_NEAR(IndexMapDegrees("35.3030"), 35.505, 1e-12);
    EXPECT_DOUBLE_EQ(IndexMapDegrees("135.0000"), 135.0);
    struct Case {
        const char* latitude;
        const char* longitude;
        int code;
    };
    for (const Case& c : {Case{"35.0000", "135.3000", 5235}, Case{"34.4000", "135.0000", 5235},
                          Case{"34.3959", "139.4500", 5139}, Case{"35", "135.0000", 0}, Case{"35.0000", "13", 0}})
        EXPECT_EQ(RouteMeshCode(c.latitude, c.longitude), c.code) << c.latitude << " " << c.longitude;
}

class RouteIndex : public PointerView {
protected:
    void SetUp() override
    {
        PointerView::SetUp();
        maps = std::make_unique<RouteAreaMaps>(*view);
    }
    // The index map's pixel of a D.MMSS point, as the overview under it was drawn.
    vd::Point Expected(const char* latitude, const char* longitude) const
    {
        const double lat = IndexMapDegrees(latitude), lon = IndexMapDegrees(longitude);
        const double k = LatitudeRatioAt(doc->latitudeRatios.m_afLatitudeRatio, int(lat));
        return {int((lon * 10000 - doc->m_fRefLongitude) / doc->m_fMapScale / k) + doc->pointer.m_nOverviewOriginX,
                int((doc->m_fRefLatitude - lat * 10000) / doc->m_fMapScale)};
    }
    vd::RecordingDc::Options Picture() const { return {kWidth, kHeight, true}; }
    std::unique_ptr<RouteAreaMaps> maps;
};

TEST_F(RouteIndex, RoutesAndAreasAreDrawnOnTheOverviewAndListedAsShownItems)
{
    WriteHomeFile("ROUTAREA/RoutMstr.dat",
                  Cp932Lines({"京都@" + RouteDir() + "R1", "名前だけ", "消えた@" + RouteDir() + "GONE",
                              "一点@" + RouteDir() + "R2"}));
    WriteHomeFile("ROUTAREA/R1", Cp932Lines({"金閣 35.0200 135.4400 寺 c:\\a.txt", "", "銀閣 35.0100 135.4800 寺 c:\\b.txt",
                                             "東寺 34.5800 135.4500 寺 c:\\c.txt"}));
    WriteHomeFile("ROUTAREA/R2", Cp932Lines({"札幌 43.0300 141.2100 市 c:\\d.txt"}));
    WriteHomeFile("ROUTAREA/AreaMstr.dat", Cp932Lines({"嵐山@" + RouteDir() + "A1"}));
    WriteHomeFile("ROUTAREA/A1", Cp932Lines({"渡月橋 35.0045 135.4038 橋 c:\\e.txt", "天龍寺 35.0057 135.4027 寺 c:\\f.txt"}));
    doc->m_nMapDisplayMode = 1;
    doc->position.m_nMapType = 2;
    doc->position.m_nPrefectureSel = 0;
    doc->spec.m_nPointerCoords = 1;

    vd::RecordingDc dc(Picture());
    maps->DrawRouteAreaMaster(dc);

    const vd::Point kinkaku = Expected("35.0200", "135.4400"), ginkaku = Expected("35.0100", "135.4800"),
                    toji = Expected("34.5800", "135.4500"), sapporo = Expected("43.0300", "141.2100"),
                    togetsu = Expected("35.0045", "135.4038");
    EXPECT_EQ(doc->m_astrHitRecord[0], "京都 35.0200 135.4400 ルート " + RouteDir() + "R1");
    EXPECT_EQ(doc->m_astrHitRecord[1], "一点 43.0300 141.2100 ルート " + RouteDir() + "R2");
    EXPECT_EQ(doc->m_astrHitRecord[2], "嵐山 35.0045 135.4038 エリア " + RouteDir() + "A1");
    EXPECT_EQ(doc->m_astrHitRecord[3], "999");
    EXPECT_EQ(doc->m_anHitX[0], kinkaku.x);
    EXPECT_EQ(doc->m_anHitY[2], togetsu.y);

    const vd::Pen red(vd::PS_SOLID, 1, vd::RGB(255, 0, 0)), blue(vd::PS_SOLID, 1, vd::RGB(0, 0, 255));
    const vd::Pen area(vd::PS_SOLID, 2, vd::RGB(255, 0, 0));
    // Route 0 is red; the fourth master line (route 3) would be cyan but its number is 3.
    EXPECT_EQ(dc.Segments(red), (std::vector<vd::Segment>{{kinkaku, ginkaku}, {ginkaku, toji}}));
    std::vector<vd::Rect> squares;
    for (const vd::RecordedCall& call : CallsOf(dc, DrawOp::Rectangle))
        if (call.state.pen == red || call.state.pen == area || call.state.pen == vd::Pen(vd::PS_SOLID, 1, vd::RGB(0, 255, 255)))
            squares.push_back(call.op.rect);
    const vd::Rect kinkakuBox{kinkaku.x - 2, kinkaku.y - 2, kinkaku.x + 2, kinkaku.y + 2};
    const vd::Rect sapporoBox{sapporo.x - 2, sapporo.y - 2, sapporo.x + 2, sapporo.y + 2};
    const vd::Rect areaBox{togetsu.x - 2, togetsu.y - 2, togetsu.x + 3, togetsu.y + 3};
    EXPECT_EQ(squares, (std::vector<vd::Rect>{kinkakuBox, sapporoBox, areaBox, kinkakuBox, sapporoBox}));
    for (const vd::RecordedCall& call : CallsOf(dc, DrawOp::Rectangle))
        if (call.op.rect == sapporoBox)
            EXPECT_EQ(call.state.brush, vd::Brush(vd::RGB(0, 255, 255)));
    const auto circles = CallsOf(dc, DrawOp::Ellipse);
    ASSERT_EQ(circles.size(), 2u);
    EXPECT_EQ(circles[1].op.rect, (vd::Rect{toji.x - 2, toji.y - 2, toji.x + 2, toji.y + 2}));
    EXPECT_EQ(circles[1].state.brush, vd::Brush(vd::RGB(255, 0, 0)));
    (void)blue;

    EXPECT_EQ(doc->m_strFrameNorth, "48.000");
    EXPECT_EQ(doc->m_strFrameEast, "155.0000");
    EXPECT_EQ(doc->m_strFrameSouth, "27.0000");
    EXPECT_EQ(doc->m_strFrameWest, "120.0000");
    EXPECT_EQ(doc->m_nMapDisplayMode, 0);
    EXPECT_EQ(doc->repaint.m_nSavedMapDisplayMode, 1);
    EXPECT_EQ(doc->repaint.m_bMapOnScreen, 1);
    ASSERT_NE(nav->NumberedButton(1), nullptr);
    EXPECT_EQ(nav->NumberedButton(1)->GetWindowText(), "ルート");
    EXPECT_EQ(nav->NumberedButton(2)->GetWindowText(), "エリア");
}

TEST_F(RouteIndex, WithoutMasterListsTheIndexIsEmpty)
{
    std::filesystem::remove(vd::applicationFolderPath() / "ROUTAREA" / "RoutMstr.dat");
    std::filesystem::remove(vd::applicationFolderPath() / "ROUTAREA" / "AreaMstr.dat");
    vd::RecordingDc dc(Picture());
    doc->position.m_nMapType = 2;
    maps->DrawRouteAreaMaster(dc);
    EXPECT_EQ(doc->m_astrHitRecord[0], "999");
}

TEST_F(RouteIndex, LinesWithoutCoordinatesAreSkippedAndFarLatitudesUseTheEdgeRatio)
{
    WriteHomeFile("ROUTAREA/RoutMstr.dat", Cp932Lines({"遠い@" + RouteDir() + "R9"}));
    WriteHomeFile("ROUTAREA/AreaMstr.dat", Cp932Lines({"空@" + RouteDir() + "A9"}));
    WriteHomeFile("ROUTAREA/R9", Cp932Lines({"名前だけ", "赤道 0.0000 135.0000 点 c:\\a.txt"}));
    WriteHomeFile("ROUTAREA/A9", Cp932Lines({"名前だけ"}));
    doc->position.m_nMapType = 2;
    vd::RecordingDc dc(Picture());
    maps->DrawRouteAreaMaster(dc);
    EXPECT_EQ(doc->m_astrHitRecord[0], "遠い 0.0000 135.0000 ルート " + RouteDir() + "R9");
    EXPECT_EQ(doc->m_astrHitRecord[1], "999");
    const float k = LatitudeRatioAt(doc->latitudeRatios.m_afLatitudeRatio, 15);
    EXPECT_EQ(doc->m_anHitX[0],
              int((1350000 - doc->m_fRefLongitude) / doc->m_fMapScale / k) + doc->pointer.m_nOverviewOriginX);
}

TEST_F(RouteIndex, ARouteItemOfTheIndexLoadsItsRouteIntoTheBlockAroundItsFirstPoint)
{
    std::string route;
    for (int i = 0; i < 101; ++i)
        route += "点" + std::to_string(i) + " 35.2000 139.3000 寺 c:\\a.txt\r\n";
    WriteHomeFile("ROUTAREA/R1", vd::utf8ToCp932(route));
    doc->m_fWhiteZoomX = doc->m_fWhiteZoomY = 1.5f;
    doc->position.m_nMapFrame = 1;
    doc->repaint.m_fnUpdateAllViews = [] {};
    doc->LoadRouteFromItem("東京 35.2000 139.3000 ルート " + RouteDir() + "R1");
    ASSERT_EQ(doc->m_nMapDisplayMode, 3);
    maps->ShowRouteAreaSheets();
    EXPECT_EQ(doc->m_nMapDisplayMode, 13);
    EXPECT_EQ(doc->m_strMapName, "東京");
    EXPECT_EQ(doc->m_astrBlockMeshCode[4], "5339");
    EXPECT_EQ(doc->m_astrBlockMeshCode[0], "5438");
    EXPECT_EQ(doc->m_astrBlockMeshCode[8], "5240");
    // Every one of the 101 points is placed: the south-west corner of the centre sheet of a 3 x 3
    // block at 0.5.
    EXPECT_EQ(view->m_nRoutePointCount, 100);
    EXPECT_EQ(doc->m_astrHitRecord[101], "999");
    EXPECT_EQ(doc->entry.m_nAlbumPageCount, 101);
    EXPECT_EQ(view->m_pPages->AlbumPage(100), "点100 35.2000 139.3000 寺 c:\\a.txt");
    EXPECT_EQ(view->m_pPages->AlbumPage(101), "999");
    const int x = view->m_nMapOriginX + int(float(3600 + 1800) * 0.5f * 0.08888889f);
    const int y = view->m_nMapOriginY + int(0.5f * 960.0f - float(2400) * 0.5f * 0.13333334f);
    EXPECT_EQ(doc->routes.m_aptRoutePoint[100].x, x);
    EXPECT_EQ(doc->routes.m_aptRoutePoint[100].y, y);
    EXPECT_EQ(doc->m_anHitX[0], x);
}

// Three registered points on the block and an album.
void PlacePoints(CVeldoranDoc& doc)
{
    const char* records[] = {"甲 35.2000 139.3000 寺 c:\\a.txt", "乙 35.2000 139.3000 寺 c:\\b.txt",
                             "丙 35.2000 139.3000 寺 c:\\c.jpg", "アルバム 35.2000 139.3000 旅 c:\\g.alb",
                             "ウェブ 35.2000 139.3000 旅 http://x.htm"};
    const int xs[] = {100, 140, 300, 105, 102}, ys[] = {100, 100, 300, 100, 101};
    for (int i = 0; i < 5; ++i) {
        doc.m_astrHitRecord[std::size_t(i)] = records[i];
        doc.m_anHitX[std::size_t(i)] = std::int16_t(xs[i]);
        doc.m_anHitY[std::size_t(i)] = std::int16_t(ys[i]);
    }
    doc.m_astrHitRecord[5] = "999";
}

TEST_F(RouteIndex, DraggingCatchesPointsOnceEachAndJoinsThemInNotXor)
{
    PlacePoints(*doc);
    view->m_nRoutePointCount = 0;
    vd::RecordingDc dc(Picture());
    maps->HoverRoutePoint(dc, 101, 101); // 甲 and the web item; the album is never caught
    EXPECT_EQ(view->m_nRoutePointCount, 2);
    EXPECT_EQ(doc->routes.m_astrRoutePoint[0], "甲 35.2000 139.3000 寺 c:\\a.txt");
    EXPECT_EQ(view->m_strMouseButtonState, "RouteLineData");
    maps->HoverRoutePoint(dc, 103, 102); // within 4 pixels of the last catch: nothing
    maps->HoverRoutePoint(dc, 110, 100); // 甲 again: not added twice
    EXPECT_EQ(view->m_nRoutePointCount, 2);
    maps->HoverRoutePoint(dc, 138, 101);
    EXPECT_EQ(view->m_nRoutePointCount, 3);
    EXPECT_EQ(doc->routes.m_astrRoutePoint[2], "乙 35.2000 139.3000 寺 c:\\b.txt");
    const vd::Pen drawing(vd::PS_SOLID, 2, vd::RGB(0, 128, 0));
    const auto lines = CallsOf(dc, DrawOp::LineTo);
    ASSERT_EQ(lines.size(), 2u);
    for (const auto& line : lines) {
        EXPECT_EQ(line.state.pen, drawing);
        EXPECT_EQ(line.state.rop2, vd::R2_NOTXORPEN);
    }
    EXPECT_EQ(dc.Segments(drawing), (std::vector<vd::Segment>{{{100, 100}, {102, 101}}, {{102, 101}, {140, 100}}}));
    EXPECT_EQ(maps->m_nRouteDrawn, 2);
}

TEST_F(RouteIndex, ARouteHoldsAtMostOneHundredPoints)
{
    for (int i = 0; i < 120; ++i) {
        doc->m_astrHitRecord[std::size_t(i)] = "点 35.2000 139.3000 寺 c:\\a.txt";
        doc->m_anHitX[std::size_t(i)] = std::int16_t(10 + 20 * (i % 30));
        doc->m_anHitY[std::size_t(i)] = std::int16_t(50 + 20 * (i / 30));
    }
    doc->m_astrHitRecord[120] = "999";
    view->m_nRoutePointCount = 0;
    vd::RecordingDc dc(Picture());
    for (int row = 0; row < 4; ++row)
        for (int i = 0; i < 30; ++i)
            maps->HoverRoutePoint(dc, 10 + 20 * i, 50 + 20 * row);
    EXPECT_EQ(view->m_nRoutePointCount, 100);
}

double FakeUnitLength(std::string kind, std::string latitude)
{
    EXPECT_EQ(kind, "ew");
    // The current sheet's south latitude (its index column, blanks after it) or a whole degree.
    return latitude == "35" || latitude.substr(0, 7) == "35.2000" ? 25.3 : 0.0;
}

TEST_F(RouteIndex, TheSearchRadiusOnASheetBlockAndOnTheRegionalMap)
{
    Dovanne().OnUnitLength.fn = &FakeUnitLength;
    doc->environment.m_nAreaSizeKm = 50;
    // A sheet block: the south latitude text of the current sheet (東京: 35.2000).
    doc->position.m_nMapType = 1;
    doc->m_fWhiteZoomX = 0.5f;
    EXPECT_EQ(maps->SearchRadius(100), int(50.0f * 0.5f * (0.5f * 320.0f) / (25.3f * 3.6f)));
    // The regional map: the latitude under the pointer.
    doc->position.m_nMapType = 2;
    doc->position.m_nMapFrame = 2;
    doc->m_fRefLatitude = 470000;
    doc->m_fMapScale = 1000 / 3.1f;
    const int y = 370;
    const float latitude = 470000.0f - float(y) * doc->m_fMapScale;
    ASSERT_EQ(int(latitude / 10000), 35);
    const float k = 1.408f - (450000.0f - latitude) * 1.5549999e-6f;
    EXPECT_EQ(maps->SearchRadius(y), int(50.0f * 0.5f * 1000.0f / 25.3f * 2.7777777f / doc->m_fMapScale / k));
    // One prefecture: the ratio table.
    doc->position.m_nPrefectureSel = 4;
    doc->position.m_nPrefecture = 26;
    const float ratio = LatitudeRatioAt(doc->latitudeRatios.m_afLatitudeRatio, 35);
    EXPECT_EQ(maps->SearchRadius(y), int(50.0f * 0.5f * 1000.0f / 25.3f * 2.7777777f / doc->m_fMapScale / ratio));
    // No length (or none at all) ends the search instead of dividing by zero.
    EXPECT_EQ(maps->SearchRadius(500), 0);
    Dovanne().OnUnitLength.fn = nullptr;
    EXPECT_EQ(maps->SearchRadius(y), 0);
}

TEST_F(RouteIndex, TheFigureIsDrawnAndErasedInNotXorAndCollectsWhatLiesInside)
{
    Dovanne().OnUnitLength.fn = &FakeUnitLength;
    doc->position.m_nMapType = 1;
    doc->m_fWhiteZoomX = 0.5f;
    doc->environment.m_nAreaSizeKm = 50;
    PlacePoints(*doc);
    for (int shape : {0, 1}) {
        SCOPED_TRACE(shape);
        doc->environment.m_nAreaShape = shape;
        vd::RecordingDc dc(Picture());
        const int r = maps->DrawSearchArea(dc, 120, 120, 0);
        ASSERT_EQ(r, 43);
        EXPECT_EQ(maps->m_strSearchState, "circle");
        maps->DrawSearchArea(dc, 0, 0, -1);
        EXPECT_EQ(maps->m_strSearchState, "");
        if (shape == 0) {
            const auto circles = CallsOf(dc, DrawOp::Ellipse);
            ASSERT_EQ(circles.size(), 2u);
            EXPECT_EQ(circles[0].op.rect, (vd::Rect{77, 77, 163, 163}));
            EXPECT_EQ(circles[1].op.rect, circles[0].op.rect);
            EXPECT_EQ(circles[0].state.rop2, vd::R2_NOTXORPEN);
        } else {
            const auto lines = CallsOf(dc, DrawOp::LineTo);
            ASSERT_EQ(lines.size(), 8u);
            EXPECT_EQ(lines[0].op.points.front(), (vd::Point{77, 77}));
            EXPECT_EQ(lines[0].state.rop2, vd::R2_NOTXORPEN);
        }
        // 甲 and 乙 lie 20 px off in x and y; the album and the web page are never taken.
        const int found = maps->CollectItemsInArea(120, 120, r, shape);
        EXPECT_EQ(found, 2);
        EXPECT_EQ(doc->routes.m_astrRoutePoint[found], "999");
        EXPECT_EQ(view->m_nRoutePointCount, found - 1);
    }
    // 28 px away: inside a square of half-side 25, outside a circle of radius 25.
    EXPECT_EQ(maps->CollectItemsInArea(120, 120, 25, 1), 2);
    EXPECT_EQ(maps->CollectItemsInArea(120, 120, 25, 0), 0);
    EXPECT_EQ(maps->CollectItemsInArea(600, 600, 10, 1), 0);
    EXPECT_EQ(doc->routes.m_astrRoutePoint[0], "999");
    EXPECT_EQ(view->m_nRoutePointCount, 0);
}

TEST_F(RouteIndex, AnAreaSearchTakesAtMostFiftyItems)
{
    for (int i = 0; i < 80; ++i) {
        doc->m_astrHitRecord[std::size_t(i)] = "点 35.2000 139.3000 寺 c:\\a.txt";
        doc->m_anHitX[std::size_t(i)] = std::int16_t(100 + i % 9);
        doc->m_anHitY[std::size_t(i)] = std::int16_t(100 + i / 9);
    }
    doc->m_astrHitRecord[80] = "999";
    EXPECT_EQ(maps->CollectItemsInArea(104, 104, 30, 1), 50);
    EXPECT_EQ(doc->routes.m_astrRoutePoint[50], "999");
}

TEST_F(RouteIndex, TheIndexCommandsRepaintDrawsTheIndexAndADoubleClickOnARouteLoadsIt)
{
    WriteHomeFile("ROUTAREA/RoutMstr.dat", Cp932Lines({"東京@" + RouteDir() + "R1"}));
    WriteHomeFile("ROUTAREA/R1", Cp932Lines({"皇居 35.4100 139.4500 城 c:\\a.txt"}));
    int loaded = 0;
    doc->repaint.m_fnUpdateAllViews = [&] { ++loaded; };
    doc->OnRouteAreaIndexMap();
    Repaint();
    EXPECT_EQ(doc->m_astrHitRecord[0], "東京 35.4100 139.4500 ルート " + RouteDir() + "R1");
    EXPECT_EQ(doc->repaint.m_nSavedMapDisplayMode, 1);
    loaded = 0;
    view->OnLButtonDblClk(0, {doc->m_anHitX[0], doc->m_anHitY[0]});
    EXPECT_EQ(loaded, 1);
    EXPECT_EQ(doc->m_nMapDisplayMode, 3);
    EXPECT_EQ(doc->routes.m_astrRoutePoint[0], "皇居 35.4100 139.4500 城 c:\\a.txt");
    EXPECT_EQ(doc->routes.m_astrRoutePoint[1], "999");
}

TEST_F(RouteIndex, TheIndexButtonsOpenTheRouteAndAreaChoiceAndTheTextSelection)
{
    WriteHomeFile("ROUTAREA/AreaMstr.dat", Cp932Lines({"皇居周辺@" + RouteDir() + "A1"}));
    WriteHomeFile("ROUTAREA/A1", Cp932Lines({"皇居 35.4100 139.4500 城 c:\\a.txt"}));
    doc->repaint.m_fnUpdateAllViews = [] {};
    doc->OnRouteAreaIndexMap();
    Repaint();
    script->answerDialog("TOVENDLG", CDlgRouteMapSelect::IDD, [](vd::DialogDriver& d) {
        EXPECT_EQ(d.caption(), "        エリアマップの選択");
        d.selectCombo(routemapselectids::IDC_MAP_COMBO, 0);
        d.click(routemapselectids::IDC_MANUAL);
        d.click(vd::IDOK);
    });
    vd::DialogDriver::clickControl(*nav->NumberedButton(2));
    EXPECT_EQ(doc->routes.m_strEntryMode, "AreaData");
    EXPECT_EQ(doc->routes.m_astrRoutePoint[0], "皇居 35.4100 139.4500 城 c:\\a.txt");
    EXPECT_EQ(doc->m_nMapDisplayMode, 3);
    // The next repaints show the block around it and play its point as an album page by hand.
    Repaint();
    EXPECT_EQ(doc->m_nMapDisplayMode, 13);
    EXPECT_EQ(doc->m_strMapName, "東京");
    EXPECT_EQ(doc->entry.m_nAlbumPageCount, 1);
    EXPECT_EQ(view->m_strPlayMode, "MANUAL");
    Repaint();
    EXPECT_EQ(doc->repaint.m_nSavedMapDisplayMode, 13);

    bool listed = false;
    script->answerDialog(vd::ui::kProgramModule, 136, [&](vd::DialogDriver& d) {
        listed = d.caption() == "  　　　　　    テキストの選択";
        d.click(vd::IDCANCEL);
    });
    doc->OnRouteAreaIndexMap();
    Repaint();
    vd::DialogDriver::clickControl(*nav->ViewButton(13));
    EXPECT_TRUE(listed);
}

TEST_F(RouteIndex, ADoubleClickOnEmptyMapSearchesAroundItAndPlaysWhatItFinds)
{
    Dovanne().OnUnitLength.fn = &FakeUnitLength;
    doc->m_fWhiteZoomX = 0.5f;
    doc->environment.m_nAreaSizeKm = 50;
    doc->environment.m_nAreaSearch = 1;
    doc->repaint.m_nSavedMapDisplayMode = 10;
    PlacePoints(*doc);
    const RoutePlayLog played;
    view->OnLButtonDblClk(0, {120, 120});
    EXPECT_EQ(played.calls, (std::vector<std::string>{"/AreaMap"}));
    EXPECT_EQ(doc->routes.m_strEntryMode, "AreaData");
    EXPECT_EQ(doc->routes.m_astrRoutePoint[2], "999");
    // Nothing around the click: nothing plays.
    doc->routes.m_strEntryMode.clear();
    view->OnLButtonDblClk(0, {600, 600});
    EXPECT_EQ(played.calls.size(), 1u);
    EXPECT_EQ(doc->routes.m_strEntryMode, "");
}

TEST_F(RouteIndex, TheItemsFoundAroundADoubleClickPlayAsAnAlbumWhenTheListDialogSaysSo)
{
    Dovanne().OnUnitLength.fn = &FakeUnitLength;
    doc->m_fWhiteZoomX = 0.5f;
    doc->environment.m_nAreaSearch = 1;
    doc->repaint.m_nSavedMapDisplayMode = 10;
    doc->pointer.m_strCursorLat = "35.2500";
    doc->pointer.m_strCursorLon = "139.3500";
    PlacePoints(*doc);
    script->answerDialog("TOVENDLG", CDlgAlbumFiles::IDD, [](vd::DialogDriver& d) {
        EXPECT_EQ(d.text(kPointListControls.position), "2件");
        d.click(albumfilesids::IDC_OK);
    });
    view->OnLButtonDblClk(0, {120, 120});
    EXPECT_EQ(doc->routes.m_strAreaCentreLat, "35.2500");
    EXPECT_EQ(doc->m_nMapDisplayMode, 13);
    EXPECT_EQ(doc->entry.m_nAlbumPageCount, 2);
    EXPECT_EQ(view->m_pPages->AlbumPage(0), "甲 35.2000 139.3000 寺 c:\\a.txt");
}

} // namespace
} // namespace viewtest
