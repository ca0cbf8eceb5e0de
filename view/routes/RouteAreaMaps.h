#pragma once
// The view's route and area maps: the index of every registered route and area map over the
// overview (map mode 1), the 3 x 3 sheet block around a loaded route (map mode 3), a new route
// drawn by dragging over registered points, and the area search of a double click (a circle or
// square whose registered items are collected for album play). The view owns one (m_pRouteMaps):
// its mouse and its repaint call it.
#include "platform/dc/GdiObjects.h"
#include "platform/ui/Geometry.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

class CVeldoranView;
class CVeldoranDoc;
namespace vd {
class Dc;
}

// A D.MMSS text read the way the index map reads it: the digits after the point as hundredths
// of a minute, d + (v - d) x 5/3 degrees ("35.3030" is 35.505 degrees).
double IndexMapDegrees(std::string_view text);

// The 4-digit first-level mesh code of a point's D.MMSS texts: (degrees x 60 + minutes) / 40 and
// the two longitude digits after the first ("135.3000" gives "35"); 0 for texts without them.
int RouteMeshCode(std::string_view latitude, std::string_view longitude);

// The route points while a route is dragged and the area search's figure.
class RouteAreaMaps {
public:
    static constexpr int kMaxRoutePoints = 100;
    static constexpr int kMaxAreaItems = 50;
    static constexpr int kMaxBlockRecords = 200;

    explicit RouteAreaMaps(CVeldoranView& view);

    void DrawRouteAreaMaster(vd::Dc& dc);
    void ShowRouteAreaSheets();
    void HoverRoutePoint(vd::Dc& dc, int x, int y);
    // The search figure's radius in pixels (0: no search possible). Mode 0 draws the figure at
    // (x, y), -1 erases the one drawn last.
    int DrawSearchArea(vd::Dc& dc, int x, int y, int mode);
    int SearchRadius(int y) const;
    // The registered items inside the figure become the route list; the number taken.
    int CollectItemsInArea(int x, int y, int radius, int square);

    // The pens and brushes of route n (by n mod 4), of area points and of a route being drawn.
    const vd::Pen& RoutePen(int n) const { return m_aRoutePen[std::size_t(n % 4)]; }
    const vd::Brush& RouteBrush(int n) const { return m_aRouteBrush[std::size_t(n % 4)]; }

    vd::ui::Point m_ptSearchCentre{};
    std::string m_strSearchState; // "circle" while a figure is drawn
    int m_nRouteDrawn = 0;        // the last route point already joined by a line

private:
    CVeldoranView& m_view;
    CVeldoranDoc& m_doc;
    std::array<vd::Pen, 4> m_aRoutePen;
    std::array<vd::Brush, 4> m_aRouteBrush;
    vd::Pen m_areaPen;
    vd::Pen m_routeDrawingPen;
    vd::Brush m_pageBrush;
    vd::ui::Point m_ptLastCatch{-1000, -1000};
    // The box of the item whose name tip is shown.
    int m_nTipLeft = 0, m_nTipTop = 0, m_nTipRight = -1, m_nTipBottom = -1;

    std::optional<vd::ui::Point> IndexPoint(const std::string& line) const;
    void AddShownItem(int& count, const std::string& name, const std::string& line, const char* kind,
                      const std::string& file, vd::ui::Point at);
    void PlaceIndexButtons();
    void ShowRouteTip(vd::Dc& dc, int item, int x, int y);
    void DrawSearchFigure(vd::Dc& dc, vd::ui::Point centre, int radius) const;
};
