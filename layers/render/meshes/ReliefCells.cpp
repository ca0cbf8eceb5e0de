#include "layers/render/meshes/ReliefCells.h"

#include "layers/render/meshes/MeshLayer.h"
#include "layers/render/meshes/SolidRuns.h"
#include "meshcode/MeshCode.h"
#include "meshcode/Truncate.h"

#include <algorithm>

namespace meshes {

namespace {

constexpr vd::COLORREF kTopClassColour = vd::RGB(88, 0, 0);

std::array<vd::COLORREF, kReliefClasses> ReliefClassColours()
{
    std::array<vd::COLORREF, kReliefClasses> colours{};
    for (int k = 0; k < kReliefClasses - 1; ++k)
        colours[std::size_t(k)] = CLayerRenderer::ClassRampColour(k);
    colours.back() = kTopClassColour;
    return colours;
}

bool HasBlockGrid(int cellCount) { return cellCount == 1 || cellCount == 4 || cellCount == 9 || cellCount == 25; }

} // namespace

ReliefCells::ReliefCells(CLayerRenderer& r)
    : r_(r), areaKind_(r.AreaKind), sheetMode_(r.WideAreaMode % 10), sheetShift_(r.WideAreaMode / 10),
      shades_(ReliefClassColours())
{
    const meshcode::WideAreaBlock block{r.AreaKind,  r.WideAreaMode, r.BlockMode,   r.WideAreaName,
                                        r.MeshCode,  r.BlockCentre3, r.BlockCentre5};
    grid_.Read(r.DataFolder + meshcode::kReliefFileName, meshcode::ReliefGridOf(block));
}

void ReliefCells::SizeSubCells()
{
    const float n = float(grid_.Spec().subCells);
    const int extra = r_.DetailLevel == kFullDetail ? 2 : 0;
    width_ = 1 + meshcode::TruncateToInt(45 * r_.XScale / n) + extra;
    height_ = 1 + meshcode::TruncateToInt(30 * r_.YScale / n) + extra;
}

void ReliefCells::SetBlock(int cellCount, int n, const std::string& code)
{
    if (areaKind_ == 3) {
        grid_.SetOrigin(meshcode::CellGridOrigin(1, 0, 0, 0, 3, r_.MeshCode, sheetMode_, sheetShift_));
        return;
    }
    if (!HasBlockGrid(cellCount)) {
        grid_.SetOrigin({});
        return;
    }
    const meshcode::MeshCorner corner = meshcode::FirstMeshCorner(code);
    grid_.SetOrigin(meshcode::CellGridOrigin(cellCount, n, corner.longitude, corner.latitude, areaKind_, r_.MeshCode,
                                             sheetMode_, sheetShift_));
}

void ReliefCells::Fill(int latitude, int longitude, int cls)
{
    const std::size_t k = std::size_t(std::clamp(cls, 0, kReliefClasses - 1));
    const int n = std::max(grid_.Spec().subCells, 1);
    SolidRuns runs(r_.DeviceContext);
    for (int s = 0; s < n * n; ++s) {
        const int lat = latitude + (s / n) * meshcode::kThirdMeshLatitudeSeconds / n;
        const int lon = longitude + (s % n) * meshcode::kThirdMeshLongitudeSeconds / n;
        if (lat < r_.South || lat >= r_.North || lon < r_.West || lon >= r_.East)
            continue;
        const ScreenPoint p = r_.ToScreen(lat, lon);
        runs.Fill(p.x, p.y - height_, width_, height_, shades_.At(k, grid_.Level(lat, lon)));
    }
}

} // namespace meshes
