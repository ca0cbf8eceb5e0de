#pragma once
// The small overview map of Japan on which the depth-file builder and the distribution map frame
// the intermediate depth files: 31 pixels a degree of latitude, 135 E and 47 N at the origin,
// longitude shrunk by the latitude-ratio table at each point's whole degree. Positions in 1/10000
// degree, pixels truncated toward zero.
#include "basemap/projection/LatitudeRatioTable.h"
#include "basemap/projection/MapPoints.h"

class SubmarineOverviewProjection {
public:
    SubmarineOverviewProjection(int originX, int originY);
    PixelPoint Project(const GeoPoint& p) const;

private:
    int originX_;
    int originY_;
    float table_[kLatitudeRatioTableSize] = {};
};
