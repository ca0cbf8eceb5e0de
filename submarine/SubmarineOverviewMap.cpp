#include "submarine/SubmarineOverviewMap.h"

#include "basemap/files/OutlinePolylineFile.h"

#include <algorithm>

namespace {

constexpr int kUnitsPerDegree = 10000;
// A first-level mesh in 1/10000 degree: 40 minutes of latitude (6666, its south edge from the
// code by 6666.6665) by one degree.
constexpr double kMeshHeightUnitsExact = 6666.6665;
constexpr int kMeshHeightUnits = 6666;
constexpr int kMeshWidthUnits = 10000;
constexpr int kFirstLongitudeDegree = 100;

// Points joined one after another; the first after a lift is a move.
class Trace {
public:
    explicit Trace(vd::Dc& dc) : dc_(dc) {}
    void Lift() { down_ = false; }
    void To(PixelPoint p)
    {
        if (down_)
            dc_.LineTo(p.x, p.y);
        else
            dc_.MoveTo(p.x, p.y);
        down_ = true;
    }

private:
    vd::Dc& dc_;
    bool down_ = false;
};

GeoPoint Degrees(int latitude, int longitude) { return {latitude * kUnitsPerDegree, longitude * kUnitsPerDegree}; }

void Segment(vd::Dc& dc, const SubmarineOverviewProjection& projection, GeoPoint from, GeoPoint to)
{
    const PixelPoint a = projection.Project(from);
    const PixelPoint b = projection.Project(to);
    dc.MoveTo(a.x, a.y);
    dc.LineTo(b.x, b.y);
}

} // namespace

void DrawSubmarineGraticule(vd::Dc& dc, const SubmarineOverviewProjection& projection, int westEnd, int eastEnd)
{
    for (int i = 0; i < 4; ++i) {
        const int meridian = 120 + 10 * i;
        for (int north = 25; north <= 50; north += 5)
            Segment(dc, projection, Degrees(north, meridian), Degrees(north - 5, meridian));
        const int parallel = std::max(30, 50 - 10 * i);
        Segment(dc, projection, Degrees(parallel, westEnd), Degrees(parallel, eastEnd));
    }
}

bool OutsideJapanOverview(const GeoPoint& p) { return p.latitude > 500000 || p.longitude < 1150000; }

void DrawOverviewOutline(vd::Dc& dc, const std::string& winPath, const SubmarineOverviewProjection& projection,
                         bool japanOnly)
{
    const auto records = ReadOutlinePolylineFile(winPath);
    if (!records)
        return;
    Trace trace(dc);
    for (const OutlineRecord& record : *records) {
        if (record.isPenUp()) {
            trace.Lift();
            continue;
        }
        const GeoPoint p{record.latitude, record.longitude};
        if (japanOnly && OutsideJapanOverview(p))
            continue;
        trace.To(projection.Project(p));
    }
}

void DrawDepthMeshFrame(vd::Dc& dc, const SubmarineOverviewProjection& projection, int latitudeCode,
                        int longitudeCode, bool japanOnly)
{
    const int south = static_cast<int>(latitudeCode * kMeshHeightUnitsExact);
    const int west = (longitudeCode + kFirstLongitudeDegree) * kUnitsPerDegree;
    const int north = south + kMeshHeightUnits;
    const int east = west + kMeshWidthUnits;
    const GeoPoint corners[] = {{south, west}, {south, east}, {north, east}, {north, west}, {south, west}};
    Trace trace(dc);
    for (const GeoPoint& corner : corners) {
        if (japanOnly && OutsideJapanOverview(corner))
            continue;
        trace.To(projection.Project(corner));
    }
}
