#pragma once
// The prefecture maps: one first-level mesh at a large scale in the band projection with origin y
// 0 (y = 0 is the latitude lat0). Points in 1/10000 degree; the ratio of each point's own whole
// degree (ratio mode 0) or the ratio the caller fixes.
#include "basemap/projection/SansonProjection.h"
#include "platform/dc/Dc.h"

#include <optional>
#include <string>
#include <string_view>

struct PrefectureMapPlacement {
    SansonProjection projection;
    int ratioMode = 0;
    float ratio = 1;
    int width = 0; // the map rectangle: x 0..width, y 0..height
    int height = 0;

    PrefectureMapPlacement(int originX, float lat0, float lon0, float scale, int ratioMode, float ratio, int width,
                           int height);
    PixelPoint Place(double latitude, double longitude) const;
    bool Inside(PixelPoint p) const { return 0 <= p.x && p.x <= width && 0 <= p.y && p.y <= height; }
};

// A first-level mesh in 1/10000 degree from its 4-digit code text.
struct PrefectureMesh {
    int latitudeCode = 0;
    int longitudeCode = 0;
    double south = 0;
    double west = 0;
    double north = 0;
    double east = 0;
    int Code() const { return latitudeCode * 100 + longitudeCode; }
};
PrefectureMesh PrefectureMeshOf(std::string_view meshCodeText);

// Draws the lines of one mesh of a mesh-cut file (points outside the map lift the pen).
void DrawPrefectureMeshLines(vd::Dc& dc, const std::string& path, const PrefectureMesh& mesh,
                             int unitsPerMesh, const PrefectureMapPlacement& placement);

// MAPELMNT\都道府県.DAT under the application folder.
std::string PrefectureTablePath(const std::string& applicationFolder);

// Arc-seconds to 1/10000 degree with the maps' single-precision constant.
inline constexpr double kUnitsPerArcSecond = static_cast<double>(2.7777777f);
