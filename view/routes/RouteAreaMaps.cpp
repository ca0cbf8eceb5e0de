#include "view/routes/RouteAreaMaps.h"

#include "app/document/MapDisplayMode.h"
#include "app/document/VeldoranDoc.h"
#include "contracts/bindings/DovanneExports.h"
#include "app/routes/RouteFileLines.h"
#include "basemap/projection/LatitudeRatioTable.h"
#include "basemap/projection/PixelCoordinate.h"
#include "basemap/projection/SheetGrid.h"
#include "platform/dc/Dc.h"
#include "platform/dc/GdiConstants.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"
#include "platform/ui/FrameWindow.h"
#include "platform/ui/Window.h"
#include "view/navigation/ViewNavigation.h"
#include "view/pages/ViewPages.h"
#include "view/sheetmap/ViewBaseMap.h"
#include "view/window/VeldoranView.h"

#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

constexpr std::size_t kShownItems = 5000;
constexpr int kMaxShownRecords = 4999;
constexpr int kCatchesPerMove = 19;
constexpr int kNoTip = 1;
constexpr int kTipShown = -999;
constexpr const char* kIndexTitle = "ﾙｰﾄﾏｯﾌﾟ・ｴﾘｱﾏｯﾌﾟ索引図(サンソン図法、緯線・経線10°間隔)";

// The degree digits and the two digits after the point of a D.MMSS text.
bool SplitDegreesMinutes(std::string_view text, int& degrees, int& minutes)
{
    const std::size_t point = text.find('.');
    if (point == std::string_view::npos || point == 0 || text.size() < point + 3)
        return false;
    degrees = vd::parseInt(text.substr(0, point));
    minutes = vd::parseInt(text.substr(point + 1, 2));
    return true;
}

bool Contains(const std::string& text, const char* part)
{
    return text.find(part) != std::string::npos;
}

} // namespace

double IndexMapDegrees(std::string_view text)
{
    const double v = vd::parseDouble(text);
    const double d = std::trunc(v);
    return d + (v - d) * 1.6666666666666667;
}

int RouteMeshCode(std::string_view latitude, std::string_view longitude)
{
    int degrees = 0, minutes = 0;
    if (!SplitDegreesMinutes(latitude, degrees, minutes) || longitude.size() < 3)
        return 0;
    return (degrees * 60 + minutes) / 40 * 100 + vd::parseInt(longitude.substr(1, 2));
}

RouteAreaMaps::RouteAreaMaps(CVeldoranView& view)
    : m_view(view), m_doc(*view.GetDocument()),
      m_aRoutePen{vd::Pen(vd::PS_SOLID, 1, vd::RGB(255, 0, 0)), vd::Pen(vd::PS_SOLID, 1, vd::RGB(0, 128, 0)),
                  vd::Pen(vd::PS_SOLID, 1, vd::RGB(0, 0, 255)), vd::Pen(vd::PS_SOLID, 1, vd::RGB(0, 255, 255))},
      m_aRouteBrush{vd::Brush(vd::RGB(255, 0, 0)), vd::Brush(vd::RGB(0, 130, 0)), vd::Brush(vd::RGB(0, 0, 200)),
                    vd::Brush(vd::RGB(0, 255, 255))},
      m_areaPen(vd::PS_SOLID, 2, vd::RGB(255, 0, 0)), m_routeDrawingPen(vd::PS_SOLID, 2, vd::RGB(0, 128, 0)),
      m_pageBrush(vd::RGB(255, 255, 255))
{
}

// A point line's position on the overview drawn last (its origin, scale and x offset).
std::optional<vd::ui::Point> RouteAreaMaps::IndexPoint(const std::string& line) const
{
    const std::string_view latitudeText = LineField(line, 1), longitudeText = LineField(line, 2);
    if (latitudeText.empty() || longitudeText.empty() || m_doc.m_fMapScale == 0)
        return std::nullopt;
    const double latitude = IndexMapDegrees(latitudeText);
    const double longitude = IndexMapDegrees(longitudeText);
    const double k = LatitudeRatioAt(m_doc.latitudeRatios.m_afLatitudeRatio, int(latitude));
    if (k == 0)
        return std::nullopt;
    const double scale = m_doc.m_fMapScale;
    const int y = TruncatedPixel((m_doc.m_fRefLatitude - latitude * 10000) / scale);
    const int x =
        TruncatedPixel((longitude * 10000 - m_doc.m_fRefLongitude) / scale / k) + m_doc.pointer.m_nOverviewOriginX;
    return vd::ui::Point{x, y};
}

void RouteAreaMaps::AddShownItem(int& count, const std::string& name, const std::string& line, const char* kind,
                                 const std::string& file, vd::ui::Point at)
{
    if (count >= kMaxShownRecords)
        return;
    const std::size_t i = std::size_t(count++);
    m_doc.m_astrHitRecord[i] = name + " " + std::string(LineField(line, 1)) + " " + std::string(LineField(line, 2)) +
        " " + kind + " " + file;
    m_doc.m_anHitX[i] = navigation::ClampToInt16(at.x);
    m_doc.m_anHitY[i] = navigation::ClampToInt16(at.y);
}

void RouteAreaMaps::DrawRouteAreaMaster(vd::Dc& dc)
{
    m_view.m_pNavigation->RemoveViewButtons(1);
    m_view.m_pNavigation->DrawSheetFrame(dc, 1);
    const vd::Pen previousPen = dc.SelectObject(m_aRoutePen[0]);
    const vd::Brush previousBrush = dc.SelectObject(m_pageBrush);

    struct RouteStart {
        vd::ui::Point at;
        int colour;
    };
    std::vector<RouteStart> starts;
    int count = 0;
    for (int pass = 0; pass < 2; ++pass) {
        const std::vector<std::string> master =
            ReadRouteIndexMaster(m_doc.folders.m_strRouteAreaDir + (pass == 0 ? "RoutMstr.dat" : "AreaMstr.dat"));
        for (int n = 0; n < int(master.size()) && n < kMaxIndexMasterEntries; ++n) {
            const std::string& entry = master[std::size_t(n)];
            const std::size_t at = entry.find('@');
            if (at == std::string::npos)
                continue;
            const std::string name = entry.substr(0, at), file = entry.substr(at + 1);
            if (CVeldoranDoc::FileExists(file) != 1)
                continue;
            const auto lines = ReadRouteFileLines(file, pass == 0 ? kMaxRouteLines : 1);
            if (!lines)
                continue;
            if (pass == 0) {
                dc.SelectObject(RoutePen(n));
                dc.SelectObject(RouteBrush(n));
            } else {
                dc.SelectObject(m_areaPen);
                dc.SelectObject(m_pageBrush);
            }
            bool first = true;
            for (const std::string& line : *lines) {
                const std::optional<vd::ui::Point> point = IndexPoint(line);
                if (!point)
                    continue;
                const int x = point->x, y = point->y;
                if (pass == 1) {
                    dc.Rectangle(x - 2, y - 2, x + 3, y + 3);
                    AddShownItem(count, name, line, "エリア", file, *point);
                    break;
                }
                if (first) {
                    dc.Rectangle(x - 2, y - 2, x + 2, y + 2);
                    dc.MoveTo(x, y);
                    AddShownItem(count, name, line, "ルート", file, *point);
                    starts.push_back({*point, n});
                    first = false;
                } else {
                    dc.LineTo(x, y);
                    dc.Ellipse(x - 2, y - 2, x + 2, y + 2);
                }
            }
        }
    }
    m_doc.m_astrHitRecord[std::size_t(count)] = "999";
    // The start squares on top of the lines of later routes.
    for (const RouteStart& start : starts) {
        dc.SelectObject(RoutePen(start.colour));
        dc.SelectObject(RouteBrush(start.colour));
        dc.Rectangle(start.at.x - 2, start.at.y - 2, start.at.x + 2, start.at.y + 2);
    }
    dc.SelectObject(previousPen);
    dc.SelectObject(previousBrush);

    const bool wide = m_view.m_nSavedWidth > 800;
    if (m_doc.spec.m_nPointerCoords == 1 && m_view.m_pBaseMap) {
        const int top = m_view.m_nSavedHeight - (wide ? 27 : 69);
        m_view.m_pBaseMap->DrawBevelBox(dc, 12, top, 146, top + 25);
    }
    m_doc.m_strFrameNorth = "48.000";
    m_doc.m_strFrameEast = "155.0000";
    m_doc.m_strFrameSouth = "27.0000";
    m_doc.m_strFrameWest = "120.0000";
    // The title names the index whenever it is drawn, not only after the window was activated
    // again: the sheet map's title would otherwise stay over the index.
    m_doc.repaint.m_nReactivated = 0;
    if (vd::FrameWindow* frame = m_view.GetParentFrame())
        frame->SetWindowText(kIndexTitle);
    PlaceIndexButtons();
    m_doc.repaint.m_bMapOnScreen = 1;
    m_doc.repaint.m_nSavedMapDisplayMode = map_display::kRouteAreaIndex;
    m_doc.m_nMapDisplayMode = map_display::kIdle;
}

void RouteAreaMaps::PlaceIndexButtons()
{
    ViewNavigation& nav = *m_view.m_pNavigation;
    const int w = m_view.m_nSavedWidth;
    const bool wide = w > 800;
    if (m_doc.m_nPanelTop < 500 || m_doc.m_nPanelTop > 700)
        m_doc.m_nPanelTop = 580;
    const int c = wide ? w - 177 : w - 189;
    const int d = wide ? 45 : m_doc.m_nPanelTop;
    nav.SetNumberedButtonAt(1, "ルート", {c + 30, d, c + 85, d + 25});
    nav.SetNumberedButtonAt(2, "エリア", {c + 90, d, c + 145, d + 25});
    for (int n = 3; n <= 9; ++n)
        nav.SetNumberedButton(n, "", 0, 0, 0, 0);
    const int top = d + 100, bottom = d + 123;
    if (!m_doc.repaint.m_bHideSheetButtons)
        nav.SetViewButton(12, "他地域", c, d + 74, 65, 1);
    nav.SetViewButton(13, "ﾃｷｽﾄ", c - 1, d + 74, 66, 1);
    nav.SetViewButton(14, "画像", c, d + 74, 66, 1);
    nav.SetViewButton(27, "1/20万", c, top, c + 79, bottom);
    nav.SetViewButton(26, "仕様", c + 82, top, c + 127, bottom);
    nav.SetViewButton(33, "MAP", c + 130, top, c + 173, bottom);
    nav.SetViewButton(34, "", 0, 0, 0, 0);
    nav.SetViewButton(35, "", 0, 0, 0, 0);
}

void RouteAreaMaps::ShowRouteAreaSheets()
{
    CVeldoranDoc& doc = m_doc;
    doc.repaint.m_bMapOnScreen = 0;
    doc.m_nMapDisplayMode = map_display::kAlbum;
    m_view.m_pNavigation->AddViewButtons(1);
    m_view.m_nPageIndex = 0;
    if (m_view.m_pPages) {
        m_view.m_pPages->m_nPicOffsetX = 0;
        m_view.m_pPages->m_nPicOffsetY = 0;
    }

    // The block's centre sheet holds the route's first point; it becomes the current sheet.
    const std::string& first = doc.routes.m_astrRoutePoint[0];
    const int centre = first == "999" ? 0 : RouteMeshCode(LineField(first, 1), LineField(first, 2));
    if (centre > 0) {
        const int neighbours[9] = {99, 100, 101, -1, 0, 1, -101, -100, -99};
        for (int i = 0; i < 9; ++i)
            doc.m_astrBlockMeshCode[std::size_t(i)] = vd::format("%d", centre + neighbours[i]);
        const std::string sheet = doc.MeshCodeToSheetName(vd::format("%d", centre));
        const std::string name = sheet.substr(0, sheet.find(' '));
        if (!name.empty()) {
            doc.m_strMapName = name;
            doc.FindSheetByName(name, doc.folders.m_strSheetIndexFile);
        }
    }
    // The block's south-west corner: one sheet south and west of the centre sheet.
    const int southSeconds = MeshSouthSeconds(centre) - kMeshHeightSeconds;
    const int westSeconds = MeshWestSeconds(centre) - kMeshWidthSeconds;

    const int savedMode = doc.m_nMapDisplayMode;
    const int savedKind = doc.m_nPointDrawKind;
    const int savedFrame = doc.position.m_nMapFrame;
    const int savedFlag = doc.m_nPointDisplayFlag;
    doc.m_nMapDisplayMode = map_display::kMainMap;
    doc.m_nPointDrawKind = 6;
    doc.position.m_nMapFrame = 2;
    doc.m_nPointDisplayFlag = 0;
    doc.m_fPointScaleX = doc.m_fWhiteZoomX;
    doc.m_fPointScaleY = doc.m_fWhiteZoomY;
    int n = 0;
    std::vector<std::string> pages;
    for (; n < kMaxBlockRecords && doc.routes.m_astrRoutePoint[std::size_t(n)] != "999"; ++n) {
        const std::string& record = doc.routes.m_astrRoutePoint[std::size_t(n)];
        doc.m_astrHitRecord[std::size_t(n)] = record;
        doc.ProjectRecordToSheet(record, m_view.m_nMapOriginX, m_view.m_nMapOriginY, westSeconds, southSeconds, n);
        doc.m_anHitX[std::size_t(n)] = navigation::ClampToInt16(doc.m_nPointX);
        doc.m_anHitY[std::size_t(n)] = navigation::ClampToInt16(doc.m_nPointY);
        doc.routes.m_aptRoutePoint[std::size_t(n)] = {doc.m_nPointX, doc.m_nPointY};
        // The route's records are also the pages that the album mode plays.
        pages.push_back(record);
    }
    doc.m_astrHitRecord[std::size_t(n)] = "999";
    m_view.m_pPages->SetAlbumPages(std::move(pages));
    // The pages play as the route choice said (automatic or by hand).
    m_view.m_strPlayMode = doc.routes.m_strRoutePlayMode;
    m_view.m_nRoutePointCount = n > 0 ? n - 1 : 0;
    doc.m_nMapDisplayMode = savedMode;
    doc.m_nPointDrawKind = savedKind;
    doc.position.m_nMapFrame = savedFrame;
    doc.m_nPointDisplayFlag = savedFlag;
    m_view.InvalidateView(true);
}

void RouteAreaMaps::HoverRoutePoint(vd::Dc& dc, int x, int y)
{
    const int dx = x - m_ptLastCatch.x, dy = y - m_ptLastCatch.y;
    if (dx * dx + dy * dy <= 16)
        return;
    std::vector<int> caught;
    for (std::size_t i = 0; i < kShownItems && m_doc.m_astrHitRecord[i] != "999"; ++i) {
        const std::string& record = m_doc.m_astrHitRecord[i];
        if (Contains(record, ".al"))
            continue;
        const int itemX = m_doc.m_anHitX[i], itemY = m_doc.m_anHitY[i];
        if (std::abs(itemX - x) > 10 || std::abs(itemY - y) > 10)
            continue;
        m_ptLastCatch = {x, y};
        caught.push_back(int(i));
        if (std::abs(itemX - x) <= 3 && std::abs(itemY - y) <= 3 && m_view.m_nPictureState == kNoTip &&
            m_doc.spec.m_nPointPopup == 1)
            ShowRouteTip(dc, int(i), x, y);
        if (int(caught.size()) == kCatchesPerMove)
            break;
    }
    const bool insideTip = x >= m_nTipLeft && x <= m_nTipRight && y >= m_nTipTop && y <= m_nTipBottom;
    if (!insideTip && m_view.m_nPictureState == kTipShown) {
        dc.TextOut(15, 5, std::string(69, ' '));
        m_view.SaveRestorePatch(1, m_view.m_nSavedX, m_view.m_nSavedY, 0, 0, 270, 40);
        m_view.m_nPictureState = kNoTip;
    }
    if (caught.empty())
        return;

    ViewNavigation& nav = *m_view.m_pNavigation;
    int& count = m_view.m_nRoutePointCount;
    const bool empty = count <= 0;
    if (empty) {
        count = 0;
        m_nRouteDrawn = 0;
    }
    for (int item : caught) {
        if (count >= kMaxRoutePoints)
            break;
        bool known = false;
        for (int k = 0; k < count && !known; ++k)
            known = nav.RouteItem(k) == item;
        if (!known)
            nav.AppendRoutePoint(item, m_doc.m_anHitX[std::size_t(item)], m_doc.m_anHitY[std::size_t(item)]);
    }
    const vd::Pen previousPen = dc.SelectObject(m_routeDrawingPen);
    const int previousRop = dc.SetROP2(vd::R2_NOTXORPEN);
    for (int k = std::max(m_nRouteDrawn, 0); k + 1 < count; ++k) {
        const vd::Point& from = m_doc.routes.m_aptRoutePoint[std::size_t(k)];
        const vd::Point& to = m_doc.routes.m_aptRoutePoint[std::size_t(k + 1)];
        dc.MoveTo(from.x, from.y);
        dc.LineTo(to.x, to.y);
    }
    dc.SetROP2(previousRop);
    dc.SelectObject(previousPen);
    m_nRouteDrawn = std::max(count - 1, 0);
    m_view.m_strMouseButtonState = "RouteLineData";
}

void RouteAreaMaps::ShowRouteTip(vd::Dc& dc, int item, int x, int y)
{
    const std::string& record = m_doc.m_astrHitRecord[std::size_t(item)];
    const std::string text = std::string(LineField(record, 0)) + "/" + std::string(LineField(record, 3));
    m_view.m_nSavedX = x - 10;
    m_view.m_nSavedY = y - 30;
    m_view.SaveRestorePatch(0, m_view.m_nSavedX, m_view.m_nSavedY, 0, 0, 270, 40);
    dc.TextOut(x - 10, y - 30, text);
    const int itemX = m_doc.m_anHitX[std::size_t(item)], itemY = m_doc.m_anHitY[std::size_t(item)];
    m_nTipLeft = itemX - 3;
    m_nTipRight = itemX + 3;
    m_nTipTop = itemY - 3;
    m_nTipBottom = itemY + 3;
    m_view.m_nPictureState = kTipShown;
}

int RouteAreaMaps::SearchRadius(int y) const
{
    OnUnitLength_fn* unitLength = Dovanne().OnUnitLength.fn;
    if (!unitLength)
        return 0;
    const CVeldoranDoc& doc = m_doc;
    const float size = static_cast<float>(doc.environment.m_nAreaSizeKm);
    float radius = 0;
    if (doc.position.m_nMapFrame == 2 && doc.position.m_nMapType == 2) {
        const float scale = doc.m_fMapScale;
        const float latitude = doc.m_fRefLatitude - static_cast<float>(y) * scale;
        const int degrees = static_cast<int>(latitude / 10000);
        const float u = static_cast<float>(unitLength("ew", vd::format("%d", degrees)));
        const bool onePrefecture =
            doc.position.m_nPrefectureSel > 3 && doc.position.m_nPrefecture >= 1 && doc.position.m_nPrefecture <= 45;
        const float k = onePrefecture ? LatitudeRatioAt(doc.latitudeRatios.m_afLatitudeRatio, degrees)
                                      : 1.408f - (450000.0f - latitude) * 1.5549999e-6f;
        if (!(u > 0) || scale == 0 || k == 0)
            return 0;
        radius = size * 0.5f * 1000.0f / u * 2.7777777f / scale / k;
    } else {
        const float u = static_cast<float>(unitLength("ew", doc.m_astrMapEntry[2]));
        if (!(u > 0))
            return 0;
        radius = size * 0.5f * (doc.m_fWhiteZoomX * 320.0f) / (u * 3.6f);
    }
    if (!(radius > 0) || radius > 32767)
        return 0;
    return static_cast<int>(radius);
}

void RouteAreaMaps::DrawSearchFigure(vd::Dc& dc, vd::ui::Point centre, int r) const
{
    const vd::Pen previousPen = dc.SelectObject(m_areaPen);
    vd::Brush hollow;
    hollow.CreateHollowBrush();
    const vd::Brush previousBrush = dc.SelectObject(hollow);
    const int previousRop = dc.SetROP2(vd::R2_NOTXORPEN);
    const int x = centre.x, y = centre.y;
    if (m_doc.environment.m_nAreaShape != 0) {
        dc.MoveTo(x - r, y - r);
        dc.LineTo(x + r, y - r);
        dc.LineTo(x + r, y + r);
        dc.LineTo(x - r, y + r);
        dc.LineTo(x - r, y - r);
    } else {
        dc.Ellipse(x - r, y - r, x + r, y + r);
    }
    dc.SetROP2(previousRop);
    dc.SelectObject(previousBrush);
    dc.SelectObject(previousPen);
}

int RouteAreaMaps::DrawSearchArea(vd::Dc& dc, int x, int y, int mode)
{
    const vd::ui::Point centre = mode == -1 ? m_ptSearchCentre : vd::ui::Point{x, y};
    const int radius = SearchRadius(centre.y);
    if (radius <= 0)
        return 0;
    DrawSearchFigure(dc, centre, radius);
    if (mode == -1) {
        m_strSearchState.clear();
    } else {
        m_ptSearchCentre = centre;
        m_strSearchState = "circle";
    }
    return radius;
}

int RouteAreaMaps::CollectItemsInArea(int x, int y, int radius, int square)
{
    int n = 0;
    const long long r = radius;
    for (std::size_t i = 0; i < kShownItems && m_doc.m_astrHitRecord[i] != "999" && n < kMaxAreaItems; ++i) {
        const std::string& record = m_doc.m_astrHitRecord[i];
        if (Contains(record, ".al") || Contains(record, ".ht") || Contains(record, "http"))
            continue;
        const long long dx = m_doc.m_anHitX[i] - x, dy = m_doc.m_anHitY[i] - y;
        const bool inside = square != 0 ? (std::llabs(dx) <= r && std::llabs(dy) <= r) : dx * dx + dy * dy <= r * r;
        if (!inside)
            continue;
        m_doc.routes.m_astrRoutePoint[std::size_t(n)] = record;
        m_doc.routes.m_aptRoutePoint[std::size_t(n)] = {m_doc.m_anHitX[i], m_doc.m_anHitY[i]};
        ++n;
    }
    m_doc.routes.m_astrRoutePoint[std::size_t(n)] = "999";
    m_view.m_nRoutePointCount = n > 0 ? n - 1 : 0;
    return n;
}
