#include "layers/render/lines/LineLayerData.h"

#include "platform/dc/GdiConstants.h"
#include "platform/text/Cp932Text.h"
#include "platform/text/Numbers.h"

#include <vector>

namespace {

constexpr int kAttributeCells = 4;

} // namespace

std::string LineDataBase(std::string_view dataSetPath, int stemLength)
{
    const std::size_t open = dataSetPath.find('(');
    if (open == std::string_view::npos)
        return vd::cp932Left(dataSetPath, stemLength);
    return std::string(dataSetPath.substr(0, open)) + vd::cp932Left(dataSetPath.substr(open + 1), stemLength);
}

CLayerRenderer::CellWalk PrepareLineLayer(CLayerRenderer& r, int cellCount, bool roadOption, int stemLength)
{
    CLayerRenderer::CellWalk walk;
    walk.mode = cellCount;
    walk.roadOption = roadOption;
    if (cellCount == -1) {
        walk.cellCount = r.BlockCellCount();
        walk.meshNumber = vd::parseInt(vd::cp932Left(r.MeshCode, 4));
    } else {
        walk.cellCount = cellCount;
        walk.meshNumber = vd::parseInt(r.MeshCode);
    }
    r.DataSetPath = LineDataBase(r.DataSetPath, stemLength);
    return walk;
}

void ApplyAttributeCells(CLayerRenderer& r, CLayerRenderer::CellWalk& walk)
{
    if (r.AreaKind != 3)
        return;
    if (r.ParseAttributeNames(r.WideAreaMode, r.BlockCentre3) == 1) {
        walk.attributeCells = true;
        walk.cellCount = kAttributeCells;
    }
    r.WideAreaMode /= 10;
}

void DrawLineRecordPoints(CLayerRenderer& r, LineRecordReader& reader, const LineRecordHeader& header,
                          int longitudeShift)
{
    vd::Dc& dc = r.DeviceContext;
    // A solid 1-pixel polyline sets exactly the pixels of its segments drawn one by one where the
    // Dc draws the lines itself (a picture) and a logical unit is a pixel: there each run of points
    // inside the extent goes as one call, the current position left on its last point as before.
    const vd::Pen& pen = dc.GetCurrentPen();
    const bool asPolylines = dc.GetMapMode() == vd::MM_TEXT && pen.Width() <= 1 && pen.Style() == vd::PS_SOLID &&
                             !dc.GetSurface().IsNull();
    thread_local std::vector<vd::Point> run;
    run.clear();
    const auto drawRun = [&] {
        if (run.size() >= 2 && asPolylines) {
            dc.Polyline(run.data(), int(run.size()));
            dc.MoveTo(run.back());
        } else if (!run.empty()) {
            dc.MoveTo(run.front());
            for (std::size_t k = 1; k < run.size(); ++k)
                dc.LineTo(run[k]);
        }
        run.clear();
    };
    LinePoint point;
    for (int i = 0; i < header.pointCount && reader.nextPoint(point); ++i) {
        const int latitude = point.latitudeTenths / 10;
        const int longitude = point.longitudeTenths / 10 - longitudeShift;
        if (latitude < r.South || latitude > r.North || longitude < r.West || longitude > r.East) {
            drawRun();
            continue;
        }
        const ScreenPoint at = r.ToScreen(latitude, longitude);
        run.push_back({at.x, at.y});
    }
    drawRun();
}
