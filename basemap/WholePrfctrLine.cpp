// OnWholePrfctrLine: prefecture and sub-prefecture borders of the detailed linear maps.
#include "basemap/BaseMapPens.h"
#include "basemap/MeshLines.h"
#include "basemap/drawing/DrawingGuard.h"
#include "contracts/dovanne.h"

namespace {

// Sub-prefecture borders exist only in the north: from 38 degrees 40 minutes (latitude code 58).
constexpr int kFirstSubprefectureLatitudeCode = 58;

} // namespace

extern "C" void OnWholePrfctrLine(vd::Dc* dc, int mapMode, int sheetCount, int west, int south, int originX,
                                  int originY, int east, int north, int subprefectureFlag, float scaleX, float scaleY,
                                  std::string colourName, std::string folder)
{
    GuardDrawing(dc, [&](vd::Dc& dc) {
        const auto frame = MakeSheetFrame(mapMode, sheetCount, west, south, east, north);
        if (!frame)
            return;
        const SheetPlacement placement{originX, originY, scaleX, scaleY};
        const vd::Pen borderPen = PrefectureBorderPen(colourName);
        const vd::Pen previous = dc.SelectObject(borderPen);
        for (int region : BorderRegionsOfFrame(frame->meshes))
            DrawMeshLines(dc, folder + BorderFileName(region), *frame, kBorderUnitsPerMesh, placement);
        if (subprefectureFlag != 0 && frame->meshes.south / kMeshHeightSeconds >= kFirstSubprefectureLatitudeCode) {
            dc.SelectObject(SubprefectureBorderPen(colourName));
            DrawSubprefectureLines(dc, folder + "支庁界.dat", *frame, placement);
        }
        dc.SelectObject(previous);
    });
}
