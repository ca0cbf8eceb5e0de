#pragma once
// What the 1/10 subdivided mesh members share: the sub-cell corners of a third-level record,
// the size a sub-cell is painted at, and the painting itself.
#include "layers/render/LayerRenderer.h"
#include "layers/render/meshes/SolidRuns.h"
#include "meshcode/MeshCode.h"

#include <string_view>

namespace meshes {

inline constexpr int kSubCells = 100; // 10 x 10 per third-level cell

// The south-west corner of sub-cell j of the cell with south-west corner `cell`: rows 3 seconds
// apart, columns at 0, 4, 9, ... 40 seconds.
inline meshcode::MeshCorner SubCellCorner(meshcode::MeshCorner cell, int j)
{
    return {cell.latitude + (j / 10) * 3, cell.longitude + (j % 10) * meshcode::kThirdMeshLongitudeSeconds / 10};
}

// Rectangles trunc(sx x 9) x trunc(sy x 6), overlapping their neighbours, or two pixels side by
// side when the scale is too small (fullDetailRule: at full detail rectangles still, a height
// of 0 taking the width).
class SubCellPainter {
public:
    SubCellPainter(const CLayerRenderer& r, bool fullDetailRule);
    // The sub-cell whose south-west corner is at pixel p, top-left there.
    void Paint(vd::Dc& dc, ScreenPoint p, vd::COLORREF colour) const;
    // The same, the rectangles of a row merged into runs (the pixel pairs drawn at once).
    void Paint(SolidRuns& runs, ScreenPoint p, vd::COLORREF colour) const;

private:
    bool pixels_ = false;
    int width_ = 0;
    int height_ = 0;
};

// The third-level cell of a record (columns 5-12) when it lies in the widened window.
std::optional<meshcode::MeshCorner> SubdividedRecordCell(const CLayerRenderer& r, std::string_view line);

} // namespace meshes
