// OnForeEastCoast: the Far East coastline beside the sheets, on a linear map in arc-seconds.
#include "basemap/drawing/DrawingGuard.h"
#include "basemap/drawing/PenTrace.h"
#include "basemap/files/OutlinePolylineFile.h"
#include "contracts/dovanne.h"

#include <cmath>

extern "C" void OnForeEastCoast(vd::Dc* dc, float originX, float originY, float scaleX, float scaleY, int west,
                                int south, int east, int north, std::string folder)
{
    GuardDrawing(dc, [&](vd::Dc& dc) {
        const vd::Pen pen(vd::PS_SOLID, 2, vd::RGB(0, 0, 255));
        const vd::Pen previous = dc.SelectObject(pen);
        if (const auto records = ReadOutlinePolylineFile(folder + "BN_FECST.DAT")) {
            PenTrace trace(dc);
            for (const OutlineRecord& record : *records) {
                if (record.isPenUp()) {
                    trace.Lift();
                    continue;
                }
                // 1/10000 degree to whole arc-seconds, truncated.
                const int latitude = static_cast<int>(std::trunc(record.latitude * 0.36));
                const int longitude = static_cast<int>(std::trunc(record.longitude * 0.36));
                if (longitude < west || longitude > east || latitude < south || latitude > north) {
                    trace.Lift();
                    continue;
                }
                trace.To(static_cast<int>(std::trunc((longitude - west) * static_cast<double>(scaleX) + originX)),
                         static_cast<int>(std::trunc((north - latitude) * static_cast<double>(scaleY) + originY)));
            }
        }
        dc.SelectObject(previous);
    });
}
