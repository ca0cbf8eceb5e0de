// Ombrisk's depth sounding points: the soundings of the depth text files around a block drawn as
// single pixels, measured ones red and, with method 2, interpolated ones black.
#include "contracts/ombrisk.h"

#include "basemap/drawing/DrawingGuard.h"
#include "submarine/depthmaps/DepthSoundingPoints.h"

extern "C" void OnSubmarineData(vd::Dc* dc, std::string depthFolder, std::string meshCode, int statusBase, int method,
                                float offsetX, float offsetY, float scaleX, float scaleY, int east, int north, int west,
                                int south, int extent)
{
    GuardDrawing(dc, [&](vd::Dc& dc) {
        const DepthSoundingRequest request{std::move(depthFolder),
                                           std::move(meshCode),
                                           statusBase,
                                           method,
                                           {offsetX, offsetY, scaleX, scaleY, east, north, west, south},
                                           extent};
        DrawDepthSoundings(dc, request, true);
    });
}
