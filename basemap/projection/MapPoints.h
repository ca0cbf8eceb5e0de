#pragma once
// The points the projections turn into each other: a place in 1/10000 degree and a pixel.

struct PixelPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

struct GeoPoint {
    int latitude = 0;  // 1/10000 degree north
    int longitude = 0; // 1/10000 degree east
    friend bool operator==(const GeoPoint&, const GeoPoint&) = default;
};
