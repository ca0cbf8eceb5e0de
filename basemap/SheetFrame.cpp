#include "basemap/SheetFrame.h"

#include <algorithm>
#include <cmath>

namespace {

// Beyond these codes no first-level mesh of the data lies; they also bound the loops of a
// nonsense extent.
constexpr int kLastLatitudeCode = 99;
constexpr int kLastLongitudeCode = 99;

int FloorTo(int value, int step)
{
    const int rest = value % step;
    return rest < 0 ? value - rest - step : value - rest;
}

} // namespace

std::optional<SheetFrame> MakeSheetFrame(int mapMode, int sheetCount, int west, int south, int east, int north)
{
    SheetFrame frame;
    frame.mapMode = mapMode;
    if (mapMode == 1) {
        frame.meshes = {south, west, south + kMeshHeightSeconds, west + kMeshWidthSeconds};
    } else if (mapMode == 2) {
        int rings = -1;
        if (sheetCount == 9)
            rings = 1;
        else if (sheetCount == 25)
            rings = 2;
        else if (sheetCount == 49)
            rings = 3;
        if (rings > 0)
            frame.meshes = {south - rings * kMeshHeightSeconds, west - rings * kMeshWidthSeconds,
                            south + (rings + 1) * kMeshHeightSeconds, west + (rings + 1) * kMeshWidthSeconds};
        else
            frame.meshes = {south, west, north, east};
    } else if (mapMode == 3) {
        frame.clip = {south, west, north, east};
        const int meshSouth = FloorTo(south, kMeshHeightSeconds);
        const int meshWest = FloorTo(west, kMeshWidthSeconds);
        frame.meshes = {meshSouth, meshWest,
                        meshSouth + kMeshHeightSeconds * ((north - meshSouth) / kMeshHeightSeconds + 1),
                        meshWest + kMeshWidthSeconds * ((east - meshWest) / kMeshWidthSeconds + 1)};
        return frame;
    } else {
        return std::nullopt;
    }
    frame.clip = frame.meshes;
    return frame;
}

bool SheetFrame::Accepts(int meshCode) const
{
    const int south = MeshSouthSeconds(meshCode);
    const int west = MeshWestSeconds(meshCode);
    return meshes.south <= south && south < meshes.north && meshes.west <= west && west < meshes.east;
}

std::optional<PixelPoint> SheetFrame::Place(int meshCode, MeshRecord point, int unitsPerMesh, int originX, int originY,
                                            float scaleX, float scaleY) const
{
    if (mapMode == 3) {
        const MeshPointSeconds p = MeshPointToSeconds(meshCode, point, unitsPerMesh);
        if (p.longitude < clip.west || p.longitude > clip.east || p.latitude < clip.south || p.latitude > clip.north)
            return std::nullopt;
        return PixelPoint{static_cast<int>(std::trunc((p.longitude - clip.west) * static_cast<double>(scaleX))) + originX,
                          static_cast<int>(std::trunc((clip.north - p.latitude) * static_cast<double>(scaleY))) + originY};
    }
    // Sheet units counted from the frame's north-west corner; products before quotients, so a
    // mesh corner is a whole multiple of 320.
    const double meshLeft = static_cast<double>(MeshWestSeconds(meshCode) - meshes.west) * kSheetUnits / kMeshWidthSeconds;
    const double meshTop =
        static_cast<double>(meshes.north - MeshSouthSeconds(meshCode) - kMeshHeightSeconds) * kSheetUnits / kMeshHeightSeconds;
    const double u = meshLeft + static_cast<double>(point.a) * kSheetUnits / unitsPerMesh;
    const double v = meshTop + static_cast<double>(point.b) * kSheetUnits / unitsPerMesh;
    return PixelPoint{static_cast<int>(std::trunc(u * static_cast<double>(scaleX))) + originX,
                      static_cast<int>(std::trunc(v * static_cast<double>(scaleY))) + originY};
}

int CoastRegionOfMesh(int latitudeCode, int longitudeCode)
{
    if (latitudeCode >= 63)
        return 6;
    if (longitudeCode < 30)
        return 1;
    if (longitudeCode <= 32)
        return 2;
    if (longitudeCode <= 35)
        return 3;
    if (longitudeCode <= 38)
        return 4;
    return 5;
}

int BorderRegionOfMesh(int latitudeCode, int longitudeCode)
{
    if (latitudeCode >= 63)
        return 0;
    if (longitudeCode >= 38)
        return 1;
    if (longitudeCode >= 32)
        return 2;
    return 3;
}

namespace {

// Marks the region of every first-level mesh that the box covers (not only of sample points, so
// no region between them is missed).
template <class RegionOf>
std::vector<int> RegionsOfBox(const ArcBox& box, int regions, RegionOf regionOf)
{
    std::vector<bool> marked(regions + 1, false);
    if (box.north > box.south && box.east > box.west) {
        const int firstLat = std::max(0, box.south / kMeshHeightSeconds);
        const int lastLat = std::min(kLastLatitudeCode, (box.north - 1) / kMeshHeightSeconds);
        const int firstLon = std::max(0, box.west / kMeshWidthSeconds - 100);
        const int lastLon = std::min(kLastLongitudeCode, (box.east - 1) / kMeshWidthSeconds - 100);
        for (int lat = firstLat; lat <= lastLat; ++lat)
            for (int lon = firstLon; lon <= lastLon; ++lon)
                marked[regionOf(lat, lon)] = true;
    }
    std::vector<int> result;
    for (int region = 1; region <= regions; ++region)
        if (marked[region])
            result.push_back(region);
    return result;
}

} // namespace

std::vector<int> CoastRegionsOfFrame(const ArcBox& meshes)
{
    return RegionsOfBox(meshes, 6, CoastRegionOfMesh);
}

std::vector<int> BorderRegionsOfFrame(const ArcBox& meshes)
{
    return RegionsOfBox(meshes, 3, BorderRegionOfMesh);
}

std::string CoastFileName(int region)
{
    return "coast0" + std::to_string(region) + ".dat";
}

std::string BorderFileName(int region)
{
    return "pfctr0" + std::to_string(region) + ".dat";
}
