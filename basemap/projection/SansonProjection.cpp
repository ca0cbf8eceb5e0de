#include "basemap/projection/SansonProjection.h"

#include <cmath>

SansonProjection::SansonProjection(int originX_, int originY_, float lat0_, float lon0_, float scale_)
    : originX(originX_), originY(originY_), lat0(lat0_), lon0(lon0_), scale(scale_)
{
    BuildLatitudeRatioTable(table);
}

float SansonProjection::ratioAt(double latitude) const
{
    // The whole degree truncates toward zero: 35.9999 degrees takes row 35.
    return LatitudeRatioAt(table, static_cast<int>(std::trunc(latitude / 10000.0)));
}

PixelPoint SansonProjection::project(double latitude, double longitude) const
{
    return project(latitude, longitude, ratioAt(latitude));
}

PixelPoint SansonProjection::project(double latitude, double longitude, double ratio) const
{
    const double rows = (static_cast<double>(lat0) - latitude) / static_cast<double>(scale);
    const double columns = ((longitude - static_cast<double>(lon0)) / static_cast<double>(scale)) / ratio;
    return {static_cast<int>(std::trunc(columns)) + originX, static_cast<int>(std::trunc(rows)) + originY};
}

GeoPoint SansonProjection::unproject(int x, int y, int ratioRow) const
{
    const double lat0d = lat0;
    const double scaled = scale;
    const double latitude = std::trunc(lat0d - scaled * (y - originY));
    const double ratioLatitude = (lat0d - scaled * (ratioRow - originY)) * 0.0001;
    const double k = LatitudeRatioAt(table, static_cast<int>(std::trunc(ratioLatitude)));
    const double longitude = std::trunc(k * (x - originX) * scaled + static_cast<double>(lon0));
    return {static_cast<int>(latitude), static_cast<int>(longitude)};
}
