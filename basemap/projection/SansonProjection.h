#pragma once
// The latitude-band projection: latitude linear, longitude shrunk by the latitude-ratio table
// entry of each point's own whole degree, so a meridian has a joint at every whole degree.
// Coordinates in 1/10000 degree; pixels truncated toward zero, never rounded.
#include "basemap/projection/LatitudeRatioTable.h"
#include "basemap/projection/MapPoints.h"

struct SansonProjection {
    int originX = 0;
    int originY = 0;
    float lat0 = 0; // (lat0, lon0) falls on (originX, originY)
    float lon0 = 0;
    float scale = 1; // 1/10000 degree of latitude per pixel
    float table[kLatitudeRatioTableSize] = {};

    SansonProjection() = default;
    SansonProjection(int originX, int originY, float lat0, float lon0, float scale);

    // The table entry of a latitude's own whole degree (clamped to the built rows).
    float ratioAt(double latitude) const;
    // With the ratio of the point's own degree.
    PixelPoint project(double latitude, double longitude) const;
    // With a ratio the caller fixes (prefecture maps in fixed-ratio mode).
    PixelPoint project(double latitude, double longitude, double ratio) const;
    // The inverse at pixel (x, y); ratioRow is the pixel row whose latitude sets the ratio
    // (the cursor's own row for the exact inverse).
    GeoPoint unproject(int x, int y, int ratioRow) const;
};
