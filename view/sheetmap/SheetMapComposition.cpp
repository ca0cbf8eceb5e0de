// The sheet map of map mode 5: one sheet, a block of sheets or a free extent, drawn cell by cell,
// with the point overlays, the side panel, the frame in arc-seconds, the title and the white-map
// layers; and the renderer's small drawing helpers that the block drawing shares.
#include "view/renderer/MapRenderer.h"

#include "app/document/VeldoranDoc.h"
#include "contracts/bindings/DovanneExports.h"
#include "basemap/projection/SheetGrid.h"
#include "contracts/dovanne.h"
#include "graphics/DibFunctions.h"
#include "platform/dc/Dc.h"
#include "platform/dc/GdiConstants.h"
#include "platform/text/Cp932.h"
#include "platform/text/Cp932Text.h"
#include "platform/ui/Application.h"
#include "platform/ui/FrameWindow.h"
#include "view/layers/LandLayerTable.h"

#include <array>
#include <cstdlib>

namespace {

void SetActiveWindowTitle(const std::string& title)
{
    if (vd::Application* app = vd::Application::current())
        if (app->m_pMainWnd)
            app->m_pMainWnd->SetWindowText(title);
}

std::string SeismicSuffix(const CVeldoranDoc& doc)
{
    if (doc.seismic.m_bSeismicLayer != 1)
        return {};
    return "   <<" + doc.GetSeismicMapTitle() + ">>";
}


} // namespace

std::optional<WhiteLayerResult> CMapRenderer::DrawSheetMap(int overlayOnly, int legendFlag)
{
    const CVeldoranDoc& doc = *m_pDoc;
    SheetDrawState& draw = *m_pDraw;
    vd::Dc& dc = *m_pDC;
    m_nLegendFlag = legendFlag;
    m_nPointDisplaySetting = draw.m_nPointDisplayFlag;
    {
        const vd::Brush brush = dc.SelectObject(*m_pBackgroundShadeBrush);
        const vd::Pen pen = dc.SelectObject(*m_pBackgroundShadePen);
        // The tint map is cleared too: a sheet without tint does not paint around the block,
        // and the picture before would show there.
        if (overlayOnly == 0)
            dc.Rectangle(0, 0, m_nClientWidth, m_nClientHeight);
        dc.SelectObject(brush);
        dc.SelectObject(pen);
    }

    const int indexMapFlag = draw.m_nIndexMapFlag;
    draw.m_nIndexMapFlag = 0;
    m_nPointCount = 0;
    const std::string mapName = draw.m_strMapName;
    std::array<std::string, 9> neighbours;
    for (int i = 0; i < 9; ++i)
        neighbours[i] = draw.m_astrMapEntry[11 + i];

    draw.m_astrSheetPosition[2] = draw.m_astrMapEntry[2];
    draw.m_astrSheetPosition[3] = draw.m_astrMapEntry[3];
    m_nSheetMeshCode = SheetMeshCode(CVeldoranDoc::DmsToSeconds(draw.m_astrMapEntry[2]),
                                     std::atoi(vd::cp932Left(draw.m_astrMapEntry[3], 3).c_str()));

    const int altOnEntry = m_bAltLayout;
    if (m_bAltLayout == 0 && doc.position.m_nAltSheetLayout == 1)
        m_bAltLayout = 1;
    if (doc.position.m_nWhiteMapFrame == 2 && doc.position.m_nMapMode == 49)
        m_bAltLayout = 0;
    const bool block = m_bAltLayout ? doc.position.m_nWhiteMapFrame != 1
                                    : doc.position.m_nMapFrame != 1 && doc.position.m_nMapFrame != 3;

    auto drawCell = [&](int cell) {
        const int label = m_settings.pointLabel;
        m_settings.pointLabel = 3;
        if (m_bAltLayout)
            DrawSheetBlockAlt(cell, 1, 0, overlayOnly);
        else
            DrawSheetBlock(cell, 1, 0, overlayOnly);
        m_settings.pointLabel = label;
    };
    // The common area's points, when switched on and not already the current data.
    auto overlayCommonArea = [&](int cell) {
        if (doc.registered.m_strCommonDataSwitch == "on" &&
            m_settings.dataFile.find("history.dat") == std::string::npos) {
            const std::string dataFile = m_settings.dataFile;
            m_settings.dataFile = doc.registered.m_strCommonDataFile;
            DrawPointOverlay(cell);
            m_settings.dataFile = dataFile;
        }
    };
    if (block) {
        for (int i = 0; i < 9; ++i)
            draw.m_astrBlockMeshCode[i].clear();
        for (int cell = 1; cell <= doc.position.m_nMapMode; ++cell) {
            drawCell(cell);
            if (doc.spec.m_nLinkPoint != 0) {
                overlayCommonArea(cell);
                if (!m_bAltLayout || cell == doc.position.m_nMapMode)
                    DrawPointOverlay(cell);
            }
        }
        draw.m_strMapName = mapName;
        for (int i = 0; i < 9; ++i)
            draw.m_astrMapEntry[11 + i] = neighbours[i];
    } else {
        drawCell(1);
        if (doc.spec.m_nLinkPoint == 1) {
            overlayCommonArea(1);
            DrawPointOverlay(1);
        }
    }
    m_bAltLayout = altOnEntry;

    if (m_nClientWidth <= 800) {
        if (doc.position.m_nMapType == 1)
            DrawLegendFrame(m_nClientWidth - 189, draw.m_nPanelTop, 58);
    } else if (doc.position.m_nMapType == 1) {
        DrawLegendFrame(m_nClientWidth - 177, 45, 58);
    }

    std::string title;
    const std::string& south = draw.m_astrMapEntry[2];
    const std::string& west = draw.m_astrMapEntry[3];
    if (doc.position.m_nMapFrame == 1) {
        draw.m_nFrameNorthSec = CVeldoranDoc::DmsToSeconds(draw.m_astrMapEntry[4]);
        draw.m_nFrameEastSec = CVeldoranDoc::DmsToSeconds(draw.m_astrMapEntry[5]);
        draw.m_nFrameSouthSec = CVeldoranDoc::DmsToSeconds(south);
        draw.m_nFrameWestSec = CVeldoranDoc::DmsToSeconds(west);
        title = "1/20万地勢図  " + draw.m_strMapName + SeismicSuffix(doc);
    } else if (doc.position.m_nMapFrame == 2) {
        const int k = doc.position.m_nMapMode == 25 ? 2 : doc.position.m_nMapMode == 49 ? 3 : 1;
        const int n = 2 * k + 1;
        draw.m_nFrameSouthSec = CVeldoranDoc::DmsToSeconds(south) - k * kMeshHeightSeconds;
        draw.m_nFrameWestSec = CVeldoranDoc::DmsToSeconds(west) - k * kMeshWidthSeconds;
        draw.m_nFrameNorthSec = draw.m_nFrameSouthSec + n * kMeshHeightSeconds;
        draw.m_nFrameEastSec = draw.m_nFrameWestSec + n * kMeshWidthSeconds;
        const std::size_t blank = draw.m_strMapName.find(' ');
        title = "1/20万地勢図  " + draw.m_strMapName.substr(0, blank) + "およびその周辺";
        if (doc.position.m_nMapMode < 49)
            title += SeismicSuffix(doc);
    } else if (doc.position.m_nMapFrame == 3) {
        draw.m_nFrameNorthSec = CVeldoranDoc::DmsToSeconds(draw.m_strFrameNorth);
        draw.m_nFrameEastSec = CVeldoranDoc::DmsToSeconds(draw.m_strFrameEast);
        draw.m_nFrameSouthSec = CVeldoranDoc::DmsToSeconds(draw.m_strFrameSouth);
        draw.m_nFrameWestSec = CVeldoranDoc::DmsToSeconds(draw.m_strFrameWest);
        title = "指定範囲を拡大(" + draw.m_strMapName + ")";
    }
    if (!title.empty())
        SetActiveWindowTitle(title);

    draw.m_nPaintState = 0;
    draw.m_nIndexMapFlag = indexMapFlag;

    if (overlayOnly != 0)
        return std::nullopt;
    if (doc.position.m_nMapFrame == 3 || (doc.position.m_nMapFrame == 2 && doc.position.m_nMapMode == 49))
        return WhiteLayerResult{999, std::nullopt, std::nullopt};
    int layerDrawn = -1;
    int meshDrawn = -1;
    for (const LandLayerRow* row : SheetLayersInOrder()) {
        if (!IsLandLayerDrawn(doc, *row))
            continue;
        row->drawOnSheet(*this);
        if (row->marksLayer)
            layerDrawn = 1;
        if (row->marksMesh)
            meshDrawn = 1;
    }
    return WhiteLayerResult{0, layerDrawn, meshDrawn};
}

void CMapRenderer::DrawPointOverlay(int cell)
{
    const CVeldoranDoc& doc = *m_pDoc;
    SheetDrawState& draw = *m_pDraw;
    draw.m_nPointDisplayFlag = 0;
    const int drawKind = draw.m_nPointDrawKind;
    const int markStyle = m_nMarkStyle;
    const int label = m_settings.pointLabel;
    draw.m_nPointDrawKind = 6;
    m_nMarkStyle = 4;
    if (doc.spec.m_nPointPopup == 1)
        m_settings.pointLabel = 4;
    if (m_bAltLayout)
        DrawSheetBlockAlt(cell, -1, 1, 1);
    else
        DrawSheetBlock(cell, -1, 1, 1);
    draw.m_nPointDrawKind = drawKind;
    m_nMarkStyle = markStyle;
    m_settings.pointLabel = label;
}

void CMapRenderer::DrawLegendFrame(int x, int y, int width)
{
    const CVeldoranDoc& doc = *m_pDoc;
    SheetDrawState& draw = *m_pDraw;
    vd::Dc& dc = *m_pDC;
    doc.SetFrameBounds(draw, doc.position.m_nRangeNorthSec, doc.position.m_nRangeWestSec, doc.position.m_nRangeSouthSec,
                       doc.position.m_nRangeEastSec);
    const int left = m_nClientWidth - 182;
    if (m_nBlockRight < left) {
        dc.SetBkMode(vd::TRANSPARENT);
        dc.TextOut(left, 0, vd::cp932Left(draw.m_strMapName, 6));
        dc.TextOut(m_nClientWidth - 122, 0, draw.m_strFrameNorth);
        dc.TextOut(m_nClientWidth - 62, 0, draw.m_strFrameEast);
        dc.TextOut(m_nClientWidth - 122, 20, draw.m_strFrameSouth);
        dc.TextOut(m_nClientWidth - 62, 20, draw.m_strFrameWest);
        dc.SetBkMode(vd::OPAQUE);
    }
    for (int row : {y - 5, y + 20, y + 45, y + 70})
        DrawLine(x, row, x + 3 * width, row);
    for (int column : {x, x + width, x + 2 * width, x + 3 * width})
        DrawLine(column, y - 5, column, y + 70);
    const vd::Pen previous = dc.SelectObject(m_aPen[12]);
    if (doc.position.m_nMapFrame == 1) {
        DrawFrameRect(x + width, y + 20, x + 2 * width, y + 45);
        DrawFrameRect(x + width + 1, y + 21, x + 2 * width - 1, y + 44);
    } else if (doc.position.m_nMapFrame == 2) {
        DrawFrameRect(x - 2, y - 7, x + 3 * width + 2, y + 72);
        DrawFrameRect(x - 1, y - 6, x + 3 * width + 1, y + 71);
    }
    dc.SelectObject(previous);
}

void CMapRenderer::DrawFrameRect(int left, int top, int right, int bottom)
{
    vd::Dc& dc = *m_pDC;
    dc.MoveTo(left, top);
    dc.LineTo(right, top);
    dc.LineTo(right, bottom);
    dc.LineTo(left, bottom);
    dc.LineTo(left, top);
}

void CMapRenderer::DrawLine(int x1, int y1, int x2, int y2)
{
    m_pDC->MoveTo(x1, y1);
    m_pDC->LineTo(x2, y2);
}

int CMapRenderer::DrawBackgroundBitmap(const std::string& kind, int left, int top, int right, int bottom)
{
    const CVeldoranDoc& doc = *m_pDoc;
    SheetDrawState& draw = *m_pDraw;
    int loaded;
    if (kind == "SETUP")
        loaded = doc.LoadDib(draw, draw.m_strEntryParam, 0);
    else if (kind == "RELIEF")
        loaded = doc.LoadDib(draw, draw.m_strEntryParam, 1);
    else
        loaded = doc.LoadDib(draw, doc.folders.m_strMapFigureDir + kind + ".bmp", 1);
    if (loaded != 1)
        return -1;
    if (draw.m_hDib.IsNull())
        return 0;
    const int width = DibWidth(draw.m_hDib);
    const int height = DibHeight(draw.m_hDib);
    PaintDib(*m_pDC, vd::Rect{left, top, right, bottom}, draw.m_hDib, vd::Rect{0, 0, width, height},
             &draw.m_pDibPalette);
    return 0;
}

void CMapRenderer::DrawForeEastCoast(float originX, float originY, float scaleX, float scaleY, int west, int south,
                                     int east, int north, const std::string& dataRoot)
{
    auto* foreEastCoast = Dovanne().OnForeEastCoast.fn;
    if (foreEastCoast)
        foreEastCoast(m_pDC, originX, originY, scaleX, scaleY, west, south, east, north, dataRoot);
}
