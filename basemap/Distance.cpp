// OnDistance: the great-circle distance between two places, written in a framed box.
#include "basemap/drawing/DrawingGuard.h"
#include "basemap/projection/GreatCircleDistance.h"
#include "contracts/dovanne.h"
#include "platform/text/Format.h"

extern "C" void OnDistance(vd::Dc* dc, std::string firstPlace, std::string secondPlace, double latitude1Degrees,
                           double latitude1Minutes, double longitude1Degrees, double longitude1Minutes,
                           double latitude2Degrees, double latitude2Minutes, double longitude2Degrees,
                           double longitude2Minutes, int layoutWidth, int layoutMode1, int layoutMode2, int rowY,
                           int lowY)
{
    GuardDrawing(dc, [&](vd::Dc& dc) {
        const double km = GreatCircleDistance({latitude1Degrees, latitude1Minutes}, {longitude1Degrees, longitude1Minutes},
                                              {latitude2Degrees, latitude2Minutes}, {longitude2Degrees, longitude2Minutes});
        int left = 10;
        int right = layoutWidth >= 550 ? 315 : 270;
        int top = layoutMode1 == 2 && layoutMode2 == 2 ? rowY - 42 : lowY + 27;
        if (layoutWidth > 800) {
            left = 155;
            right = 460;
            top = rowY - 24;
        }
        dc.Rectangle(left, top, right, top + 22);
        const std::string label =
            firstPlace + "から" + secondPlace + "までの距離 " + vd::format("%dkm", static_cast<int>(km));
        dc.TextOut(left + 5, top + 3, label);
    });
}
