#include "layers/render/lines/LineLayerData.h"

#include "platform/dc/PointRuns.h"
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
    // Each run of points inside the extent goes as one call where that sets the same pixels.
    thread_local std::vector<vd::Point> points;
    vd::PointRun run(dc, points);
    LinePoint point;
    for (int i = 0; i < header.pointCount && reader.nextPoint(point); ++i) {
        const int latitude = point.latitudeTenths / 10;
        const int longitude = point.longitudeTenths / 10 - longitudeShift;
        if (latitude < r.South || latitude > r.North || longitude < r.West || longitude > r.East) {
            run.End();
            continue;
        }
        const ScreenPoint at = r.ToScreen(latitude, longitude);
        run.Add({at.x, at.y});
    }
    run.End();
}
