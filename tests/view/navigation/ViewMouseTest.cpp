// The map view's mouse, driven with synthetic events: the cursor read-out over sheets and both
// overview projections, the inside-frame test, the distance label, the drag on the
// whole-country overview, the right button's neighbour sheet and Mapping menu, and the
// registered points' double click and drag with the user-data flows faked.
#include "PointerTestSupport.h"

#include "app/shell/ShellResources.h"
#include "app/document/VeldoranDoc.h"
#include "contracts/bindings/DovanneExports.h"
#include "basemap/projection/CoordinateText.h"
#include "platform/dc/RecordingDc.h"
#include "platform/sys/LibraryLoader.h"
#include "platform/text/Format.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/Controls.h"
#include "platform/ui/UiScript.h"
#include "view/navigation/CursorReadout.h"
#include "view/navigation/ViewNavigation.h"

#include <cmath>

using namespace viewtest;

namespace {

TEST(CursorReadout, TenThousandthsOfADegreeBecomeDmsTexts)
{
    EXPECT_EQ(TenThousandthsToDms(355000, "%7.4f"), "35.3000");
    EXPECT_EQ(TenThousandthsToDms(1395125, "%8.4f"), "139.3045");
    EXPECT_EQ(TenThousandthsToDms(351234.5, "%7.4f"), "35.0724") << "1234.5 x 0.36 = 444.42: 7 minutes 24 seconds";
    EXPECT_EQ(TenThousandthsToDms(359999, "%7.4f"), "35.5959");
    EXPECT_EQ(TenThousandthsToDms(1000000, "%8.4f"), "100.0000");
}

TEST(CursorReadout, InsideFrameIsTextualAndInclusive)
{
    const std::string south = "34.4000", north = "36.4000", west = "138.0000", east = "141.0000";
    EXPECT_TRUE(CursorInsideFrame({"36.4000", "141.0000"}, south, north, west, east)) << "the north-east corner";
    EXPECT_TRUE(CursorInsideFrame({"34.4000", "138.0000"}, south, north, west, east));
    EXPECT_FALSE(CursorInsideFrame({"36.4001", "139.0000"}, south, north, west, east));
    EXPECT_FALSE(CursorInsideFrame({"35.0000", "137.5959"}, south, north, west, east));
}

TEST(CursorReadout, NeighbourCellsOfBlocks)
{
    // 3 x 3 at 0.5 pixels a unit: a sheet is 160 pixels.
    EXPECT_EQ(NeighbourCell(10 + 400, 30 + 240, 9, 0.5, 0.5), 5);
    EXPECT_EQ(NeighbourCell(10 + 10, 30 + 10, 9, 0.5, 0.5), 0);
    EXPECT_EQ(NeighbourCell(10 + 479, 30 + 479, 9, 0.5, 0.5), 8);
    EXPECT_EQ(NeighbourCell(10 + 480, 30 + 10, 9, 0.5, 0.5), -1) << "right of the block";
    EXPECT_EQ(NeighbourCell(5, 40, 9, 0.5, 0.5), -1) << "left of the origin";
    // 5 x 5 at 0.3 pixels a unit (480 pixels): scaled by 0.6 as if 3 x 3.
    EXPECT_EQ(NeighbourCell(10 + 470, 30 + 250, 25, 0.3, 0.3), 5);
    EXPECT_EQ(NeighbourCell(10 + 250, 30 + 250, 25, 0.3, 0.3), 4);
    // 7 x 7.
    EXPECT_EQ(NeighbourCell(10 + 100, 30 + 470, 49, 0.3, 0.3), 6);
}

class ViewMouse : public MapView {
protected:
    void SetUp() override
    {
        MapView::SetUp();
        PastFirstPaint();
        nav = view->m_pNavigation.get();
        WriteHomeFile("BlcMap20.idx", SmallIndex());
    }

    // The 3 x 3 block around 東京 on screen: 34.40-36.40 N, 138-141 E, 480 x 480 pixels from
    // (10, 30), 0.5 pixels a unit.
    void BlockOnScreen() { ShowTokyoBlock(*doc); }

    void Move(int x, int y, unsigned flags = 0) { view->OnMouseMove(flags, {x, y}); }

    ViewNavigation* nav = nullptr;
};

TEST_F(ViewMouse, ReadOutOverASheetBlockIsLinearInSeconds)
{
    BlockOnScreen();
    struct Case {
        int x, y;
        std::string lat, lon;
        int inside;
    } cases[] = {
        {410, 270, "35.4000", "140.3000", 1},  // the middle of the right-hand cell
        {123, 77, "36.2815", "138.4222", 1},   // 131295 s and 499342.5 s, truncated
        {10, 30, "36.4000", "138.0000", 1},    // the north-west corner
        {490, 510, "34.4000", "141.0000", 1},  // the south-east corner, inclusive
        {600, 300, "35.3230", "141.4115", -1}, // east of the block: 127950 s, 510075 s
    };
    for (const Case& c : cases) {
        Move(c.x, c.y);
        EXPECT_EQ(doc->pointer.m_strCursorLat, c.lat) << c.x << "," << c.y;
        EXPECT_EQ(doc->pointer.m_strCursorLon, c.lon) << c.x << "," << c.y;
        EXPECT_EQ(nav->m_nCursorInFrame, c.inside) << c.x << "," << c.y;
    }
    EXPECT_DOUBLE_EQ(doc->pointer.m_dCursorLat, 35.3230);
}

TEST_F(ViewMouse, ReadOutOverTheSansonOverview)
{
    doc->position.m_nMapType = 2;
    doc->position.m_nPrefectureSel = 0;
    doc->m_nClipIndexMap = 0;
    doc->repaint.m_bMapOnScreen = 1;
    doc->pointer.m_nMouseMode = 3;
    doc->m_fRefLatitude = 450000;
    doc->m_fRefLongitude = 1350000;
    doc->m_fMapScale = 100;
    doc->pointer.m_nOverviewOriginX = 420;
    doc->spec.m_nDistanceShow = 0;
    // Latitude 450000 - 100 x 987 = 351300 (35.13 degrees = 35 07 48); the longitude with the
    // ratio of 35 degrees: trunc(k x 137 x 100 + 1350000).
    Move(557, 987);
    EXPECT_EQ(doc->pointer.m_strCursorLat, "35.0748");
    const double k = doc->latitudeRatios.m_afLatitudeRatio[35];
    const double longitude = std::trunc(k * 137 * 100 + 1350000.0);
    const double degrees = std::trunc(longitude / 10000);
    const int seconds = int((longitude - degrees * 10000) * 0.36);
    const std::string expected = vd::format("%8.4f", degrees + (seconds / 60) / 100.0 + (seconds % 60) / 10000.0);
    EXPECT_EQ(doc->pointer.m_strCursorLon, expected);
    EXPECT_GT(longitude, 1350000 + 137 * 100) << "a ratio above 1 stretches longitude";

    // Fixed-ratio single-prefecture maps take the ratio of the client's bottom row.
    doc->position.m_nPrefectureSel = 5;
    doc->position.m_nMapPjctn = 1;
    Move(557, 987);
    const int bottomDegree = int((450000 - 100.0 * (kHeight - 1)) * 0.0001);
    const double kBottom = doc->latitudeRatios.m_afLatitudeRatio[bottomDegree];
    const double fixedLongitude = std::trunc(kBottom * 137 * 100 + 1350000.0);
    const double fixedDegrees = std::trunc(fixedLongitude / 10000);
    const int fixedSeconds = int((fixedLongitude - fixedDegrees * 10000) * 0.36);
    EXPECT_EQ(doc->pointer.m_strCursorLon,
              vd::format("%8.4f", fixedDegrees + (fixedSeconds / 60) / 100.0 + (fixedSeconds % 60) / 10000.0));
    EXPECT_NE(kBottom, k) << "the bottom row lies in another degree";
}

TEST_F(ViewMouse, ReadOutOverTheAlbersOverview)
{
    doc->position.m_nMapType = 2;
    doc->position.m_nPrefectureSel = 1;
    doc->m_nClipIndexMap = 2;
    doc->repaint.m_bMapOnScreen = 1;
    doc->pointer.m_nMouseMode = 3;
    doc->m_fRefLatitude = 350000;
    doc->m_fRefLongitude = 1370000;
    doc->m_fMapScale = 3000;
    doc->pointer.m_nOverviewOriginX = 420;
    doc->spec.m_nDistanceShow = 0;
    const int x = 520, y = 200;
    Move(x, y);
    // The inverse of the equal-area cone from its formulas (pi = 3.141592).
    const double oneDegree = 0.01745328888888889;
    const double phi0 = 350000 * 1.745328888888889e-6;
    const double phi1 = phi0 - 0.1745328888888889, phi2 = phi0 + 0.1745328888888889;
    const double n = (std::sin(phi1) + std::sin(phi2)) * 0.5;
    const double r = 3000;
    const double rho1 = r * std::cos(phi2) / n;
    const int dx = x - 420;
    const int m = y + int(rho1);
    const int rho2 = dx * dx + m * m;
    const double theta = std::asin(dx / std::sqrt(double(rho2)));
    const double phi = std::asin(std::sin(phi2) - (rho2 - rho1 * rho1) * n / (r * r * 2));
    const float longitude = float((theta / (n * oneDegree) + 137.0) * 10000);
    const float latitude = float(phi * 57.29579143313326 * 10000);
    auto dms = [](double v, const char* format) {
        const double degrees = std::trunc(v / 10000);
        const int seconds = int((v - degrees * 10000) * 0.36);
        return vd::format(format, degrees + (seconds / 60) / 100.0 + (seconds % 60) / 10000.0);
    };
    EXPECT_EQ(doc->pointer.m_strCursorLat, dms(latitude, "%7.4f"));
    EXPECT_EQ(doc->pointer.m_strCursorLon, dms(longitude, "%8.4f"));
    EXPECT_GT(latitude, 400000.f) << "200 pixels south of the upper standard parallel (45 degrees)";
    EXPECT_LT(latitude, 450000.f);
    EXPECT_GT(longitude, 1370000.f);
}

// Dovanne's distance entry point, drawing into a recording device context so that the label can
// be read back, with the box's place.
OnDistance_fn* realDistance = nullptr;
std::vector<vd::RecordedText> distanceTexts;
void RecordDistance(vd::Dc*, std::string first, std::string second, double a, double b, double c, double d, double e,
                    double f, double g, double h, int width, int mode1, int mode2, int rowY, int lowY)
{
    vd::RecordingDc recording;
    realDistance(&recording, first, second, a, b, c, d, e, f, g, h, width, mode1, mode2, rowY, lowY);
    for (const vd::RecordedText& text : recording.Texts())
        distanceTexts.push_back(text);
}

TEST_F(ViewMouse, DistanceLabelGivesTheGreatCircleDistanceFromTheDepartureCity)
{
    realDistance = Dovanne().OnDistance.fn;
    ASSERT_NE(realDistance, nullptr) << "the built Dovanne is loaded";
    Dovanne().OnDistance.fn = &RecordDistance;
    BlockOnScreen();
    doc->spec.m_nDistanceShow = 1;
    doc->spec.m_nDistanceEnd = 1;
    doc->spec.m_strDepature = "東京";
    doc->spec.m_dDepLatDeg = 35;
    doc->spec.m_dDepLatMin = 20;
    doc->spec.m_dDepLonDeg = 140;
    doc->spec.m_dDepLonMin = 30;
    // 36 20 N on the departure city's meridian: one degree north, 111 km.
    const int y = 30 + (36 * 3600 + 40 * 60 - (36 * 3600 + 20 * 60)) * 480 / 7200;
    Move(410, y);
    ASSERT_EQ(doc->pointer.m_strCursorLat, "36.2000");
    ASSERT_EQ(doc->pointer.m_strCursorLon, "140.3000");
    ASSERT_EQ(distanceTexts.size(), 1u);
    EXPECT_EQ(distanceTexts[0].text, "ﾎﾟｲﾝﾀｰから東京までの距離 111km");
    EXPECT_EQ(distanceTexts[0].at, (vd::Point{160, kHeight - 24 + 3})) << "the box of a wide window";

    Move(410, y, vd::MK_LBUTTON);
    doc->spec.m_nDistanceEnd = 0;
    Move(410, y);
    EXPECT_EQ(distanceTexts.size(), 1u) << "no label with a button down or without the option";
    doc->spec.m_nDistanceEnd = 1;
    Move(700, y);
    EXPECT_EQ(distanceTexts.size(), 1u) << "no label outside the frame";
    Dovanne().OnDistance.fn = realDistance;
}

TEST_F(ViewMouse, RightButtonPicksTheNeighbourSheetWithTheCarryAcrossDegrees)
{
    BlockOnScreen();
    Move(410, 270);
    view->OnRButtonDown(vd::MK_RBUTTON, {410, 270});
    EXPECT_EQ(doc->m_strMapName, "千葉") << "the right-hand cell";
    EXPECT_EQ(doc->m_nMapDisplayMode, 5);
    EXPECT_EQ(doc->m_astrMapEntry[14], "東京") << "千葉's left neighbour";

    BlockOnScreen();
    Move(250, 40);
    view->OnRButtonDown(vd::MK_RBUTTON, {250, 40});
    EXPECT_EQ(doc->m_strMapName, "宇都宮") << "35 20 + 40 minutes carries into 36 00";

    BlockOnScreen();
    view->m_nPictureState = 7;
    for (const auto& p : {vd::ui::Point{250, 270}, vd::ui::Point{90, 430}}) { // centre; no sheet south-west
        Move(p.x, p.y);
        view->OnRButtonDown(vd::MK_RBUTTON, p);
        EXPECT_EQ(doc->m_strMapName, "東京");
        EXPECT_EQ(doc->m_nMapDisplayMode, 10);
    }

    // 5 x 5 at 0.3 pixels a unit: the cell as if 3 x 3 after scaling by 0.6.
    doc->position.m_nMapMode = 25;
    doc->m_fWhiteZoomX = doc->m_fWhiteZoomY = 0.3f;
    Move(480, 280);
    view->OnRButtonDown(vd::MK_RBUTTON, {480, 280});
    EXPECT_EQ(doc->m_strMapName, "千葉");
}

TEST_F(ViewMouse, ANeighbourWithALongNameIsOpenedUnderItsWholeName)
{
    // Five characters: a cut to a fixed width once opened the sheet as 京都及 and titled the
    // block "京都及およびその周辺".
    WriteHomeFile("BlcMap20.idx", IndexFile({IndexLine("東京", "35.2000", "139.0000"),
                                             IndexLine("京都及大阪", "35.2000", "140.0000")}));
    BlockOnScreen();
    EXPECT_EQ(doc->m_astrMapEntry[16], "京都及大阪");
    Move(410, 270);
    view->OnRButtonDown(vd::MK_RBUTTON, {410, 270});
    EXPECT_EQ(doc->m_strMapName, "京都及大阪");
    EXPECT_EQ(doc->m_astrMapEntry[15], "京都及大阪");
    EXPECT_EQ(doc->m_astrMapEntry[14], "東京");
}

TEST_F(ViewMouse, RightButtonOutsideTheFrameOpensTheMappingMenu)
{
    shell::RegisterShellResources();
    BlockOnScreen();
    Move(700, 300);
    ASSERT_EQ(nav->m_nCursorInFrame, -1);
    view->OnRButtonDown(vd::MK_RBUTTON, {700, 300});
    ASSERT_EQ(script->popupMenus().size(), 1u);
    EXPECT_FALSE(script->popupMenus()[0].empty());
    EXPECT_EQ(doc->m_strMapName, "東京");
}

TEST_F(ViewMouse, DragOnTheWholeCountryOverviewShowsTheSheetUnderTheCircle)
{
    doc->position.m_nMapType = 1;
    doc->repaint.m_bMapOnScreen = 1;
    doc->pointer.m_nMouseMode = 2;
    doc->pointer.m_nOverviewStep = 1;
    nav->SetViewButton(32, "Next", 225, 219, 271, 243);
    std::vector<std::pair<int, int>> circles;
    // The circle routine leaves the corner of the sheet under the centre (as the drag overview's
    // circle does); here: the sheet 千葉.
    view->standIns.drawDragCircle = [&](vd::Dc&, int x, int y) {
        circles.push_back({x, y});
        view->m_strDragCornerLon = "140.0000";
        view->m_strDragCornerLat = "35.2000";
    };
    Move(300, 300);
    EXPECT_TRUE(circles.empty()) << "no button, no circle";
    Move(300, 300, vd::MK_LBUTTON);
    Move(310, 305, vd::MK_LBUTTON);
    EXPECT_EQ(circles.size(), 2u);
    view->OnLButtonUp(0, {310, 305});
    EXPECT_EQ(doc->m_strMapName, "千葉        ") << "the name columns of the index";
    EXPECT_EQ(doc->m_astrMapEntry[15], "千葉");
    EXPECT_EQ(doc->pointer.m_nOverviewStep, 0);
    EXPECT_FALSE(nav->ViewButton(32)->IsWindow());

    // A drag onto the open sea finds no sheet: the current one stays.
    view->standIns.drawDragCircle = [&](vd::Dc&, int, int) {
        view->m_strDragCornerLon = "130.0000";
        view->m_strDragCornerLat = "37.2000";
    };
    Move(100, 100, vd::MK_LBUTTON);
    view->OnLButtonUp(0, {100, 100});
    EXPECT_EQ(doc->m_strMapName, "千葉        ");
}

TEST_F(ViewMouse, DoubleClickOpensTheFirstPointWithinTwoPixels)
{
    BlockOnScreen();
    doc->m_astrHitRecord[0] = "A";
    doc->m_anHitX[0] = 100;
    doc->m_anHitY[0] = 100;
    doc->m_astrHitRecord[1] = "B";
    doc->m_anHitX[1] = 101;
    doc->m_anHitY[1] = 102;
    doc->m_astrHitRecord[2] = "999";
    // A text item opens as its file: the page to show is the item's file part.
    std::vector<std::string> opened;
    for (const vd::ui::Point at : {vd::ui::Point{102, 102}, vd::ui::Point{103, 104}, vd::ui::Point{104, 104}}) {
        doc->m_strEntryParam.clear();
        view->OnLButtonDblClk(0, at);
        opened.push_back(doc->m_strEntryParam);
    }
    EXPECT_EQ(opened, (std::vector<std::string>{"a", "b", ""}));
    EXPECT_EQ(doc->repaint.m_strViewState, "MOUSE");
}

TEST_F(ViewMouse, RouteTraceIgnoresShortMovesAlsoStraightOnes)
{
    BlockOnScreen();
    doc->pointer.m_nMouseDrag = 1;
    doc->pointer.m_nMouseTool = 0;
    // A move that is tested against the points leaves the drag position reset (-10).
    Move(100, 100, vd::MK_LBUTTON); // the first point is remembered
    EXPECT_EQ(view->m_strDragShape, "on");
    EXPECT_EQ(nav->m_nDragX, 100);
    nav->m_nDragX = 100;
    nav->m_nDragY = 100;
    Move(103, 100, vd::MK_LBUTTON);
    EXPECT_EQ(nav->m_nDragX, 100) << "3 pixels straight across is a short move";
    Move(100, 106, vd::MK_LBUTTON);
    EXPECT_EQ(nav->m_nDragX, -10) << "6 pixels straight down is not";
}

TEST_F(ViewMouse, DraggedPointPositionsAreClampedToSixteenBits)
{
    BlockOnScreen();
    doc->pointer.m_nMouseTool = 2;
    doc->pointer.m_nMouseMode = 7;
    doc->entry.m_strEntryTarget = "memo.txt";
    doc->m_astrHitRecord[0] = "A";
    doc->m_astrHitRecord[1] = "999";
    nav->m_nHoverItem = 0;
    // The update dialog confirmed without a file: the point stays where it was dragged.
    script->answerDialog(132, [](vd::DialogDriver& d) { d.click(vd::IDOK); });
    view->m_strMouseButtonState = "MK_LBUTTON";
    nav->m_nDragX = 40000;
    nav->m_nDragY = -40000;
    view->OnLButtonUp(0, {300, 300});
    EXPECT_EQ(doc->m_anHitX[0], 32767);
    EXPECT_EQ(doc->m_anHitY[0], -32768);
    EXPECT_TRUE(view->m_strMouseButtonState.empty());
    EXPECT_EQ(doc->pointer.m_nMouseMode, 7);
}

} // namespace

namespace {

TEST_F(ViewMouse, RouteLineJoinsClickedPointsAndPlaysThemOnDoubleClick)
{
    BlockOnScreen();
    doc->pointer.m_nMouseMode = 9;
    doc->pointer.m_nMouseTool = 5;
    doc->m_strEntryTitle = "散歩道";
    doc->m_strEntryState = "ROUTE";
    const char* records[] = {"寺 35.0000 135.0000", "池 35.0100 135.0200", "丘.alb 35.0 135.0", "999"};
    for (int i = 0; i < 4; ++i)
        doc->m_astrHitRecord[std::size_t(i)] = records[i];
    int& hovered = nav->m_nHoverItem;
    hovered = 0;
    const RoutePlayLog played;

    vd::COLORREF background = 0;
    {
        vd::ClientDc window = view->GetDC();
        ASSERT_TRUE(window);
        background = window->GetPixel(150, 100) & 0xFFFFFF;
    }
    view->OnLButtonUp(0, {100, 100});
    hovered = 2;
    view->OnLButtonUp(0, {150, 100}); // an album entry is not a route point
    hovered = 1;
    view->OnLButtonUp(0, {200, 100});
    EXPECT_EQ(view->m_nRoutePointCount, 2);
    {
        vd::ClientDc window = view->GetDC();
        ASSERT_TRUE(window);
        EXPECT_EQ(window->GetPixel(150, 100) & 0xFFFFFF, ~(background ^ vd::RGB(0, 128, 0)) & 0xFFFFFF)
            << "the green line between the two, not-xor on the picture";
    }
    view->OnLButtonUp(0, {200, 100}); // the double click's first click
    view->OnLButtonDblClk(0, {200, 100});
    EXPECT_EQ(doc->routes.m_astrRoutePoint[0], records[0]);
    EXPECT_EQ(doc->routes.m_astrRoutePoint[1], records[1]);
    EXPECT_EQ(doc->routes.m_astrRoutePoint[2], "999");
    EXPECT_EQ(played.calls, (std::vector<std::string>{"ルートマップ/RouteMap"}));
    EXPECT_EQ(doc->pointer.m_nMouseMode, 3);
    EXPECT_EQ(doc->pointer.m_nMouseTool, 0);

    // Without an entry title nothing is added.
    doc->pointer.m_nMouseMode = 9;
    view->m_nRoutePointCount = 0;
    doc->m_strEntryTitle.clear();
    view->OnLButtonUp(0, {100, 100});
    EXPECT_EQ(view->m_nRoutePointCount, 0);
}

} // namespace

namespace {

TEST_F(ViewMouse, PointDragFollowsMovesOfMoreThanTwoPixels)
{
    BlockOnScreen();
    doc->pointer.m_nMouseMode = 5;
    doc->pointer.m_nMouseTool = 2;
    std::vector<std::string> symbols;
    view->standIns.drawPointSymbol = [&](vd::Dc&, int x, int y, int, int shape) {
        symbols.push_back(vd::format("%d:%d,%d/%d", view->m_nSymbolScheme, x, y, shape));
    };
    view->m_strMouseButtonState = "MK_MOVE";
    nav->m_nDragX = 100;
    nav->m_nDragY = 100;
    Move(102, 98, vd::MK_LBUTTON);
    EXPECT_TRUE(symbols.empty()) << "at most 2 pixels in both directions";
    Move(103, 100, vd::MK_LBUTTON);
    EXPECT_EQ(symbols, (std::vector<std::string>{"2:100,100/5", "4:103,100/4"}));
    EXPECT_EQ(view->m_strMouseButtonState, "MK_LBUTTON");
    Move(104, 100, vd::MK_LBUTTON);
    EXPECT_EQ(symbols.size(), 4u) << "once dragging, every move follows";
    EXPECT_EQ(nav->m_nDragX, 104);
}

} // namespace

namespace {

// The dialog library's album dialogs answer as the test sets them and log their calls.
class ViewMouseWithAlbumDialogs : public ViewMouse {
protected:
    void BeforeDocument() override { vd::LibraryLoader::setOverride("TOVENDLG.DLL", VD_FAKE_ALBUM_DIALOGS_VIEW); }

    static void Answer(const char* entry, const std::string& answer)
    {
        using Fn = void(const char*, const char*);
        vd::entryPoint<Fn>("TOVENDLG.DLL", "FakeAlbumSetAnswer")(entry, answer.c_str());
    }
    static std::string AlbumLog() { return *vd::entryPoint<const std::string*()>("TOVENDLG.DLL", "FakeAlbumLog")(); }
};

TEST_F(ViewMouseWithAlbumDialogs, ClickRegistersAtTheSheetCoordinatesByTool)
{
    BlockOnScreen();
    std::vector<std::string> got;
    script->answerDialog(137, [&](vd::DialogDriver& d) {
        got.push_back("text " + d.text(107) + "," + d.text(108));
        d.click(vd::IDCANCEL);
    });
    Answer("OnDLLAlbumRegist", "");
    Answer("OnAlbumUpdate", "0|update_end");
    doc->pointer.m_nMouseMode = 4;
    doc->pointer.m_nMouseTool = 1;
    view->OnLButtonUp(0, {123, 77});
    doc->pointer.m_nMouseTool = 4;
    view->OnLButtonUp(0, {410, 270});
    EXPECT_NE(AlbumLog().find("OnDLLAlbumRegist(4,140.3000,35.4000,"), std::string::npos) << AlbumLog();
    doc->pointer.m_nMouseMode = 7;
    doc->pointer.m_nMouseTool = 2;
    doc->entry.m_strEntryTarget = "旅.alb";
    doc->m_astrHitRecord[0] = "A";
    doc->m_astrHitRecord[1] = "999";
    nav->m_nHoverItem = 0;
    view->OnLButtonUp(0, {410, 270});
    EXPECT_EQ(got, (std::vector<std::string>{"text 36.2815,138.4222"}));
    const std::string log = AlbumLog();
    const std::size_t update = log.rfind("OnAlbumUpdate(");
    ASSERT_NE(update, std::string::npos) << log;
    EXPECT_NE(log.find(",140.3000,35.4000,", update), std::string::npos) << "the update at the click: " << log;
    EXPECT_EQ(doc->m_anHitX[0], 410) << "the album item moves to the click";
    EXPECT_EQ(doc->pointer.m_nMouseTool, 0) << "update_end ends the tool";
    EXPECT_EQ(doc->pointer.m_nMouseMode, 3);
}

} // namespace

namespace {

// The whole drag as the program runs it: the 他地域 button with the sheet selection "MAP" draws
// the whole-country overview (47 N, 135 E at the top, 1000 / 3.1 units a pixel), the circle
// follows the pressed button and the release shows the sheet whose south-west corner lies under
// the circle's centre.
TEST_F(ViewMouse, DragOnTheDrawnOverviewShowsTheSheetUnderTheCircle)
{
    doc->m_strMapName = "東京";
    doc->FindSheetByName("東京", doc->folders.m_strSheetIndexFile);
    doc->position.m_nMapType = 1;
    doc->environment.m_strSheetSelect = "MAP";
    view->routeCommand(322);
    ASSERT_EQ(doc->m_nMapDisplayMode, 8);
    Repaint();
    ASSERT_EQ(doc->m_nMapDisplayMode, 21);
    ASSERT_EQ(doc->pointer.m_nMouseMode, 2);
    ASSERT_FLOAT_EQ(doc->m_fRefLatitude, 470000.f);
    // 35.48 N at row 357; 140.5 E about 135 pixels east of the reference longitude there.
    const int x = doc->pointer.m_nOverviewOriginX + 135, y = 357;
    Move(x, y, vd::MK_LBUTTON);
    EXPECT_EQ(view->m_strDragCornerLon, "140.0000");
    EXPECT_EQ(view->m_strDragCornerLat, "35.2000");
    view->OnLButtonUp(0, {x, y});
    EXPECT_EQ(doc->m_astrMapEntry[15], "千葉");
    EXPECT_EQ(doc->m_astrMapEntry[14], "東京");
}

} // namespace
