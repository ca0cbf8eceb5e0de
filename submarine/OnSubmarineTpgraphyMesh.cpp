// Ombrisk's depth tint map: every 500 m cell of a block of intermediate depth files filled with the
// colour of its depth class, the deepest point crossed in red, contour lines when asked.
#include "contracts/ombrisk.h"

#include "basemap/drawing/DrawingGuard.h"
#include "submarine/depthmaps/DepthShadedMap.h"

extern "C" void OnSubmarineTpgraphyMesh(vd::Dc* dc, std::string depthFolder, std::string meshCode, int statusBase,
                                        int width, int /*method*/, int contours, float offsetX, float offsetY,
                                        float scaleX, float scaleY, int east, int north, int west, int south,
                                        int blockSize, int baseColour)
{
    GuardDrawing(dc, [&](vd::Dc& dc) {
        const DepthMapRequest request{std::move(depthFolder),
                                      std::move(meshCode),
                                      statusBase,
                                      width,
                                      contours,
                                      {offsetX, offsetY, scaleX, scaleY, east, north, west, south},
                                      blockSize,
                                      baseColour};
        DrawShadedDepthMap(dc, request, DepthShading::Tint);
    });
}
