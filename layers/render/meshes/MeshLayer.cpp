#include "layers/render/meshes/MeshLayer.h"
#include "platform/fs/RawFields.h"

#include "layers/render/lines/LineLayerData.h"
#include "meshcode/MeshCode.h"
#include "meshcode/Truncate.h"
#include "platform/text/Numbers.h"

#include <climits>
#include <cmath>

namespace meshes {

namespace {

constexpr int kCellLatitude = 30; // arc-seconds of a third-order cell
constexpr int kCellLongitude = 45;
constexpr int kNarrowLimit = 5000;
constexpr int kWideLimitPerStep = 10000;
constexpr int kWideStep = 3500; // arc-seconds of map width
constexpr int kBlockLimit = 20000;

int FloorTo(int value, int step)
{
    const int rest = value % step;
    return rest < 0 ? value - rest - step : value - rest;
}

} // namespace

MeshPen::MeshPen(CLayerRenderer& r, int number) : r_(r), kept_(r.DeviceContext.SelectObject(r.StockPen(number)))
{
    r.SelectLinePen(r.ItemCode);
}

MeshPen::~MeshPen()
{
    r_.DeviceContext.SetBkMode(vd::OPAQUE);
    r_.DeviceContext.SelectObject(kept_);
}

bool SetMeshLimits(CLayerRenderer& r, bool roundToCells)
{
    r.GridSouth = r.South;
    r.GridWest = r.West;
    if (!roundToCells || r.DetailLevel != kFullDetail)
        return false;
    r.GridSouth = FloorTo(r.South, kCellLatitude);
    r.GridWest = FloorTo(r.West, kCellLongitude);
    return true;
}

CellSize FitCellGrid(CLayerRenderer& r, int blockCount)
{
    const std::string text = meshcode::CellSizeText(blockCount, r.XOrigin, r.YOrigin, r.XScale, r.YScale, r.MeshCode);
    // "width/height/x/y" in thousandths.
    double values[4] = {};
    std::size_t start = 0;
    for (double& v : values) {
        const std::size_t end = text.find('/', start);
        v = vd::parseDouble(std::string_view(text).substr(start, end == std::string::npos ? end : end - start));
        start = end == std::string::npos ? text.size() : end + 1;
    }
    r.XOrigin = float(values[2] * 0.001);
    r.YOrigin = float(values[3] * 0.001);
    return {meshcode::TruncateToInt(float(values[0] * 0.001)), meshcode::TruncateToInt(float(values[1] * 0.001))};
}

int MeshReadLimit(const CLayerRenderer& r, int blockCount)
{
    if (blockCount > 1 && r.DetailLevel == kFullDetail)
        return kBlockLimit;
    const long long steps = (static_cast<long long>(r.East) - r.West) / kWideStep;
    if (steps < 2)
        return kNarrowLimit;
    return steps > INT_MAX / kWideLimitPerStep ? INT_MAX : int(steps) * kWideLimitPerStep;
}

void BeginLabels(CLayerRenderer& r, int blockCount)
{
    r.SetDrawingTools(3, blockCount, 0);
    r.DeviceContext.SetBkMode(vd::TRANSPARENT);
}

void FinishLabels(CLayerRenderer& r, int fontCode)
{
    r.DeviceContext.SetBkColor(vd::RGB(255, 255, 255));
    r.SetDrawingTools(4, 0, 0);
    r.SetDrawingTools(3, fontCode, 0);
}

int ColumnValue(std::string_view line, std::size_t column, std::size_t width)
{
    if (column >= line.size())
        return 0;
    return vd::rawFieldInt(line, int(column), int(std::min<std::size_t>(width, INT_MAX)));
}

void ApplyMeshAttributeCells(CLayerRenderer& r, CLayerRenderer::CellWalk& walk, bool takeFourCells)
{
    if (takeFourCells) {
        ApplyAttributeCells(r, walk);
        return;
    }
    if (r.AreaKind != 3)
        return;
    r.ParseAttributeNames(r.WideAreaMode, r.BlockCentre3);
    r.WideAreaMode /= 10;
}

} // namespace meshes
