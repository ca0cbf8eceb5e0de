// OnScaleX: the 20 km or 50 km scale bar of the sheet maps, drawn with the caller's pen.
#include "basemap/drawing/DrawingGuard.h"
#include "basemap/drawing/PenTrace.h"
#include "contracts/dovanne.h"

#include <cmath>

extern "C" void OnScaleX(vd::Dc* dc, int barKind, float scaleX, int rightX, int baseY, std::string /*label*/,
                         float metresPerSecondEastWest, int /*spare*/)
{
    GuardDrawing(dc, [&](vd::Dc& dc) {
        const bool fiftyKm = barKind == 3;
        const double km = fiftyKm ? 50.0 : 20.0;
        // scaleX is pixels per 1/320 degree of longitude; 3.6: arc-seconds per 1/1000 degree.
        const int length = static_cast<int>(std::trunc(static_cast<double>(scaleX) * static_cast<double>(320.0f) * km /
                                                       (static_cast<double>(metresPerSecondEastWest) * static_cast<double>(3.6f))));
        const int r = rightX;
        const int y = baseY;
        for (int dy : {5, 6, 9})
            basemap::DrawSegment(dc, {r - 10, y - dy}, {r - length - 10, y - dy});
        for (int x : {r - 10, r - 9, r - length - 10, r - length - 11})
            basemap::DrawSegment(dc, {x, y - 5}, {x, y - 13});
        if (fiftyKm) {
            for (int k = 1; k <= 4; ++k) {
                const int x = r - k * length / 5 - 11;
                basemap::DrawSegment(dc, {x, y - 6}, {x, y - 10});
            }
        } else {
            basemap::DrawSegment(dc, {r - length / 2 - 11, y - 6}, {r - length / 2 - 11, y - 10});
        }
        dc.SetBkMode(vd::TRANSPARENT);
        dc.TextOut(r - length / 2 - 25, y - 28, fiftyKm ? "50Km" : "20Km");
        dc.SetBkMode(vd::OPAQUE);
    });
}
