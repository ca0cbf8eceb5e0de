#include "submarine/DepthWorkGrid.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kLast = kDepthWorkGridSide - 1;
constexpr int kBlockHeightSeconds = 7200;  // 2 degrees
constexpr int kBlockWidthSeconds = 10800;  // 3 degrees
constexpr int kSecondsPerDegree = 3600;
// Cells per arc-second (15" down, 22.5" across) as the single-precision factors the rows and
// columns are computed with; a sounding on the south or east edge of the block gives 480.
constexpr float kRowsPerSecond = 0.06666667f;
constexpr float kColumnsPerSecond = 0.044444446f;

// Whole arc-seconds of a position in degrees, truncated; nullopt far outside any int.
bool ToSeconds(float degrees, int& seconds)
{
    const float value = degrees * float(kSecondsPerDegree);
    if (!(std::fabs(value) < 2.0e9f))
        return false;
    seconds = static_cast<int>(value);
    return true;
}

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
    if (!ToSeconds(sounding.latitudeDegrees, latitude) || !ToSeconds(sounding.longitudeDegrees, longitude))
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

float DepthWorkGrid::GapValue(int row, int column) const
{
    int firstRow = row - 1;
    int lastRow = row;
    int firstColumn = column - 1;
    int lastColumn = column;
    int limit = 3;
    bool edge = false;
    if (column == kLast) {
        firstColumn = kLast - 2;
        edge = true;
    } else if (row == kLast) {
        firstRow = kLast - 2;
        edge = true;
    }
    if (firstRow < 0 || firstColumn < 0)
        limit = 2;
    firstRow = std::max(firstRow, 0);
    firstColumn = std::max(firstColumn, 0);

    int emptyOrFilled = 0;
    float source = 0.0f;
    for (int c = firstColumn; c <= lastColumn; ++c)
        for (int r = firstRow; r <= lastRow; ++r) {
            const float value = At(r, c);
            if (value <= 0.0f)
                ++emptyOrFilled;
            else
                source = value;
        }
    if (source > 0.0f && (edge || emptyOrFilled < limit))
        return source;
    return 0.0f;
}

void DepthWorkGrid::FillGaps()
{
    // Filled cells are marked negative so that they serve as no source in this pass.
    for (int column = 0; column < kDepthWorkGridSide; ++column)
        for (int row = 0; row < kDepthWorkGridSide; ++row)
            if (At(row, column) == 0.0f)
                Cell(row, column) = -GapValue(row, column);
    for (float& cell : cells_)
        if (cell < 0.0f)
            cell = -cell;
}

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
