#include "layers/render/surfaces/SurfaceLayer.h"

#include "layers/render/lines/LineLayerData.h"
#include "layers/render/points/PointColumns.h"

#include <algorithm>
#include <climits>

namespace surfaces {

namespace {

constexpr int kWideStep = 3500; // arc-seconds of map width

int RoundDown(int value, int step)
{
    const int r = value % step;
    return r < 0 ? value - r - step : value - r;
}

} // namespace

CellLimits AcceptedCells(const CLayerRenderer& r, int latitudeStep, int longitudeStep)
{
    CellLimits limits{r.South, r.West, r.North, r.East};
    if (r.DetailLevel == kFullDetail) {
        limits.south = RoundDown(r.South, latitudeStep);
        limits.west = RoundDown(r.West, longitudeStep);
    }
    return limits;
}

meshcode::MeshCorner SecondLevelCorner(std::string_view line, int start)
{
    const std::string code(points::Column(line, start, 6));
    const auto digits = [&](int first, int count) { return meshcode::CodeDigits(code, first, count); };
    return {digits(0, 2) * meshcode::kFirstMeshLatitudeSeconds + digits(4, 1) * meshcode::kSecondMeshLatitudeSeconds,
            digits(2, 2) * meshcode::kFirstMeshLongitudeSeconds + meshcode::kLongitudeCodeBase +
                digits(5, 1) * meshcode::kSecondMeshLongitudeSeconds};
}

std::optional<ScreenPoint> ClipPoint(const CLayerRenderer& r, int latitude, int longitude)
{
    if (r.DetailLevel == kFullDetail) {
        latitude = std::clamp(latitude, std::min(r.South, r.North), std::max(r.South, r.North));
        longitude = std::clamp(longitude, std::min(r.West, r.East), std::max(r.West, r.East));
    } else if (!r.InDrawExtent(latitude, longitude)) {
        return std::nullopt;
    }
    return r.ToScreen(latitude, longitude);
}

int SurfaceCellCount(CLayerRenderer& r, int cellCount)
{
    if (cellCount == -1)
        return r.BlockCellCount();
    if (cellCount == 1)
        r.DetailLevel = kFullDetail;
    return cellCount;
}

SurfaceTools::SurfaceTools(CLayerRenderer& r, int mode, int fillFlag)
    : r_(r), fillFlag_(fillFlag), previous_(r.DeviceContext.GetCurrentBrush())
{
    r.SetDrawingTools(mode, r.ItemCode, fillFlag);
    layer_ = r.DeviceContext.GetCurrentBrush();
}

void SurfaceTools::ForProgress() const
{
    if (fillFlag_ == 1)
        r_.DeviceContext.SelectObject(previous_);
}

void SurfaceTools::ForDrawing() const
{
    if (fillFlag_ == 1)
        r_.DeviceContext.SelectObject(layer_);
}

SurfaceTools::~SurfaceTools() { r_.SetDrawingTools(2, 0, fillFlag_); }

int EarlyEndLimit(const CLayerRenderer& r, int cellCount, int narrow, int perStep, int block)
{
    if (block > 0 && cellCount > 1 && r.DetailLevel == kFullDetail)
        return block;
    const long long steps = (static_cast<long long>(r.East) - r.West) / kWideStep;
    if (steps <= 1)
        return narrow;
    return steps > INT_MAX / perStep ? INT_MAX : int(steps) * perStep;
}

PrefectureFiles::PrefectureFiles(CLayerRenderer& r, int cellCount, int stemLength) : r_(r)
{
    if (cellCount == 1)
        r.DetailLevel = kFullDetail;
    walk_ = PrepareLineLayer(r, cellCount, false, stemLength);
    ApplyAttributeCells(r, walk_);
}

void PrefectureFiles::ForEach(const SurfaceTools& tools, const std::function<void(const std::string&)>& visit)
{
    // The shared cell loop shows the progress before each cell's files.
    tools.ForProgress();
    r_.ForEachCellPrefecture(walk_, [&](const std::string& prefecture) {
        tools.ForDrawing();
        visit(r_.DataSetPath + prefecture + ".txt");
        tools.ForProgress();
    });
    tools.ForDrawing();
}

} // namespace surfaces
