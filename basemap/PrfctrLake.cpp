// OnPrfctrLake: a prefecture map's lakes or reservoirs.
#include "basemap/LakeShapes.h"
#include "basemap/PrefectureMap.h"
#include "basemap/drawing/DrawingGuard.h"
#include "contracts/dovanne.h"

#include <cmath>

extern "C" void OnPrfctrLake(vd::Dc* dc, std::string folder, int /*spare*/, int ratioMode, float ratio, float lat0,
                             float lon0, float scale, int styleAndFile, int mapHeight, int mapWidth, int originX,
                             int colour)
{
    GuardDrawing(dc, [&](vd::Dc& dc) {
        const PrefectureMapPlacement placement(originX, lat0, lon0, scale, ratioMode, ratio, mapWidth, mapHeight);
        const double toSeconds = static_cast<double>(0.36f);
        const double toDegrees = static_cast<double>(0.0001f);
        const double southEdge = lat0 - mapHeight * static_cast<double>(scale);
        const double westRatio =
            ratioMode == 0 ? placement.projection.ratioAt(std::trunc(southEdge * toDegrees) * 10000.0) : ratio;
        const double eastRatio =
            ratioMode == 0 ? placement.projection.ratioAt(std::trunc(lat0 * toDegrees) * 10000.0) : ratio;
        const ArcBox view{
            static_cast<int>(std::trunc(southEdge * toSeconds)),
            static_cast<int>(std::trunc((lon0 - originX * westRatio * scale) * toSeconds)),
            static_cast<int>(std::trunc(static_cast<double>(lat0) * toSeconds)),
            static_cast<int>(std::trunc(((mapWidth - originX) * eastRatio * scale + lon0) * toSeconds)),
        };
        const std::string name = LakeFileName(styleAndFile % 10);
        DrawLakes(dc, name.empty() ? std::string() : folder + name, view, styleAndFile >= 10,
                  static_cast<vd::COLORREF>(colour), [&](const LakePoint& p) {
                      return placement.Place(p.latitude * kUnitsPerArcSecond, p.longitude * kUnitsPerArcSecond);
                  });
    });
}
