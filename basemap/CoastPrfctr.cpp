// OnCoastPrfctr: a prefecture map's frame, corner coordinates, coastline and label.
#include "basemap/BaseMapPens.h"
#include "basemap/PrefectureMap.h"
#include "basemap/SheetFrame.h"
#include "basemap/drawing/DrawingGuard.h"
#include "basemap/drawing/PenTrace.h"
#include "basemap/files/PrefectureTableFile.h"
#include "contracts/dovanne.h"
#include "platform/text/Format.h"

#include <algorithm>
#include <cmath>

namespace {

// A value in 1/10000 degree as D.MMSS in a number (35.4012 for 35 degrees 40 minutes 12 seconds).
double DegreesMinutesSeconds(double units)
{
    const double degrees = units * 0.0001;
    const int whole = static_cast<int>(std::trunc(degrees));
    const int seconds = static_cast<int>(std::trunc((degrees - whole) * 3600));
    return whole + (seconds / 60 * 100 + seconds % 60) / 10000.0;
}

void WriteCorners(vd::Dc& dc, int originX, int mapHeight, int mapWidth, float lat0, float lon0, float scale, float ratio)
{
    const double ratioScale = static_cast<double>(ratio) * scale;
    const double northEastLongitude = lon0 + (mapWidth - originX) * ratioScale;
    const double southWestLatitude = lat0 - mapHeight * static_cast<double>(scale);
    const double southWestLongitude = lon0 - originX * ratioScale;
    dc.SetBkMode(vd::TRANSPARENT);
    dc.TextOut(mapWidth - 140, 2,
               vd::format("%0.4f  %0.4f", DegreesMinutesSeconds(lat0), DegreesMinutesSeconds(northEastLongitude)));
    dc.TextOut(mapWidth - 140, 21,
               vd::format("%0.4f  %0.4f", DegreesMinutesSeconds(southWestLatitude), DegreesMinutesSeconds(southWestLongitude)));
    dc.SetBkMode(vd::OPAQUE);
}

PixelPoint Clamped(const PrefectureMapPlacement& placement, PixelPoint p)
{
    return {std::clamp(p.x, 0, std::max(0, placement.width)), std::clamp(p.y, 0, std::max(0, placement.height))};
}

// West (pass 0) or east (pass 1) edge from north to south; when its south end falls outside the
// map, in six pieces so that each takes the ratio of its own degree.
void DrawMeridianEdge(vd::Dc& dc, const PrefectureMapPlacement& placement, const PrefectureMesh& mesh, double longitude)
{
    const PixelPoint north = placement.Place(mesh.north, longitude);
    const PixelPoint south = placement.Place(mesh.south, longitude);
    if (0 <= south.y && south.y <= placement.height) {
        basemap::DrawSegment(dc, Clamped(placement, north), Clamped(placement, south));
        return;
    }
    const double piece = static_cast<double>(1111.1111f);
    for (int i = 0; i < 6; ++i) {
        const PixelPoint from = placement.Place(mesh.north - i * piece, longitude);
        const PixelPoint to = placement.Place(mesh.north - (i + 1) * piece, longitude);
        basemap::DrawSegment(dc, Clamped(placement, from), Clamped(placement, to));
    }
}

void DrawMeshFrame(vd::Dc& dc, const PrefectureMapPlacement& placement, const PrefectureMesh& mesh)
{
    DrawMeridianEdge(dc, placement, mesh, mesh.west);
    basemap::DrawSegment(dc, Clamped(placement, placement.Place(mesh.north, mesh.west)),
                         Clamped(placement, placement.Place(mesh.north, mesh.east)));
    DrawMeridianEdge(dc, placement, mesh, mesh.east);
    basemap::DrawSegment(dc, Clamped(placement, placement.Place(mesh.south, mesh.west)),
                         Clamped(placement, placement.Place(mesh.south, mesh.east)));
}

} // namespace

extern "C" void OnCoastPrfctr(vd::Dc* dc, int tableLine, int originX, int frameFlag, int mapHeight, int mapWidth,
                              int ratioMode, int penCode, float lat0, float lon0, float scale, float ratio,
                              std::string coastFolder, std::string meshCode, std::string label,
                              std::string applicationFolder)
{
    GuardDrawing(dc, [&](vd::Dc& dc) {
        // Codes 0..19 pick a coastline pen; 20 and any other code draw black (never hidden here).
        const vd::Pen coastPen = CoastPen(penCode);
        const vd::Pen greyPen(vd::PS_SOLID, 1, kGridGrey);
        const PrefectureMapPlacement placement(originX, lat0, lon0, scale, ratioMode, ratio, mapWidth, mapHeight);

        WriteCorners(dc, originX, mapHeight, mapWidth, lat0, lon0, scale, ratio);

        const vd::Pen previous = dc.SelectObject(greyPen);
        const PrefectureMesh mesh = PrefectureMeshOf(meshCode);
        if (frameFlag == 1)
            DrawMeshFrame(dc, placement, mesh);

        dc.SelectObject(coastPen);
        const int region = CoastRegionOfMesh(mesh.latitudeCode, mesh.longitudeCode);
        DrawPrefectureMeshLines(dc, coastFolder + CoastFileName(region), mesh, kCoastUnitsPerMesh, placement);

        if (!label.empty()) {
            if (const auto point = ReadPrefectureTablePoint(PrefectureTablePath(applicationFolder), tableLine)) {
                const PixelPoint at = placement.Place(point->latitude, point->longitude);
                dc.SetBkMode(vd::TRANSPARENT);
                dc.SetTextColor(vd::RGB(0, 0, 255));
                dc.TextOut(at.x, at.y, label);
                dc.SetBkMode(vd::OPAQUE);
                dc.SetTextColor(vd::RGB(0, 0, 0));
            }
        }
        dc.SelectObject(previous);
    });
}
