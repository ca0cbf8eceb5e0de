// A stand-in for the municipality (Surrick) and submarine (Ombrisk) entry points of the sheet
// map: every call is logged with its arguments for the test to read. Loaded in place of both.
// The depth-file build writes one file where a test has made the folder for it.
#include "contracts/ombrisk.h"
#include "contracts/surrick.h"
#include "tests/support/FakeLog.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <string>

namespace {
std::string Ints(std::initializer_list<int> values)
{
    std::string out;
    for (int v : values)
        out += std::to_string(v) + ",";
    return out;
}

std::string Floats(std::initializer_list<float> values)
{
    std::string out;
    for (float v : values)
        out += F(v) + ",";
    return out;
}

std::string Texts(std::initializer_list<std::string> values)
{
    std::string out;
    for (const std::string& v : values)
        out += "[" + v + "]";
    return out;
}
} // namespace

extern "C" VD_EXPORT void OnCitySurfaceWhite(vd::Dc*, int colourCode, int originY, int originX, int cellCount,
                                             int meshCode, int coastlinePen, int spare1, int spare2, int labelFlags,
                                             int fillFlag, float zoomX, float zoomY, std::string prefectureFlags,
                                             std::string meshText, std::string wideArea, std::string dataFolder,
                                             std::string boundaryFolder, std::string coastlineFolder)
{
    Log() += "OnCitySurfaceWhite(" +
             Ints({colourCode, originY, originX, cellCount, meshCode, coastlinePen, spare1, spare2, labelFlags,
                   fillFlag}) +
             Floats({zoomX, zoomY}) +
             Texts({prefectureFlags, meshText, wideArea, dataFolder, boundaryFolder, coastlineFolder}) + ");";
}

extern "C" VD_EXPORT void OnCitySurfacePlain(vd::Dc*, int colourMode, int colourCode, int coastlinePen, int north,
                                             int west, int south, int east, int areaKind, int wideAreaMode,
                                             int areaSubMode, int spare, int detailLevel, int fillFlag, int labelFlags,
                                             int linearFlag, float scale, float refLongitude, float originX,
                                             float originY, float scaleX, float scaleY, std::string areaSpec,
                                             std::string meshCode, std::string areaList, std::string furtherArea,
                                             std::string dataFolder, std::string boundaryFolder,
                                             std::string coastlineFolder)
{
    Log() += "OnCitySurfacePlain(" +
             Ints({colourMode, colourCode, coastlinePen, north, west, south, east, areaKind, wideAreaMode, areaSubMode,
                   spare, detailLevel, fillFlag, labelFlags, linearFlag}) +
             Floats({scale, refLongitude, originX, originY, scaleX, scaleY}) +
             Texts({areaSpec, meshCode, areaList, furtherArea, dataFolder, boundaryFolder, coastlineFolder}) + ");";
}

extern "C" VD_EXPORT void OnCitySurfaceSearch(vd::Dc*, int colourCode, int north, int west, int south, int east,
                                              int areaKind, int wideAreaMode, int areaSubMode, int spare,
                                              int wholeCountry, int fillFlag, int labelFlag, float originX,
                                              float originY, float scaleX, float scaleY, std::string area,
                                              std::string meshCode, std::string areaList, std::string furtherArea,
                                              std::string dataFolder, std::string boundaryFolder,
                                              std::string municipalityCode)
{
    Log() += "OnCitySurfaceSearch(" +
             Ints({colourCode, north, west, south, east, areaKind, wideAreaMode, areaSubMode, spare, wholeCountry,
                   fillFlag, labelFlag}) +
             Floats({originX, originY, scaleX, scaleY}) +
             Texts({area, meshCode, areaList, furtherArea, dataFolder, boundaryFolder, municipalityCode}) + ");";
}

namespace {
void LogMesh(const char* name, const std::string& folder, const std::string& mesh, int statusBase, int width,
             int method, int contours, float offsetX, float offsetY, float scaleX, float scaleY, int east, int north,
             int west, int south, int blockSize, int baseColour)
{
    Log() += std::string(name) + "(" + Texts({folder, mesh}) +
             Ints({statusBase, width, method, contours}) + Floats({offsetX, offsetY, scaleX, scaleY}) +
             Ints({east, north, west, south, blockSize, baseColour}) + ");";
}
} // namespace

extern "C" VD_EXPORT void OnSubmarineTpgraphyMesh(vd::Dc*, std::string folder, std::string mesh, int statusBase,
                                                  int width, int method, int contours, float offsetX, float offsetY,
                                                  float scaleX, float scaleY, int east, int north, int west, int south,
                                                  int blockSize, int baseColour)
{
    LogMesh("OnSubmarineTpgraphyMesh", folder, mesh, statusBase, width, method, contours, offsetX, offsetY, scaleX,
            scaleY, east, north, west, south, blockSize, baseColour);
}

extern "C" VD_EXPORT void OnSubmarineTpgraphyRelief(vd::Dc*, std::string folder, std::string mesh, int statusBase,
                                                    int width, int method, int contours, float offsetX, float offsetY,
                                                    float scaleX, float scaleY, int east, int north, int west,
                                                    int south, int blockSize, int baseColour)
{
    LogMesh("OnSubmarineTpgraphyRelief", folder, mesh, statusBase, width, method, contours, offsetX, offsetY, scaleX,
            scaleY, east, north, west, south, blockSize, baseColour);
}

extern "C" VD_EXPORT void OnSubmarineContour(vd::Dc*, std::string folder, std::string mesh, int statusBase, int width,
                                             int method, int source, int reserved, float offsetX, float offsetY,
                                             float scaleX, float scaleY, int east, int north, int west, int south,
                                             int blockSize, int baseColour)
{
    Log() += "OnSubmarineContour(" + Texts({folder, mesh}) + Ints({statusBase, width, method, source, reserved}) +
             Floats({offsetX, offsetY, scaleX, scaleY}) + Ints({east, north, west, south, blockSize, baseColour}) +
             ");";
}

extern "C" VD_EXPORT void OnSubmarineData(vd::Dc*, std::string folder, std::string mesh, int statusBase, int method,
                                          float offsetX, float offsetY, float scaleX, float scaleY, int east,
                                          int north, int west, int south, int extent)
{
    Log() += "OnSubmarineData(" + Texts({folder, mesh}) + Ints({statusBase, method}) +
             Floats({offsetX, offsetY, scaleX, scaleY}) + Ints({east, north, west, south, extent}) + ");";
}

extern "C" VD_EXPORT void OnSubmarineLegned(vd::Dc*, int kind, int reserved, int right, int relief, int baseColour)
{
    Log() += "OnSubmarineLegned(" + Ints({kind, reserved, right, relief, baseColour}) + ");";
}

extern "C" VD_EXPORT std::string* FakeSheetLayersLog()
{
    return &Log();
}

// Map modes 22 and 23: the depth files' frames and the making of the intermediate file.
extern "C" VD_EXPORT void OnSbmrnMeshDistribution(vd::Dc*, int borders, int japanOnly, int originX, int originY,
                                                  int graticule, int height, int width, std::string mapFolder,
                                                  std::string depthFolder)
{
    Log() += "OnSbmrnMeshDistribution(" + Ints({borders, japanOnly, originX, originY, graticule, height, width}) +
             Texts({mapFolder, depthFolder}) + ");";
}

extern "C" VD_EXPORT void OnSubmarineMeshDataFile(vd::Dc*, std::string depthFolder, std::string mapFolder, int region,
                                                  int statusBase, int width, int originX, int originY)
{
    Log() += "OnSubmarineMeshDataFile(" + Texts({depthFolder, mapFolder}) +
             Ints({region, statusBase, width, originX, originY}) + ");";
    // Like the builder, a file into an existing SEAFLOOR\ of a depth folder on drive Z: (the root).
    if (depthFolder.rfind("Z:", 0) == 0) {
        std::string folder = depthFolder.substr(2) + "SEAFLOOR";
        std::replace(folder.begin(), folder.end(), '\\', '/');
        if (std::filesystem::is_directory(folder))
            std::ofstream(folder + "/Sf5235.dat") << "depths";
    }
}
