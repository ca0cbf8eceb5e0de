// OnJapanCoastLineDraw: the overview map of Japan in the band projection or the Albers conic.
#include "basemap/BaseMapPens.h"
#include "basemap/ProjectedOutlines.h"
#include "basemap/drawing/DrawingGuard.h"
#include "basemap/drawing/PenTrace.h"
#include "basemap/files/OutlinePolylineFile.h"
#include "basemap/projection/AlbersProjection.h"
#include "basemap/projection/Graticule.h"
#include "contracts/dovanne.h"

#include <memory>
#include <optional>
#include <string>

namespace {

// The projection of one drawing: the band projection below mode 2, the conic from 2.
class OverviewProjection {
public:
    OverviewProjection(int mode, int originX, int originY, float lat0, float lon0, float scale)
    {
        if (mode < 2)
            band_.emplace(originX, originY, lat0, lon0, scale);
        else
            conic_.emplace(originX, lat0, lon0, scale);
    }
    bool IsBand() const { return band_.has_value(); }
    PixelPoint Project(const GeoPoint& p) const
    {
        return band_ ? band_->project(p.latitude, p.longitude) : conic_->project(p.latitude, p.longitude);
    }

private:
    std::optional<SansonProjection> band_;
    std::optional<AlbersProjection> conic_;
};

// The overview's Japan area: nothing north of 50 degrees or west of 115 degrees east.
bool OutsideJapanArea(const OutlineRecord& r) { return r.latitude > 500000 || r.longitude < 1150000; }

// The file's points projected into runs, as a pen that lifts at each pen-up record draws them.
std::shared_ptr<const ProjectedRuns> ProjectOutlineFile(const std::string& path, const OverviewProjection& projection,
                                                        bool japanAreaOnly)
{
    const auto records = ReadOutlinePolylineFile(path);
    if (!records)
        return nullptr;
    auto runs = std::make_shared<ProjectedRuns>();
    bool down = false;
    for (const OutlineRecord& record : *records) {
        if (record.isPenUp()) {
            down = false;
            continue;
        }
        // Passed over without lifting the pen: the line goes on to the next kept point.
        if (japanAreaOnly && OutsideJapanArea(record))
            continue;
        const PixelPoint p = projection.Project({record.latitude, record.longitude});
        runs->points.push_back({p.x, p.y});
        if (down)
            ++runs->counts.back();
        else
            runs->counts.push_back(1);
        down = true;
    }
    return runs;
}

void DrawOutlineFile(vd::Dc& dc, const std::string& path, const OverviewProjection& projection,
                     const OutlineProjectionKey& key)
{
    const auto runs = CachedOutlineRuns(path, key, [&] { return ProjectOutlineFile(path, projection, key.japanAreaOnly); });
    if (runs)
        DrawProjectedRuns(dc, *runs);
}

} // namespace

extern "C" void OnJapanCoastLineDraw(vd::Dc* dc, int projectionMode, int bordersFlag, int japanAreaFlag, int originX,
                                     int originY, int graticuleFlag, float refLatitude, float refLongitude, float scale,
                                     std::string folder)
{
    GuardDrawing(dc, [&](vd::Dc& dc) {
        const OverviewProjection projection(projectionMode, originX, originY, refLatitude, refLongitude, scale);
        const vd::Pen greyPen(vd::PS_SOLID, 1, kGridGrey);
        const vd::Pen coastPen(vd::PS_SOLID, 1, vd::RGB(0, 0, 0));
        const vd::Pen borderPen(vd::PS_SOLID, 1, vd::RGB(255, 128, 0));
        const vd::Pen previous = dc.SelectObject(greyPen);

        if (graticuleFlag == 1) {
            const auto mode = projection.IsBand() ? GraticuleMode::Band : GraticuleMode::Albers;
            for (const GeoSegment& segment : JapanGraticule(mode, japanAreaFlag != 0))
                basemap::DrawSegment(dc, projection.Project(segment.from), projection.Project(segment.to));
        }

        const OutlineProjectionKey key{projection.IsBand() ? 0 : 2, originX, originY, refLatitude, refLongitude, scale,
                                       japanAreaFlag == 1};
        dc.SelectObject(coastPen);
        DrawOutlineFile(dc, folder + "BN_JMAPA.DAT", projection, key);
        if (bordersFlag != 0) {
            dc.SelectObject(borderPen);
            DrawOutlineFile(dc, folder + "FEBORDER.DAT", projection, key);
        }
        dc.SelectObject(previous);
    });
}
