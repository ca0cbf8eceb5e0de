// OnJapanDataIsland: the outline map of Japan and its neighbours: graticule, the inset's frame,
// the coast, the Far East borders and the labelled cities of the Far East.
#include "basemap/drawing/DrawingGuard.h"
#include "basemap/drawing/PenTrace.h"
#include "basemap/files/MapLabelFile.h"
#include "basemap/files/OutlinePolylineFile.h"
#include "contracts/surrick.h"
#include "municipal/SurrickText.h"
#include "municipal/prefmap/OutlineGraticule.h"
#include "municipal/prefmap/OutlineProjection.h"

namespace {

constexpr int kLabelFontHeight = 10;

void DrawGraticuleSegment(vd::Dc& dc, const surrick::OutlineProjection& projection,
                          const surrick::GraticuleSegment& segment)
{
    auto project = [&](const GeoPoint& p) {
        const int degree = (segment.parallel ? segment.from.latitude : p.latitude) / 10000;
        return projection.Project(p.latitude, p.longitude, degree);
    };
    basemap::DrawSegment(dc, project(segment.from), project(segment.to));
}

void DrawOutlineFile(vd::Dc& dc, const std::string& path, const surrick::OutlineProjection& projection, bool inset)
{
    const auto records = ReadOutlinePolylineFile(path);
    if (!records)
        return;
    PenTrace trace(dc);
    for (const OutlineRecord& record : *records) {
        if (record.isPenUp()) {
            trace.Lift();
            continue;
        }
        GeoPoint point{record.latitude, record.longitude};
        if (inset)
            point = surrick::ShiftIntoInset(point);
        trace.To(projection.Project(point.latitude, point.longitude, record.latitude / 10000));
    }
}

} // namespace

extern "C" void OnJapanDataIsland(vd::Dc* dc, std::string labelFolder, std::string outlineFolder, int graticuleFlag,
                                  int originX, int projectionMode, int insetFlag, float refLatitude,
                                  float refLongitude, float scale)
{
    GuardDrawing(dc, [&](vd::Dc& dc) {
        const surrick::OutlineProjection projection(projectionMode, originX, refLatitude, refLongitude, scale);
        const bool inset = insetFlag == 0;
        const vd::Pen greyPen(vd::PS_SOLID, 1, 0xA0A0A0);
        const vd::Pen coastPen(vd::PS_SOLID, 1, vd::RGB(0, 0, 0));
        const vd::Pen borderPen(vd::PS_SOLID, 1, 0x0080FF);
        const vd::Pen callerPen = dc.SelectObject(greyPen);

        if (graticuleFlag == 1)
            for (const auto& segment : surrick::OutlineGraticule(projection.IsBand(), inset))
                DrawGraticuleSegment(dc, projection, segment);
        if (inset)
            for (const auto& segment : surrick::InsetFrame())
                DrawGraticuleSegment(dc, projection, segment);

        dc.SelectObject(coastPen);
        DrawOutlineFile(dc, outlineFolder + "BN_JMAPA.DAT", projection, inset);
        dc.SelectObject(borderPen);
        DrawOutlineFile(dc, outlineFolder + "FEBORDER.DAT", projection, inset);

        // The labels stay at their true places, in blue, which the call leaves set.
        dc.SetTextColor(0xFF0000);
        const vd::Font font = surrick::MapFont(kLabelFontHeight, surrick::kMinchoFace);
        const vd::Font callerFont = dc.SelectObject(font);
        if (const auto labels = ReadFarEastLabelFile(labelFolder + "FarEast.DAT"))
            for (const MapLabel& label : *labels) {
                const PixelPoint p = projection.Project(label.latitude, label.longitude, label.latitudeDegree);
                dc.Rectangle(p.x - 2, p.y - 2, p.x + 2, p.y + 2);
                dc.TextOut(p.x + 4, p.y - 6, label.name);
            }
        dc.SelectObject(callerFont);
        dc.SelectObject(callerPen);
    });
}
