#include "basemap/MeshLines.h"

#include "basemap/files/OutlinePolylineFile.h"
#include "platform/dc/PointRuns.h"

#include <algorithm>
#include <cmath>
#include <vector>

void DrawMeshLines(vd::Dc& dc, const std::string& path, const SheetFrame& frame, int unitsPerMesh,
                   const SheetPlacement& placement)
{
    const auto records = ReadMeshPolylineFile(path);
    if (!records)
        return;
    // Each run of connected points goes as one call where that sets the same pixels.
    std::vector<vd::Point> points;
    vd::PointRun run(dc, points);
    bool accepted = false;
    int meshCode = 0;
    for (const MeshRecord& record : *records) {
        if (record.isHeader()) {
            meshCode = record.b;
            accepted = frame.Accepts(meshCode);
            run.End();
            continue;
        }
        if (!accepted)
            continue;
        if (record.isPenUp()) {
            run.End();
            continue;
        }
        const auto point = frame.Place(meshCode, record, unitsPerMesh, placement.originX, placement.originY,
                                       placement.scaleX, placement.scaleY);
        if (point)
            run.Add({point->x, point->y});
        else
            run.End();
    }
    run.End();
}

namespace {

struct BoxScale {
    ArcBox box;
    double x; // pixels per arc-second: x / xDivisor
    double y;
    double xDivisor = 1;
    double yDivisor = 1;
};

PixelPoint PlaceSeconds(const BoxScale& s, const SheetPlacement& placement, int latitude, int longitude)
{
    return {static_cast<int>(std::trunc((longitude - s.box.west) * s.x / s.xDivisor + placement.originX)),
            static_cast<int>(std::trunc((s.box.north - latitude) * s.y / s.yDivisor + placement.originY))};
}

} // namespace

void DrawSubprefectureLines(vd::Dc& dc, const std::string& path, const SheetFrame& frame,
                            const SheetPlacement& placement)
{
    const auto records = ReadSubprefectureBorderFile(path);
    if (!records)
        return;
    BoxScale s{frame.clip, placement.scaleX, placement.scaleY};
    if (frame.mapMode != 3) {
        // The scales are pixels per sheet unit (320 to the sheet's side) in the sheet modes;
        // divided last, so a whole sheet's width lands where the caller draws the sheet's edge.
        s.x = static_cast<double>(placement.scaleX) * 320;
        s.y = static_cast<double>(placement.scaleY) * 320;
        s.xDivisor = kMeshWidthSeconds;
        s.yDivisor = kMeshHeightSeconds;
    }
    const ArcBox& box = s.box;
    enum class State { PenUp, Drawing, Outside } state = State::PenUp;
    SubprefectureRecord remembered;
    const auto clamped = [&](SubprefectureRecord r) {
        r.longitude = std::clamp(r.longitude, box.west, box.east);
        r.latitude = std::clamp(r.latitude, box.south, box.north);
        return r;
    };
    const auto place = [&](const SubprefectureRecord& r) { return PlaceSeconds(s, placement, r.latitude, r.longitude); };
    for (const SubprefectureRecord& record : *records) {
        if (record.latitude == kPenUpValue && record.longitude == kPenUpValue) {
            state = State::PenUp;
            continue;
        }
        const bool inside = box.west <= record.longitude && record.longitude <= box.east &&
                            box.south <= record.latitude && record.latitude <= box.north;
        if (!inside) {
            if (state == State::Drawing) {
                remembered = clamped(record);
                const PixelPoint p = place(remembered);
                dc.LineTo(p.x, p.y);
            } else {
                remembered = record;
            }
            state = State::Outside;
            continue;
        }
        const PixelPoint p = place(record);
        if (state == State::PenUp) {
            dc.MoveTo(p.x, p.y);
        } else if (state == State::Outside) {
            const PixelPoint entry = place(clamped(remembered));
            dc.MoveTo(entry.x, entry.y);
            dc.LineTo(p.x, p.y);
        } else {
            dc.LineTo(p.x, p.y);
        }
        state = State::Drawing;
    }
}
