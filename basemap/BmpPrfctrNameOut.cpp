// OnBmpPrfctrNameOut: a text at a point of the prefecture table, on a prefecture map.
#include "basemap/PrefectureMap.h"
#include "basemap/drawing/DrawingGuard.h"
#include "basemap/files/PrefectureTableFile.h"
#include "contracts/dovanne.h"

extern "C" void OnBmpPrfctrNameOut(vd::Dc* dc, int tableLine, int originX, float lat0, float lon0, float scale,
                                   float ratio, std::string text, std::string applicationFolder)
{
    GuardDrawing(dc, [&](vd::Dc& dc) {
        // A line past the table's last data line has no point: nothing is written.
        const auto point = ReadPrefectureTablePoint(PrefectureTablePath(applicationFolder), tableLine);
        if (!point)
            return;
        const SansonProjection projection(originX, 0, lat0, lon0, scale);
        const PixelPoint at = projection.project(point->latitude, point->longitude, ratio);
        dc.SetBkMode(vd::TRANSPARENT);
        dc.SetTextColor(vd::RGB(0, 0, 255));
        dc.TextOut(at.x, at.y, text);
        dc.SetBkMode(vd::OPAQUE);
        dc.SetTextColor(vd::RGB(0, 0, 0));
    });
}
