#include "layers/render/meshes/SubdividedCells.h"

#include "layers/render/meshes/MeshLayer.h"
#include "meshcode/MeshRecordPosition.h"
#include "meshcode/Truncate.h"

namespace meshes {

SubCellPainter::SubCellPainter(const CLayerRenderer& r, bool fullDetailRule)
{
    const bool large = meshcode::TruncateToInt(r.XScale * 4.5f) > 1 || meshcode::TruncateToInt(r.YScale * 3.0f) > 1;
    width_ = meshcode::TruncateToInt(r.XScale * 9.0f);
    height_ = meshcode::TruncateToInt(r.YScale * 6.0f);
    if (large)
        return;
    if (fullDetailRule && r.DetailLevel == kFullDetail && width_ != 0) {
        if (height_ == 0)
            height_ = width_;
        return;
    }
    pixels_ = true;
}

void SubCellPainter::Paint(vd::Dc& dc, ScreenPoint p, vd::COLORREF colour) const
{
    if (pixels_) {
        dc.SetPixel(p.x, p.y, colour);
        dc.SetPixel(p.x + 1, p.y, colour);
        return;
    }
    dc.FillSolidRect(p.x, p.y, width_, height_, colour);
}

void SubCellPainter::Paint(SolidRuns& runs, ScreenPoint p, vd::COLORREF colour) const
{
    if (pixels_) {
        runs.Flush();
        Paint(runs.Context(), p, colour);
        return;
    }
    runs.Fill(p.x, p.y, width_, height_, colour);
}

std::optional<meshcode::MeshCorner> SubdividedRecordCell(const CLayerRenderer& r, std::string_view line)
{
    return meshcode::ThirdMeshRecordCorner(line, {r.GridWest, r.GridSouth, r.North, r.East});
}

} // namespace meshes
