// OnCurrentFileCheck and OnDfCModule: the user's registered points on the overview, the current
// data file with its title box, or one data source of the binder list in that source's style.
#include "basemap/drawing/DrawingGuard.h"
#include "basemap/projection/CoordinateText.h"
#include "basemap/projection/LinearLatitudeRatio.h"
#include "basemap/projection/PixelCoordinate.h"
#include "contracts/dovanne.h"
#include "platform/fs/TextReader.h"
#include "platform/text/Format.h"
#include "platform/text/StringOps.h"

#include <array>
#include <cmath>
#include <functional>
#include <string_view>

namespace {

struct MarkerPoint {
    double latitude = 0;  // 1/10000 degree
    double longitude = 0;
};

// The latitude and longitude texts of a point line: the second and third blank-separated fields.
// A coordinate text is D.MMSS (degrees, minutes, seconds); a missing one reads as 0.
MarkerPoint ParsePointLine(std::string_view line)
{
    const std::size_t nameEnd = line.find(' ');
    const std::string_view rest = line.substr(nameEnd + 1);
    const std::size_t latEnd = rest.find(' ');
    const std::string_view latitude = rest.substr(0, latEnd);
    const std::string_view longitude =
        latEnd == std::string_view::npos ? std::string_view{} : rest.substr(latEnd + 1, rest.find(' ', latEnd + 1) - latEnd - 1);
    return {DmsToTenThousandthDegrees(latitude), DmsToTenThousandthDegrees(longitude)};
}

// The linear band projection of the markers: y from the reference latitude, no y origin.
vd::Point ProjectMarker(const MarkerPoint& p, int originX, float lat0, float lon0, float scale, double ratio)
{
    const int y = TruncatedPixel((lat0 - p.latitude) / scale);
    const int x = TruncatedPixel((p.longitude - lon0) / scale / ratio) + originX;
    return {x, y};
}

// Every point line of a file (a line holding a blank; empty and ";" lines skipped). A file that
// cannot be opened has none.
void ForEachPointLine(const std::string& path, const std::function<void(const std::string&)>& visit)
{
    vd::TextReader reader;
    if (!reader.open(path))
        return;
    std::string line;
    while (reader.readLine(line)) {
        if (line.empty() || line[0] == ';' || line.find(' ') == std::string::npos)
            continue;
        visit(line);
    }
}

enum class PointClass { Text, Picture, Album };

PointClass ClassOfLine(const std::string& line)
{
    const std::string lower = vd::toLowerAscii(line);
    for (const char* extension : {".bmp", ".jpg", ".gif", ".pcd", ".pic"})
        if (lower.find(extension) != std::string::npos)
            return PointClass::Picture;
    return lower.find(".al") != std::string::npos ? PointClass::Album : PointClass::Text;
}

constexpr std::array<vd::COLORREF, 10> kSourceColours = {
    vd::RGB(255, 0, 0),   vd::RGB(255, 120, 120), vd::RGB(255, 200, 120), vd::RGB(0, 255, 0),
    vd::RGB(0, 140, 0),   vd::RGB(0, 255, 255),   vd::RGB(0, 0, 255),     vd::RGB(120, 120, 255),
    vd::RGB(160, 0, 0),   vd::RGB(90, 90, 90),
};

enum class SourceShape { Circle, Square, Triangle, None };

SourceShape ShapeOfSource(int source)
{
    const int shape = source / 10;
    return shape == 0 ? SourceShape::Circle : shape == 1 ? SourceShape::Square : shape == 2 ? SourceShape::Triangle : SourceShape::None;
}

void DrawTriangle(vd::Dc& dc, int left, int base, int right, int apexX, int apexY)
{
    dc.MoveTo(left, base);
    dc.LineTo(right, base);
    dc.LineTo(apexX, apexY);
    dc.LineTo(left, base);
}

} // namespace

extern "C" void OnCurrentFileCheck(vd::Dc* dc, int areaWidth, float refLatitude, float refLongitude, float scale,
                                   std::string dataFile, std::string title)
{
    GuardDrawing(dc, [&](vd::Dc& dc) {
        const int originX = areaWidth > 800 ? 560 : 420;
        const vd::Pen redPen(vd::PS_SOLID, 1, vd::RGB(255, 0, 0));
        const vd::Pen greenPen(vd::PS_SOLID, 1, vd::RGB(0, 255, 0));
        const vd::Pen bluePen(vd::PS_SOLID, 1, vd::RGB(0, 0, 255));
        const vd::Brush greenBrush(vd::RGB(0, 255, 0));
        const vd::Pen previousPen = dc.SelectObject(redPen);

        int texts = 0, pictures = 0, albums = 0;
        ForEachPointLine(dataFile, [&](const std::string& line) {
            const MarkerPoint point = ParsePointLine(line);
            const vd::Point at = ProjectMarker(point, originX, refLatitude, refLongitude, scale,
                                               LinearLatitudeRatioDouble(point.latitude));
            switch (ClassOfLine(line)) {
            case PointClass::Picture:
                ++pictures;
                dc.SelectObject(greenPen);
                break;
            case PointClass::Album:
                ++albums;
                dc.SelectObject(bluePen);
                break;
            case PointClass::Text:
                ++texts;
                dc.SelectObject(redPen);
                break;
            }
            dc.Ellipse(at.x - 2, at.y - 2, at.x + 1, at.y + 1);
        });

        dc.SelectObject(previousPen);
        dc.Rectangle(8, 8, 470, 65);
        const vd::Brush previousBrush = dc.SelectObject(greenBrush);
        dc.Rectangle(8, 8, 469, 64);

        vd::Font titleFont;
        titleFont.CreateFont(24, 0, 0, 0, 500, false, false, false, vd::SHIFTJIS_CHARSET, vd::OUT_TT_PRECIS,
                             vd::CLIP_DEFAULT_PRECIS, vd::PROOF_QUALITY, vd::VARIABLE_PITCH | vd::FF_ROMAN,
                             "ＭＳ ゴシック");
        const vd::Font previousFont = dc.SelectObject(titleFont);
        dc.SetBkColor(vd::RGB(0, 255, 0));
        dc.TextOut(12, 13, "<ﾃﾞｰﾀﾌｧｲﾙ:" + title + "> ");
        dc.SelectObject(previousFont);
        dc.TextOut(30, 40, vd::format("ﾃｷｽﾄ=%d 画像=%d ｱﾙﾊﾞﾑ=%d", texts, pictures, albums));
        dc.SelectObject(previousBrush);
    });
}

extern "C" void OnDfCModule(vd::Dc* dc, int source, int firstLegendSource, int legendX, int legendY,
                            int legendRowHeight, int originX, std::string dataFile, float refLatitude,
                            float refLongitude, float scale)
{
    GuardDrawing(dc, [&](vd::Dc& dc) {
        const vd::COLORREF colour = kSourceColours[static_cast<std::size_t>(((source % 10) + 10) % 10)];
        const SourceShape shape = source < 0 ? SourceShape::None : ShapeOfSource(source);
        const vd::Pen pen(vd::PS_SOLID, 1, colour);
        const vd::Brush brush(colour);
        const vd::Pen previousPen = dc.SelectObject(pen);
        const vd::Brush previousBrush = dc.SelectObject(brush);

        if (shape != SourceShape::None) {
            ForEachPointLine(dataFile, [&](const std::string& line) {
                const MarkerPoint point = ParsePointLine(line);
                const vd::Point at = ProjectMarker(point, originX, refLatitude, refLongitude, scale,
                                                   LinearLatitudeRatioSingle(point.latitude));
                if (shape == SourceShape::Circle)
                    dc.Ellipse(at.x - 2, at.y - 2, at.x + 2, at.y + 2);
                else if (shape == SourceShape::Square)
                    dc.Rectangle(at.x - 2, at.y - 2, at.x + 2, at.y + 2);
                else
                    DrawTriangle(dc, at.x - 2, at.y + 2, at.x + 2, at.x, at.y - 2);
            });

            // The legend symbol stands left of the source's title in the list.
            const int lx = legendX + 9;
            const int ly = (source - firstLegendSource) * legendRowHeight + legendY + 8;
            if (shape == SourceShape::Circle)
                dc.Ellipse(lx - 3, ly - 3, lx + 4, ly + 4);
            else if (shape == SourceShape::Square)
                dc.Rectangle(lx - 3, ly - 3, lx + 3, ly + 3);
            else
                DrawTriangle(dc, lx - 3, ly + 2, lx + 3, lx, ly - 3);
        }

        dc.SelectObject(previousPen);
        dc.SelectObject(previousBrush);
    });
}
