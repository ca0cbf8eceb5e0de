// OnPrefectureMap: the 47 prefectures of PRFCT_RK.DAT filled by class, the class of a prefecture
// being its value in the class list divided by 5 (colour flag non-zero, ten classes) or 10.
#include "basemap/DrawingGuard.h"
#include "basemap/files/OutlinePolylineFile.h"
#include "basemap/files/PrefectureDataFile.h"
#include "contracts/surrick.h"
#include "municipal/prefmap/ClassList.h"
#include "municipal/prefmap/OutlineProjection.h"

#include <array>
#include <vector>

namespace {

constexpr int kClassCount = 10;
// A polygon of this many points or fewer is a sliver of the source and is not filled.
constexpr std::size_t kSmallestFilled = 10;

struct ClassColours {
    vd::COLORREF pen;
    vd::COLORREF brush;
};

// 0x00BBGGRR, as the class table has always been written.
constexpr std::array<ClassColours, kClassCount> kTenClassColours{{
    {0xFF0080, 0xFF0080}, {0xFF0000, 0xFF0000}, {0xFFFF00, 0xFFFF00}, {0x00FF00, 0x00FF00}, {0x00FFFF, 0x00FFFF},
    {0x00E0E0, 0x00E0F4}, {0x00807D, 0x0080FF}, {0xFF80FF, 0xFF80FF}, {0x0000FF, 0x0000FF}, {0x404080, 0x404080},
}};
constexpr std::array<ClassColours, kClassCount> kFiveClassColours{{
    {0xFFFF00, 0xFFFF00}, {0x00FF00, 0x00FF00}, {0x00FFFF, 0x00FFFF}, {0x00807D, 0x0080FF}, {0xFF80FF, 0xFF80FF},
    {0x000000, 0xFFFFFF}, {0x000000, 0xFFFFFF}, {0x000000, 0xFFFFFF}, {0x000000, 0xFFFFFF}, {0x000000, 0xFFFFFF},
}};

} // namespace

extern "C" void OnPrefectureMap(vd::Dc* dc, std::string classList, std::string outlineFolder, int originX,
                                int projectionMode, int insetFlag, int colourFlag, float refLatitude,
                                float refLongitude, float scale)
{
    GuardDrawing(dc, [&](vd::Dc& dc) {
        const auto& colours = colourFlag != 0 ? kTenClassColours : kFiveClassColours;
        const int divisor = colourFlag != 0 ? 5 : 10;
        std::array<vd::Pen, kClassCount> pens;
        std::array<vd::Brush, kClassCount> brushes;
        for (int i = 0; i < kClassCount; ++i) {
            pens[std::size_t(i)] = vd::Pen(vd::PS_SOLID, 1, colours[std::size_t(i)].pen);
            brushes[std::size_t(i)] = vd::Brush(colours[std::size_t(i)].brush);
        }
        const vd::Pen defaultPen(vd::PS_SOLID, 1, vd::RGB(0, 0, 0));
        const vd::Brush defaultBrush(vd::RGB(255, 255, 255));
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
                currentClass = code >= 1 && code <= kPrefectureCount ? values[std::size_t(code - 1)] / divisor : -1;
            }
        }
        dc.SetTextColor(vd::RGB(0, 0, 0));
        dc.SetBkColor(vd::RGB(255, 255, 255));
        dc.SelectObject(callerPen);
        dc.SelectObject(callerBrush);
    });
}
