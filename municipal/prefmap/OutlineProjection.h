#pragma once
// The projection of Surrick's small-scale maps of Japan, set up once per drawing call: below
// projection mode 2 the latitude band (a float ratio per whole degree, one ratio for 16..59
// degrees in mode 1), from 2 the Albers conic on a sphere of `scale` pixels radius with standard
// parallels ten degrees either side of the reference latitude. Neither adds an origin y.
// Coordinates in 1/10000 degree.
#include "basemap/projection/LatitudeRatioTable.h"
#include "basemap/projection/MapPoints.h"

namespace surrick {

class OutlineProjection {
public:
    // lastRatioDegree: the highest row the drawing builds (70 for the outline maps, 60 for the
    // statistics charts); degrees outside the built rows take the nearest one.
    OutlineProjection(int projectionMode, int originX, float refLatitude, float refLongitude, float scale,
                      int lastRatioDegree = kLatitudeRatioLastDegree);

    bool IsBand() const { return band_; }
    // ratioDegree: the whole degree whose ratio the band projection takes (the point's stored
    // latitude before any inset shift); the conic ignores it.
    PixelPoint Project(double latitude, double longitude, int ratioDegree) const;
    // With the ratio of the point's own whole degree.
    PixelPoint Project(double latitude, double longitude) const;
    float RatioAt(int degree) const;

private:
    bool band_;
    int originX_;
    double refLatitude_;
    double refLongitude_;
    double scale_;
    int lastRatioDegree_;
    float ratios_[kLatitudeRatioTableSize] = {};
    // The conic's constants.
    double n_ = 0;
    double sinUpper_ = 0;
    double rho1_ = 0;
};

// The south-western islands drawn as an inset in the sea south of Honshu: a point strictly
// inside 25..29 N, 125..131 E moves 4.5 degrees north and 13 degrees east.
GeoPoint ShiftIntoInset(GeoPoint point);
bool InInsetArea(double latitude, double longitude);
inline constexpr double kInsetShiftNorth = 45000;
inline constexpr double kInsetShiftEast = 130000;

} // namespace surrick
