// OnCstPrfctrLine: a prefecture map's prefecture and sub-prefecture borders.
#include "basemap/BaseMapPens.h"
#include "basemap/PrefectureMap.h"
#include "basemap/SheetFrame.h"
#include "basemap/drawing/DrawingGuard.h"
#include "basemap/drawing/PenTrace.h"
#include "basemap/files/OutlinePolylineFile.h"
#include "contracts/dovanne.h"

#include <cstdlib>

namespace {

// A negative map width asks for the printed colours: red borders in white, orange darker.
vd::Pen BorderPen(const std::string& colourName, bool printed)
{
    if (printed && colourName == "RED")
        return PrefectureBorderPen("WHITE");
    if (printed && colourName == "ORNG")
        return vd::Pen(vd::PS_SOLID, 1, vd::RGB(255, 98, 0));
    return PrefectureBorderPen(colourName);
}

void DrawSubprefectureBorders(vd::Dc& dc, const std::string& path, const PrefectureMapPlacement& placement)
{
    const auto records = ReadSubprefectureBorderFile(path);
    if (!records)
        return;
    PenTrace trace(dc);
    for (const SubprefectureRecord& record : *records) {
        if (record.isPenUp()) {
            trace.Lift();
            continue;
        }
        const PixelPoint p =
            placement.Place(record.latitude * kUnitsPerArcSecond, record.longitude * kUnitsPerArcSecond);
        if (placement.Inside(p))
            trace.To(p);
        else
            trace.Lift();
    }
}

} // namespace

extern "C" void OnCstPrfctrLine(vd::Dc* dc, std::string folder, std::string meshCode, std::string colourName, float lat0,
                                float lon0, float scale, float ratio, int ratioMode, int originX, int mapHeight,
                                int mapWidth, int subprefectureFlag)
{
    GuardDrawing(dc, [&](vd::Dc& dc) {
        const bool printed = mapWidth < 0;
        const PrefectureMapPlacement placement(originX, lat0, lon0, scale, ratioMode, ratio, std::abs(mapWidth),
                                               mapHeight);
        const vd::Pen borderPen = BorderPen(colourName, printed);
        const vd::Pen previous = dc.SelectObject(borderPen);
        const PrefectureMesh mesh = PrefectureMeshOf(meshCode);
        if (const int region = BorderRegionOfMesh(mesh.latitudeCode, mesh.longitudeCode); region != 0)
            DrawPrefectureMeshLines(dc, folder + BorderFileName(region), mesh, kBorderUnitsPerMesh, placement);
        if (subprefectureFlag != 0) {
            dc.SelectObject(SubprefectureBorderPen(colourName));
            if (mesh.latitudeCode >= 62)
                DrawSubprefectureBorders(dc, folder + "支庁界.dat", placement);
        }
        dc.SelectObject(previous);
    });
}
