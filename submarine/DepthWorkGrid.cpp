#include "submarine/DepthWorkGrid.h"

#include "submarine/DepthGapFill.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kLast = kDepthWorkGridSide - 1;
constexpr int kBlockHeightSeconds = 7200;  // 2 degrees
constexpr int kBlockWidthSeconds = 10800;  // 3 degrees
// Cells per arc-second (15" down, 22.5" across) as the single-precision factors the rows and
// columns are computed with; a sounding on the south or east edge of the block gives 480.
constexpr float kRowsPerSecond = 0.06666667f;
constexpr float kColumnsPerSecond = 0.044444446f;

} // namespace

DepthWorkGrid::DepthWorkGrid() : cells_(std::size_t(kDepthWorkGridSide) * kDepthWorkGridSide, 0.0f) {}

void DepthWorkGrid::Clear(int northSeconds, int westSeconds)
{
    std::fill(cells_.begin(), cells_.end(), 0.0f);
    north_ = northSeconds;
    west_ = westSeconds;
}

void DepthWorkGrid::Place(const DepthSounding& sounding)
{
    // Depths are positive; anything else would be taken for a filled cell.
    if (sounding.depthMetres <= 0)
        return;
    int latitude = 0;
    int longitude = 0;
    if (!SoundingSeconds(sounding, latitude, longitude))
        return;
    const int south = north_ - kBlockHeightSeconds;
    if (latitude < south || latitude > north_ || longitude < west_ || longitude > west_ + kBlockWidthSeconds)
        return;
    const int row = static_cast<int>(float(north_ - latitude) * kRowsPerSecond);
    const int column = static_cast<int>(float(longitude - west_) * kColumnsPerSecond);
    if (row > kLast || column > kLast)
        return;
    float& cell = Cell(row, column);
    if (cell == 0.0f)
        cell = float(sounding.depthMetres);
}

void DepthWorkGrid::FillGaps() { depthgaps::FillGapsOnce(cells_, kDepthWorkGridSide, false); }

int DepthWorkGrid::DataCells(int meshRow, int meshColumn) const
{
    int count = 0;
    for (int r = 0; r < kDepthCellsPerMeshSide; ++r)
        for (int c = 0; c < kDepthCellsPerMeshSide; ++c)
            if (At(meshRow * kDepthCellsPerMeshSide + r, meshColumn * kDepthCellsPerMeshSide + c) > 0.0f)
                ++count;
    return count;
}

DepthMeshCells DepthWorkGrid::MeshCells(int meshRow, int meshColumn) const
{
    DepthMeshCells cells{};
    for (int r = 0; r < kDepthCellsPerMeshSide; ++r)
        for (int c = 0; c < kDepthCellsPerMeshSide; ++c) {
            const float value = At(meshRow * kDepthCellsPerMeshSide + r, meshColumn * kDepthCellsPerMeshSide + c);
            cells[std::size_t(r) * kDepthCellsPerMeshSide + c] =
                static_cast<std::int16_t>(static_cast<std::int64_t>(value));
        }
    return cells;
}
