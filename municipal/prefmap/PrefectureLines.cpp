// OnPrectureLine: the prefecture boundaries of the overview maps, and on request Hokkaido's
// subprefecture boundaries and their names.
#include "basemap/drawing/DrawingGuard.h"
#include "basemap/drawing/PenTrace.h"
#include "basemap/files/MapLabelFile.h"
#include "basemap/files/OutlinePolylineFile.h"
#include "contracts/surrick.h"
#include "municipal/SurrickText.h"
#include "municipal/prefmap/OutlineProjection.h"

namespace {

constexpr int kLabelFontHeight = 11;
// Arc-seconds to 1/10000 degree, in single precision as the boundary file was always read.
constexpr float kUnitsPerSecond = 2.7777777f;
constexpr int kSecondsPerDegree = 3600;

} // namespace

extern "C" void OnPrectureLine(vd::Dc* dc, std::string outlineFolder, int originX, int projectionMode, int lineStyle,
                               int options, float refLatitude, float refLongitude, float scale)
{
    GuardDrawing(dc, [&](vd::Dc& dc) {
        const surrick::OutlineProjection projection(projectionMode, originX, refLatitude, refLongitude, scale);
        const vd::Pen greyPen(vd::PS_SOLID, 1, 0xA0A0A0);
        const vd::Pen greenPen(vd::PS_SOLID, 1, 0x006400);
        const vd::Pen orangePen(vd::PS_SOLID, 1, 0x0080FF);
        const vd::Pen& pen = lineStyle == 1 ? orangePen : lineStyle == 2 ? greenPen : greyPen;
        const vd::Pen callerPen = dc.SelectObject(pen);

        if (const auto records = ReadOutlinePolylineFile(outlineFolder + "JILSPFTR.DAT")) {
            PenTrace trace(dc);
            for (const OutlineRecord& record : *records) {
                if (record.isPenUp())
                    trace.Lift();
                else
                    trace.To(projection.Project(record.latitude, record.longitude));
            }
        }

        if (options % 100 != 0) {
            if (const auto records = ReadSubprefectureBorderFile(outlineFolder + "支庁界.dat")) {
                PenTrace trace(dc);
                for (const SubprefectureRecord& record : *records) {
                    if (record.isPenUp()) {
                        trace.Lift();
                        continue;
                    }
                    const float latitude = static_cast<float>(record.latitude) * kUnitsPerSecond;
                    const float longitude = static_cast<float>(record.longitude) * kUnitsPerSecond;
                    trace.To(projection.Project(latitude, longitude, record.latitude / kSecondsPerDegree));
                }
            }
            if (options / 100 % 10 == 1) {
                const vd::Font font = surrick::MapFont(kLabelFontHeight, surrick::kGothicFace);
                const vd::Font callerFont = dc.SelectObject(font);
                dc.SetTextColor(0xFF0000);
                dc.SetBkMode(vd::TRANSPARENT);
                if (const auto labels = ReadSubprefectureLabelFile(outlineFolder + "支庁xy.txt"))
                    for (const MapLabel& label : *labels) {
                        const PixelPoint p = projection.Project(label.latitude, label.longitude, label.latitudeDegree);
                        dc.TextOut(p.x, p.y, label.name);
                    }
                dc.SelectObject(callerFont);
                dc.SetTextColor(vd::RGB(0, 0, 0));
                dc.SetBkMode(vd::OPAQUE);
            }
        }
        dc.SelectObject(callerPen);
    });
}
