// OnPrefectureMap: the 47 prefectures of PRFCT_RK.DAT filled by class, the class of a prefecture
// being its value in the class list divided by 5 (colour flag non-zero, ten classes) or 10.
#include "basemap/drawing/DrawingGuard.h"
#include "basemap/files/OutlinePolylineFile.h"
#include "basemap/files/PrefectureDataFile.h"
#include "contracts/surrick.h"
#include "municipal/prefmap/ClassColours.h"
#include "municipal/prefmap/ClassList.h"
#include "municipal/prefmap/OutlineProjection.h"

#include <array>
#include <vector>

namespace {

// The pens and brushes the map selects by class: a scheme's classes in its colours, the rest of
// the ten (a five-class map's classes 5-9) black on white.
constexpr int kClassCount = 10;
// A polygon of this many points or fewer is a sliver of the source and is not filled.
constexpr std::size_t kSmallestFilled = 10;

} // namespace

extern "C" void OnPrefectureMap(vd::Dc* dc, std::string classList, std::string outlineFolder, int originX,
                                int projectionMode, int insetFlag, int colourFlag, float refLatitude,
                                float refLongitude, float scale)
{
    GuardDrawing(dc, [&](vd::Dc& dc) {
        const surrick::ClassScheme& scheme = surrick::StatisticsClassScheme(colourFlag != 0);
        const vd::Pen defaultPen(vd::PS_SOLID, 1, vd::RGB(0, 0, 0));
        const vd::Brush defaultBrush(vd::RGB(255, 255, 255));
        std::array<vd::Pen, kClassCount> pens;
        std::array<vd::Brush, kClassCount> brushes;
        pens.fill(defaultPen);
        brushes.fill(defaultBrush);
        for (std::size_t i = 0; i < scheme.colours.size() && i < pens.size(); ++i) {
            pens[i] = vd::Pen(vd::PS_SOLID, 1, scheme.colours[i].pen);
            brushes[i] = vd::Brush(scheme.colours[i].brush);
        }
        const vd::Pen callerPen = dc.SelectObject(defaultPen);
        const vd::Brush callerBrush = dc.SelectObject(defaultBrush);

        const std::vector<int> values = surrick::ParseBarList(classList, kPrefectureCount);
        const surrick::OutlineProjection projection(projectionMode, originX, refLatitude, refLongitude, scale);
        if (const auto records = ReadOutlinePolylineFile(outlineFolder + "PRFCT_RK.DAT")) {
            std::vector<vd::Point> polygon;
            int currentClass = 0; // before the first header
            for (std::size_t i = 0; i < records->size(); ++i) {
                const OutlineRecord& record = (*records)[i];
                if (!record.isPenUp()) {
                    GeoPoint point{record.latitude, record.longitude};
                    if (insetFlag == 0)
                        point = surrick::ShiftIntoInset(point);
                    const PixelPoint p = projection.Project(point.latitude, point.longitude, record.latitude / 10000);
                    polygon.push_back({p.x, p.y});
                    continue;
                }
                // A class outside the table keeps the colours selected before.
                if (currentClass >= 0 && currentClass < kClassCount) {
                    dc.SelectObject(pens[std::size_t(currentClass)]);
                    dc.SelectObject(brushes[std::size_t(currentClass)]);
                }
                if (polygon.size() > kSmallestFilled)
                    dc.Polygon(polygon);
                polygon.clear();
                if (++i == records->size())
                    break;
                // The header after a pen lift names the prefecture of the next polygon; a code
                // outside 1..47 has no class.
                const int code = (*records)[i].latitude;
                currentClass = code >= 1 && code <= kPrefectureCount ? values[std::size_t(code - 1)] / scheme.prefecturesPerClass : -1;
            }
        }
        dc.SetTextColor(vd::RGB(0, 0, 0));
        dc.SetBkColor(vd::RGB(255, 255, 255));
        dc.SelectObject(callerPen);
        dc.SelectObject(callerBrush);
    });
}
