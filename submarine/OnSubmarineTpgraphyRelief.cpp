// Ombrisk's relief map of the sea floor: the tint map's block shaded by the slope of each cell
// under a fixed light; its colours are fixed, so it never reads its last argument.
#include "contracts/ombrisk.h"

#include "basemap/drawing/DrawingGuard.h"
#include "submarine/depthmaps/DepthShadedMap.h"

extern "C" void OnSubmarineTpgraphyRelief(vd::Dc* dc, std::string depthFolder, std::string meshCode, int statusBase,
                                          int width, int /*method*/, int contours, float offsetX, float offsetY,
                                          float scaleX, float scaleY, int east, int north, int west, int south,
                                          int blockSize, int /*baseColour*/)
{
    GuardDrawing(dc, [&](vd::Dc& dc) {
        const DepthMapRequest request{std::move(depthFolder),
                                      std::move(meshCode),
                                      statusBase,
                                      width,
                                      contours,
                                      {offsetX, offsetY, scaleX, scaleY, east, north, west, south},
                                      blockSize,
                                      0};
        DrawShadedDepthMap(dc, request, DepthShading::Relief);
    });
}
