// The boundary themes of format 2: DrawSurfaceBoundaries (designated areas, kinds 0-2) over the
// prefecture files and DrawCountrySurfaceA (boundaries between two coded areas) over one
// whole-country file.
#include "layers/render/LayerRenderer.h"
#include "layers/render/points/PointColumns.h"
#include "layers/render/points/PointLayer.h"
#include "layers/render/surfaces/SurfaceBoundaries.h"
#include "layers/render/surfaces/SurfaceLayer.h"

#include <utility>

using points::Column;
using points::ColumnText;

namespace {

constexpr int kBoundaryStem = 9;
constexpr int kZoningKind = 0;

void DrawBoundary(vd::Dc& dc, const std::vector<vd::Point>& points, int fillFlag)
{
    if (fillFlag == 1)
        dc.Polygon(points);
    else
        dc.Polyline(points);
}

} // namespace

void CLayerRenderer::DrawSurfaceBoundaries(int cellCount, int fillFlag, int labelFlag, int kind, std::string flagText)
{
    ParseOptionList(std::move(flagText));
    surfaces::PrefectureFiles files(*this, cellCount, kBoundaryStem);
    const surfaces::SurfaceTools tools(*this, 1, fillFlag);
    const points::LabelFont font(*this, 1);
    const surfaces::CellLimits cells = surfaces::AcceptedCells(*this);
    // Kind 0 tells boundaries between areas of one class (dotted) from the others (solid).
    const vd::COLORREF colour = LinePen(ItemCode % 11).Colour();
    const vd::Pen dotted(vd::PS_DOT, 1, colour);
    const vd::Pen solid(vd::PS_SOLID, 1, colour);
    const surfaces::BoundaryLayout layout{41, kind != kZoningKind};

    files.ForEach(tools, [&](const std::string& path) {
        points::ForEachLine(path, [&](std::string_view line) {
            const std::string left(Column(line, 30, 1));
            const std::string right(Column(line, 40, 1));
            const bool bothZero = points::ColumnNumber(line, 30, 1) == 0 && points::ColumnNumber(line, 40, 1) == 0;
            if (bothZero || !cells.Contains(surfaces::SecondLevelCorner(line, 0)))
                return true;
            const auto boundary = surfaces::BoundaryPoints(*this, line, layout);
            if (!boundary || boundary->empty())
                return true;
            if (kind == kZoningKind && fillFlag != 1) {
                const vd::Pen kept = DeviceContext.SelectObject(left == right ? dotted : solid);
                DeviceContext.Polyline(*boundary);
                DeviceContext.SelectObject(kept);
            } else {
                DrawBoundary(DeviceContext, *boundary, fillFlag);
            }
            if (labelFlag == 1 && left != right)
                DrawEndLabels(boundary->front().x, boundary->front().y, boundary->back().x, boundary->back().y,
                              ColumnText(line, 30, 1), ColumnText(line, 40, 1));
            return true;
        });
    });
}

void CLayerRenderer::DrawCountrySurfaceA(int cellCount, int fillFlag, int labelFlag, std::string flagText)
{
    ParseOptionList(flagText);
    const bool filter = points::FiltersPrefectures(*this, flagText);
    const int count = surfaces::SurfaceCellCount(*this, cellCount);
    const surfaces::SurfaceTools tools(*this, 1, fillFlag);
    const points::LabelFont font(*this, cellCount);
    const surfaces::CellLimits cells = surfaces::AcceptedCells(*this, 300, 450);
    surfaces::EarlyEnd early{surfaces::EarlyEndLimit(*this, count, 2000, 10000, 20000)};
    const surfaces::BoundaryLayout layout{42, false};

    points::ForEachLine(DataSetPath, [&](std::string_view line) {
        const bool selected =
            points::PrefectureSelected(*this, filter, line, 20) || points::PrefectureSelected(*this, filter, line, 31);
        const std::string_view left = Column(line, 25, 6);
        const std::string_view right = Column(line, 36, 6);
        if (!selected || left == right || left == "000000" || right == "000000")
            return true;
        if (!cells.Contains(surfaces::SecondLevelCorner(line, 0)))
            return !early.Outside();
        const auto boundary = surfaces::BoundaryPoints(*this, line, layout);
        if (!boundary)
            return !early.Outside();
        if (boundary->empty())
            return true;
        DrawBoundary(DeviceContext, *boundary, fillFlag);
        early.Drawn();
        if (labelFlag == 1)
            DrawEndLabels(boundary->front().x, boundary->front().y, boundary->back().x, boundary->back().y,
                          ColumnText(line, 25, 6), ColumnText(line, 36, 6));
        return true;
    });
}
