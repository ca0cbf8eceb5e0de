#include "basemap/PrefectureMap.h"

#include "basemap/drawing/PenTrace.h"
#include "basemap/files/MeshPolylineFile.h"
#include "platform/text/Cp932Text.h"
#include "platform/text/Numbers.h"

PrefectureMapPlacement::PrefectureMapPlacement(int originX, float lat0, float lon0, float scale, int ratioMode_,
                                               float ratio_, int width_, int height_)
    : projection(originX, 0, lat0, lon0, scale), ratioMode(ratioMode_), ratio(ratio_), width(width_), height(height_)
{
}

PixelPoint PrefectureMapPlacement::Place(double latitude, double longitude) const
{
    if (ratioMode == 0)
        return projection.project(latitude, longitude);
    return projection.project(latitude, longitude, ratio);
}

PrefectureMesh PrefectureMeshOf(std::string_view meshCodeText)
{
    PrefectureMesh mesh;
    mesh.latitudeCode = vd::parseInt(vd::cp932Left(meshCodeText, 2));
    mesh.longitudeCode = vd::parseInt(vd::cp932Mid(meshCodeText, 2, 2));
    const int minutes = mesh.latitudeCode * 40;
    mesh.south = minutes / 60 * 10000.0 + (minutes % 60) * 10000.0 / 60.0;
    mesh.west = (mesh.longitudeCode + 100) * 10000.0;
    // 40 minutes as the single-precision value the frame has always used.
    mesh.north = mesh.south + static_cast<double>(6666.6665f);
    mesh.east = mesh.west + 10000.0;
    return mesh;
}

void DrawPrefectureMeshLines(vd::Dc& dc, const std::string& path, const PrefectureMesh& mesh, int unitsPerMesh,
                             const PrefectureMapPlacement& placement)
{
    const auto records = ReadMeshPolylineFile(path);
    if (!records)
        return;
    const double height = mesh.north - mesh.south;
    PenTrace trace(dc);
    bool inMesh = false;
    for (const MeshRecord& record : *records) {
        if (record.isHeader()) {
            // Only this mesh's records; reading ends at the next header after them.
            if (inMesh)
                break;
            inMesh = record.b == mesh.Code();
            continue;
        }
        if (!inMesh)
            continue;
        if (record.isPenUp()) {
            trace.Lift();
            continue;
        }
        // Products before quotients: an edge point lands exactly on the mesh's frame.
        const double longitude = mesh.west + static_cast<double>(record.a) * 10000.0 / unitsPerMesh;
        const double latitude = mesh.south + static_cast<double>(unitsPerMesh - record.b) * height / unitsPerMesh;
        const PixelPoint p = placement.Place(latitude, longitude);
        if (placement.Inside(p))
            trace.To(p);
        else
            trace.Lift();
    }
}

std::string PrefectureTablePath(const std::string& applicationFolder)
{
    return applicationFolder + "MAPELMNT\\都道府県.DAT";
}
