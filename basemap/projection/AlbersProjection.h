#pragma once
// The Albers equal-area conic on a sphere of `scale` pixels radius, with standard parallels ten
// degrees either side of lat0 and lon0 as the central meridian. y = 0 is the upper standard
// parallel on the central meridian, y grows southward; the origin y takes no part. Pi is taken as
// 3.141592 throughout, as the maps were always drawn with it.
#include "basemap/projection/SansonProjection.h"

#include <optional>

struct GeoPointF {
    float latitude = 0;  // 1/10000 degree
    float longitude = 0;
};

struct AlbersProjection {
    int originX = 0;
    float lon0 = 0;
    double sinPhi2 = 0; // the upper standard parallel
    double n = 0;       // the cone constant
    double radius = 0;  // R
    double rho1 = 0;    // radius of the upper standard parallel

    // The per-drawing set-up from the map's parameters (lat0, lon0 in 1/10000 degree).
    AlbersProjection(int originX, float lat0, float lon0, float scale);

    PixelPoint project(double latitude, double longitude) const;
    // The inverse of the pixel (x, y); nullopt where no point of the sphere maps there.
    std::optional<GeoPointF> unproject(int x, int y) const;
};
