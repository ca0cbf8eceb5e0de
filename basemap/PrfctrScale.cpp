// OnPrfctrScale: a prefecture map's scale bar, 50 km across a wide map, else 20 km.
#include "basemap/drawing/DrawingGuard.h"
#include "basemap/drawing/PenTrace.h"
#include "contracts/dovanne.h"

#include <cmath>

extern "C" void OnPrfctrScale(vd::Dc* dc, float scale, float ratio, float metresPerSecondEastWest, int mapWidth,
                              int baseY)
{
    GuardDrawing(dc, [&](vd::Dc& dc) {
        const double degreesPerPixel = static_cast<double>(scale) * ratio;
        const double span = degreesPerPixel * mapWidth * 0.0001;
        const bool fiftyKm = span >= 2.0;
        const double km = fiftyKm ? 50.0 : 20.0;
        const int ticks = fiftyKm ? 6 : 3;
        const int length = static_cast<int>(
            std::trunc(10000 / degreesPerPixel * km / (static_cast<double>(metresPerSecondEastWest) * 3.6)));
        const int right = mapWidth > 800 ? mapWidth - 50 : mapWidth - 230;
        const int y = baseY;
        for (int dy : {35, 32, 31})
            basemap::DrawSegment(dc, {right - length, y - dy}, {right, y - dy});
        const double step = static_cast<double>(length) / (ticks - 1);
        for (int i = 0; i < ticks; ++i) {
            const int x = right - length + static_cast<int>(std::trunc(i * step));
            basemap::DrawSegment(dc, {x, y - 31}, {x, y - 40});
            if (i == 0)
                basemap::DrawSegment(dc, {x + 1, y - 31}, {x + 1, y - 40});
            else if (i == ticks - 1)
                basemap::DrawSegment(dc, {x - 1, y - 31}, {x - 1, y - 40});
        }
        dc.SetBkMode(vd::TRANSPARENT);
        dc.TextOut(right - length / 2 - 20, y - 55, fiftyKm ? "50km" : "20km");
        dc.SetBkMode(vd::OPAQUE);
    });
}
