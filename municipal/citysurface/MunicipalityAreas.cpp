#include "municipal/citysurface/MunicipalityAreas.h"

#include "municipal/SurrickText.h"
#include "municipal/citysurface/MunicipalityColour.h"

#include <algorithm>

namespace surrick {

namespace {

// Tenths of an arc-second to arc-seconds.
constexpr int kTenths = 10;

} // namespace

MunicipalityTools::MunicipalityTools(CMunicipalityRenderer& r, int polygonColourCode) : r_(r)
{
    r.m_penPolygon = MunicipalityPolygonPen(polygonColourCode);
    r.m_penCoastline = MunicipalityCoastlinePen(r.m_nCoastlinePenCode);
    r.m_fontLabel = MapFont(LabelFontHeight(r), kMinchoFace);
    callerPen_ = r.m_dc.SelectObject(r.m_penStart);
    r.m_dc.SelectObject(r.m_penPolygon);
    if (r.m_nFillFlag == 1) {
        r.m_brushFill = MunicipalityFillBrush(r.m_nColourCode);
        callerBrush_ = r.m_dc.SelectObject(r.m_brushFill);
        brushSelected_ = true;
    }
    r.m_dc.SetBkMode(vd::TRANSPARENT);
    callerFont_ = r.m_dc.SelectObject(r.m_fontLabel);
}

MunicipalityTools::~MunicipalityTools()
{
    r_.m_dc.SelectObject(callerPen_);
    if (brushSelected_)
        r_.m_dc.SelectObject(callerBrush_);
    r_.m_dc.SelectObject(callerFont_);
    r_.m_dc.SetBkMode(vd::OPAQUE);
    r_.m_penPolygon.DeleteObject();
    r_.m_penCoastline.DeleteObject();
    r_.m_brushFill.DeleteObject();
}

int LabelFontHeight(const CMunicipalityRenderer& r)
{
    if (r.m_nCellCount == -888)
        return 12;
    if (r.m_nCellCount == -999)
        return 11;
    return r.m_nDetailLevel != 3 && r.m_nCellCount != 1 ? 9 : 10;
}

std::vector<vd::Point> ProjectArea(const CMunicipalityRenderer& r, const municipal::BoundaryArea& area)
{
    std::vector<vd::Point> points;
    for (const municipal::BoundaryPoint& p : area.points) {
        if (p.longitudeTenthSeconds == 0)
            continue;
        int longitude = p.longitudeTenthSeconds / kTenths;
        int latitude = p.latitudeTenthSeconds / kTenths;
        if (!r.KeepsPoint(longitude, latitude))
            continue;
        r.ClampToExtent(longitude, latitude);
        points.push_back(r.Project(longitude, latitude));
    }
    return points;
}

void DrawArea(CMunicipalityRenderer& r, const std::vector<vd::Point>& points, bool fill)
{
    if (points.empty())
        return;
    if (fill)
        r.m_dc.Polygon(points);
    else
        r.m_dc.Polyline(points);
}

std::optional<vd::Point> LabelPoint(const CMunicipalityRenderer& r, const std::vector<vd::Point>& points)
{
    if (points.empty())
        return std::nullopt;
    long long sumX = 0;
    long long sumY = 0;
    for (const vd::Point& p : points) {
        sumX += p.x;
        sumY += p.y;
    }
    const long long n = static_cast<long long>(points.size());
    const vd::Point mean{static_cast<int>(sumX / n), static_cast<int>(sumY / n)};
    const vd::Point northWest = r.Project(r.m_nWest, r.m_nNorth);
    const vd::Point southEast = r.Project(r.m_nEast, r.m_nSouth);
    const int left = std::min(northWest.x, southEast.x);
    const int right = std::max(northWest.x, southEast.x);
    const int top = std::min(northWest.y, southEast.y);
    const int bottom = std::max(northWest.y, southEast.y);
    if (mean.x > left && mean.x < right && mean.y > top && mean.y < bottom)
        return mean;
    return std::nullopt;
}

} // namespace surrick
