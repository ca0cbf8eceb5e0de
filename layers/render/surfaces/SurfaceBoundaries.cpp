#include "layers/render/surfaces/SurfaceBoundaries.h"

#include "layers/render/points/PointColumns.h"
#include "layers/render/surfaces/SurfaceLayer.h"
#include "layers/render/surfaces/SurfaceParts.h"

namespace surfaces {

namespace {

constexpr int kPoints = 11;
constexpr int kLastPoint = 10;

} // namespace

std::optional<std::vector<vd::Point>> BoundaryPoints(const CLayerRenderer& r, std::string_view line,
                                                     const BoundaryLayout& layout)
{
    const meshcode::MeshCorner cell = SecondLevelCorner(line, 0);
    std::vector<vd::Point> points;
    for (int k = 0; k < kPoints; ++k) {
        int column = layout.firstX + 10 * k;
        if (column >= int(line.size()))
            break;
        const int x = points::ColumnNumber(line, column, 5);
        const bool filler = x == kFillerX;
        if (filler && !layout.fillerTakesLastPoint)
            break;
        if (filler) {
            column = layout.firstX + 10 * kLastPoint;
            if (column >= int(line.size()))
                break;
        }
        const int px = filler ? points::ColumnNumber(line, column, 5) : x;
        const int py = points::ColumnNumber(line, column + 5, 5);
        const std::optional<ScreenPoint> at =
            ClipPoint(r, cell.latitude + Scaled(py, 0.03), cell.longitude + Scaled(px, 0.045));
        if (!at)
            return std::nullopt;
        points.push_back({at->x, at->y});
        if (filler)
            break;
    }
    return points;
}

} // namespace surfaces
