#include "basemap/LakeShapes.h"

#include <algorithm>

namespace {

// Points this far (arc-seconds) outside a corner of the view are left out rather than clamped.
constexpr int kDropMargin = 30;

bool BoxesMeet(const Lake& lake, const ArcBox& view)
{
    return lake.southWest.longitude <= view.east && view.west <= lake.northEast.longitude &&
           lake.southWest.latitude <= view.north && view.south <= lake.northEast.latitude;
}

} // namespace

std::vector<LakePoint> LakeOutlineInView(const Lake& lake, const ArcBox& view)
{
    std::vector<LakePoint> kept;
    if (!lake.closed || !BoxesMeet(lake, view))
        return kept;
    kept.reserve(lake.points.size());
    for (const LakePoint& p : lake.points) {
        const bool farEastOrWest = p.longitude < view.west - kDropMargin || p.longitude > view.east + kDropMargin;
        const bool farNorthOrSouth = p.latitude < view.south - kDropMargin || p.latitude > view.north + kDropMargin;
        if (farEastOrWest && farNorthOrSouth)
            continue;
        kept.push_back({std::clamp(p.latitude, view.south, std::max(view.south, view.north)),
                        std::clamp(p.longitude, view.west, std::max(view.west, view.east))});
    }
    return kept;
}

void DrawLakes(vd::Dc& dc, const std::string& path, const ArcBox& view, bool outlineOnly, vd::COLORREF colour,
               const std::function<PixelPoint(const LakePoint&)>& place)
{
    const vd::Pen pen(vd::PS_SOLID, 1, colour);
    const vd::Brush fill(colour);
    const vd::Pen previousPen = dc.SelectObject(pen);
    const vd::Brush previousBrush = dc.SelectObject(outlineOnly ? vd::StockBrush(vd::HOLLOW_BRUSH) : fill);
    if (const auto lakes = path.empty() ? std::nullopt : ReadLakePolygonFile(path)) {
        std::vector<vd::Point> polygon;
        for (const Lake& lake : *lakes) {
            const std::vector<LakePoint> outline = LakeOutlineInView(lake, view);
            if (outline.empty())
                continue;
            polygon.clear();
            for (const LakePoint& p : outline) {
                const PixelPoint pixel = place(p);
                polygon.push_back({pixel.x, pixel.y});
            }
            dc.Polygon(polygon);
        }
    }
    dc.SelectObject(previousPen);
    dc.SelectObject(previousBrush);
}

std::string LakeFileName(int file)
{
    if (file == 0)
        return "TLR0001.DAT";
    if (file == 1)
        return "TLR0002.DAT";
    return {};
}
