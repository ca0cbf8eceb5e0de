// OnPrefectureLat: the grid of parallels every 40 minutes and meridians every degree.
#include "basemap/BaseMapPens.h"
#include "basemap/drawing/DrawingGuard.h"
#include "basemap/drawing/PenTrace.h"
#include "basemap/files/MeshPolylineFile.h"
#include "basemap/projection/LatitudeRatioTable.h"
#include "contracts/dovanne.h"

#include <cmath>

namespace {

constexpr int kMostLines = 10;

int FloorTo(int value, int step)
{
    const int rest = value % step;
    return rest < 0 ? value - rest - step : value - rest;
}

} // namespace

extern "C" void OnPrefectureLat(vd::Dc* dc, int north, int west, int south, int east, int linearFlag, float scale,
                                float originX, float originY, float scaleX, float scaleY, float lon0)
{
    GuardDrawing(dc, [&](vd::Dc& dc) {
        float table[kLatitudeRatioTableSize] = {};
        BuildLatitudeRatioTable(table);
        const double pixelsPerSecond = 10000 / (static_cast<double>(scale) * 3600);
        // x of a longitude (arc-seconds) on a line at a latitude (arc-seconds).
        const auto xOf = [&](int longitude, int latitude) {
            if (linearFlag != 0)
                return static_cast<int>(std::trunc((longitude - west) * static_cast<double>(scaleX) + originX));
            const double k = LatitudeRatioAt(table, latitude / 3600);
            return static_cast<int>(
                std::trunc((longitude - lon0 * static_cast<double>(0.36f)) * pixelsPerSecond / k + originX));
        };
        const auto yOf = [&](int latitude) {
            return static_cast<int>(std::trunc((north - latitude) * static_cast<double>(scaleY) + originY));
        };

        const vd::Pen grey(vd::PS_SOLID, 1, kGridGrey);
        const vd::Pen previous = dc.SelectObject(grey);
        int lines = 0;
        for (int latitude = FloorTo(south, kMeshHeightSeconds); latitude <= north && lines < kMostLines;
             latitude += kMeshHeightSeconds, ++lines)
            basemap::DrawSegment(dc, {xOf(west, latitude), yOf(latitude)}, {xOf(east, latitude), yOf(latitude)});
        const int top = static_cast<int>(std::trunc(originY));
        const int bottom = static_cast<int>(std::trunc((north - south) * static_cast<double>(scaleY) + originY));
        lines = 0;
        for (int longitude = FloorTo(west, kMeshWidthSeconds); longitude <= east && lines < kMostLines;
             longitude += kMeshWidthSeconds, ++lines)
            basemap::DrawSegment(dc, {xOf(longitude, north), top}, {xOf(longitude, south), bottom});
        dc.SelectObject(previous);
    });
}
