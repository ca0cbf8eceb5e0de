// OnLakeDraw: lakes and reservoirs of a linear map in arc-seconds.
#include "basemap/LakeShapes.h"
#include "basemap/drawing/DrawingGuard.h"
#include "contracts/dovanne.h"

#include <cmath>

extern "C" void OnLakeDraw(vd::Dc* dc, std::string folder, int style, float originX, float originY, float scaleX,
                           float scaleY, int east, int north, int west, int south, int file, int colour)
{
    GuardDrawing(dc, [&](vd::Dc& dc) {
        const ArcBox view{south, west, north, east};
        const std::string name = LakeFileName(file);
        DrawLakes(dc, name.empty() ? std::string() : folder + name, view, style >= 10,
                  static_cast<vd::COLORREF>(colour), [&](const LakePoint& p) {
                      return PixelPoint{
                          static_cast<int>(std::trunc((p.longitude - west) * static_cast<double>(scaleX) + originX)),
                          static_cast<int>(std::trunc((north - p.latitude) * static_cast<double>(scaleY) + originY))};
                  });
    });
}
