// OnWholeCoastLine: the detailed coastline of one sheet, a block of sheets or a free extent.
#include "basemap/BaseMapPens.h"
#include "basemap/MeshLines.h"
#include "basemap/drawing/DrawingGuard.h"
#include "contracts/dovanne.h"

#include <cmath>

namespace {

// Meridians at whole degrees and parallels at whole first-level mesh rows inside the clip box.
void DrawMeshGrid(vd::Dc& dc, const ArcBox& clip, const SheetPlacement& p)
{
    const vd::Pen grey(vd::PS_SOLID, 1, kGridGrey);
    const vd::Pen previous = dc.SelectObject(grey);
    const double sx = p.scaleX;
    const double sy = p.scaleY;
    const int bottom = static_cast<int>(std::trunc((clip.north - clip.south) * sy)) + p.originY;
    for (int degree = clip.west / kMeshWidthSeconds + 1; degree <= clip.east / kMeshWidthSeconds; ++degree) {
        const int x = static_cast<int>(std::trunc((degree * kMeshWidthSeconds - clip.west) * sx)) + p.originX;
        dc.MoveTo(x, p.originY);
        dc.LineTo(x, bottom);
    }
    const int right = static_cast<int>(std::trunc((clip.east - clip.west) * sx)) + p.originX;
    for (int row = clip.south / kMeshHeightSeconds + 1; row <= clip.north / kMeshHeightSeconds; ++row) {
        const int y = static_cast<int>(std::trunc((clip.north - row * kMeshHeightSeconds) * sy)) + p.originY;
        dc.MoveTo(p.originX, y);
        dc.LineTo(right, y);
    }
    dc.SelectObject(previous);
}

} // namespace

extern "C" void OnWholeCoastLine(vd::Dc* dc, int mapMode, int sheetCount, int west, int south, int originX, int originY,
                                 int east, int north, float scaleX, float scaleY, int penCode, std::string folder)
{
    GuardDrawing(dc, [&](vd::Dc& dc) {
        const auto frame = MakeSheetFrame(mapMode, sheetCount, west, south, east, north);
        if (!frame)
            return;
        const SheetPlacement placement{originX, originY, scaleX, scaleY};
        const int penNumber = penCode % 1000;
        const vd::Pen pen = CoastPen(penNumber);
        const vd::Pen previous = dc.SelectObject(pen);
        if (basemap::CoastPenHidesLine(penNumber))
            dc.SelectObject(vd::StockPen(vd::NULL_PEN));
        for (int region : CoastRegionsOfFrame(frame->meshes))
            DrawMeshLines(dc, folder + CoastFileName(region), *frame, kCoastUnitsPerMesh, placement);
        dc.SelectObject(previous);
        if (mapMode == 3 && penCode / 1000 == 1)
            DrawMeshGrid(dc, frame->clip, placement);
    });
}
