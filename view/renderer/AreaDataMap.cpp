// The small locator map of an album or route item: the sheet map's registered points, the mark of
// the item in hand, a shaded frame and, on request, the coast, the borders and the route, all at
// 10/d of the sheet map's size.
#include "view/renderer/MapRenderer.h"

#include "app/document/VeldoranDoc.h"
#include "contracts/bindings/DovanneExports.h"
#include "basemap/projection/SheetGrid.h"
#include "platform/dc/Dc.h"
#include "platform/text/Numbers.h"
#include "platform/text/StringOps.h"

#include <cmath>
#include <vector>

namespace {

constexpr std::size_t kLocatorPoints = 200;

int SheetsPerSide(int mapMode) { return std::max(1, int(std::sqrt(double(mapMode)))); }

} // namespace

void CMapRenderer::DrawAreaData(int d, int top, int left, int mode, int count, std::string mark)
{
    if (d <= 0)
        return; // no scale to draw at
    const CVeldoranDoc& doc = *m_pDoc;
    SheetDrawState& draw = *m_pDraw;
    vd::Dc& dc = *m_pDC;
    const auto scaleX = [&](int px) { return left + (px - m_nOriginX) * 10 / d; };
    const auto scaleY = [&](int py) { return top + (py - m_nOriginY) * 10 / d; };
    const int width = draw.m_nMapPixelWidth;
    const int height = draw.m_nMapPixelHeight;

    const vd::Pen previousPen = dc.SelectObject(m_aPen[0]);
    const vd::Brush previousBrush = dc.SelectObject(m_aBrush[0]);

    if (doc.position.m_nMapFrame == 2) {
        const int n = SheetsPerSide(doc.position.m_nMapMode);
        dc.SelectObject(m_aPen[17]);
        for (int i = 1; i < n; ++i) {
            const int x = left + width * i * 10 / (n * d);
            dc.MoveTo(x, top);
            dc.LineTo(x, top + height * 10 / d);
            const int y = top + height * i * 10 / (n * d);
            dc.MoveTo(left, y);
            dc.LineTo(left + width * 10 / d, y);
        }
    }

    const auto circle = [&](std::size_t i) {
        const int x = scaleX(draw.m_anHitX[i]);
        const int y = scaleY(draw.m_anHitY[i]);
        dc.Ellipse(x - 3, y - 3, x + 2, y + 2);
    };
    std::size_t marked = kLocatorPoints;
    for (std::size_t i = 0; i < kLocatorPoints && draw.m_astrHitRecord[i] != "999"; ++i) {
        const std::string& record = draw.m_astrHitRecord[i];
        draw.m_nFileKind = CVeldoranDoc::GetFileKind(record);
        int pen = 0, brush = 0;
        if (draw.m_nFileKind == 8)
            pen = 12, brush = 5;
        else if (draw.m_nFileKind == 10)
            pen = 24, brush = 12;
        else if (draw.m_nFileKind < 5)
            pen = 5, brush = 1;
        dc.SelectObject(m_aPen[std::size_t(pen)]);
        dc.SelectObject(m_aBrush[std::size_t(brush)]);
        circle(i);
        if (marked == kLocatorPoints && vd::toLowerAscii(record).find(mark) != std::string::npos)
            marked = i;
    }
    if (marked < kLocatorPoints) {
        dc.SelectObject(m_aPen[2]);
        dc.SelectObject(m_aBrush[2]);
        circle(marked);
    }

    const int right = width * 10 / d + left + 1;
    const int bottom = height * 10 / d + top + 1;
    dc.SelectObject(m_aPen[0]);
    dc.MoveTo(left - 4, bottom + 3);
    dc.LineTo(left - 4, top - 4);
    dc.LineTo(right + 5, top - 4);
    dc.MoveTo(left - 3, top - 3);
    dc.LineTo(right + 4, top - 3);
    dc.MoveTo(left - 3, bottom + 3);
    dc.LineTo(left - 3, top - 4);
    dc.SelectObject(m_aPen[draw.m_nFileKind <= 4 ? 15 : 17]);
    dc.MoveTo(left - 3, bottom + 3);
    dc.LineTo(right + 4, bottom + 3);
    dc.LineTo(right + 4, top - 3);
    dc.SelectObject(m_aPen[17]);
    dc.MoveTo(left - 1, bottom + 1);
    dc.LineTo(right + 2, bottom + 1);
    dc.LineTo(right + 2, top - 2);

    if (mode == -1)
        DrawAreaCoast(d, top, left);

    if (count != 0 && doc.routes.m_strEntryMode != "AreaData") {
        std::vector<vd::Point> route;
        const std::size_t points =
            std::min<std::size_t>(std::size_t(std::max(count, 0)), doc.routes.m_aptRoutePoint.size());
        for (std::size_t i = 0; i < points; ++i)
            route.push_back({scaleX(doc.routes.m_aptRoutePoint[i].x), scaleY(doc.routes.m_aptRoutePoint[i].y)});
        dc.SelectObject(m_aPen[11]);
        if (!route.empty())
            dc.Polyline(route.data(), int(route.size()));
    }
    dc.SelectObject(previousPen);
    dc.SelectObject(previousBrush);
}

// The centre sheet's coast and borders under the locator's frame. Scales are pixels per 1/320 of
// a sheet, the unit Dovanne places a sheet in, so the coast fills the frame.
void CMapRenderer::DrawAreaCoast(int d, int top, int left)
{
    const CVeldoranDoc& doc = *m_pDoc;
    SheetDrawState& draw = *m_pDraw;
    const int n = doc.position.m_nMapFrame == 1 ? 1 : SheetsPerSide(doc.position.m_nMapMode);
    const std::size_t cell = doc.position.m_nMapFrame == 1 ? 1 : std::size_t(std::max(doc.position.m_nMapMode, 0) / 2);
    if (cell >= draw.m_astrBlockMeshCode.size())
        return;
    const std::string& code = draw.m_astrBlockMeshCode[cell];
    if (code.size() < 4)
        return;
    const int latitude = vd::parseInt(code.substr(0, 2)) * kMeshHeightSeconds;
    const int longitude = (vd::parseInt(code.substr(2, 2)) + kMeshFirstLongitudeDegree) * kMeshWidthSeconds;
    const float units = float(n) * float(d) * float(kSheetUnits);
    const float scaleX = float(draw.m_nMapPixelWidth) * 10.f / units;
    const float scaleY = float(draw.m_nMapPixelHeight) * 10.f / units;
    DovanneExports& dovanne = Dovanne();
    if (dovanne.OnWholeCoastLine.fn)
        dovanne.OnWholeCoastLine.fn(m_pDC, doc.position.m_nMapFrame, doc.position.m_nMapMode, longitude, latitude, left,
                                    top, 0, 0, scaleX, scaleY, doc.colours.m_nCstlnColor, doc.folders.m_strCoastDir);
    if (doc.spec.m_nPrefBorder == 1 && dovanne.OnWholePrfctrLine.fn)
        dovanne.OnWholePrfctrLine.fn(m_pDC, doc.position.m_nMapFrame, doc.position.m_nMapMode, longitude, latitude,
                                     left, top, 0, 0, doc.spec.m_nSubprefBorder, scaleX, scaleY,
                                     doc.spec.m_strPrefBorderColour, doc.folders.m_strCoastDir);
}
