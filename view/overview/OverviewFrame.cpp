// The overview screens' frame: background, outline of Japan, then the points of the current data
// file, the data-source list of map mode 7 or the current file's markers; and the bevel box.
#include "app/document/MapDisplayMode.h"
#include "contracts/bindings/DovanneExports.h"
#include "contracts/bindings/SurrickExports.h"
#include "view/overview/BevelBox.h"
#include "view/renderer/MapRenderer.h"

#include "app/document/VeldoranDoc.h"
#include "platform/dc/Dc.h"

void CMapRenderer::DrawOverviewFrame(int wholeCountry)
{
    const CVeldoranDoc& doc = *m_pDoc;
    SheetDrawState& draw = *m_pDraw;
    vd::Dc& dc = *m_pDC;
    DovanneExports& dovanne = Dovanne();

    const vd::Brush previousBrush = dc.SelectObject(*m_pBackgroundBrush);
    const vd::Pen previousPen = dc.SelectObject(m_aPen[17]);
    if (wholeCountry != 0) {
        dc.SelectObject(*m_pBackgroundShadePen);
        dc.Rectangle(0, 0, m_nClientWidth, m_nClientHeight);
    } else {
        dc.Rectangle(4, 4, m_nClientWidth - 4, m_nClientHeight - 4);
        dc.Rectangle(4, 4, m_nClientWidth - 5, m_nClientHeight - 5);
    }
    dc.SelectObject(previousBrush);

    int projectionMode = 0;
    int bordersFlag = 0;
    if (wholeCountry != 0) {
        SetPrefectureExtent(doc.position.m_nPrefectureSel + 100);
        projectionMode = draw.m_nClipIndexMap;
        bordersFlag = 1;
    } else {
        draw.m_fRefLatitude = 470000;
        draw.m_fRefLongitude = 1350000;
        draw.m_fMapScaleY = 3.1f;
        draw.m_fMapScale = 1000 / 3.1f;
    }
    if (dovanne.OnJapanCoastLineDraw.fn)
        dovanne.OnJapanCoastLineDraw.fn(m_pDC, projectionMode, bordersFlag, 0, doc.pointer.m_nOverviewOriginX, 0,
                                        doc.spec.m_nGraticuleFlag, draw.m_fRefLatitude, draw.m_fRefLongitude,
                                        draw.m_fMapScale, doc.folders.m_strCoastDir);
    dc.SelectObject(previousPen);

    if (draw.m_nMapDisplayMode == map_display::kRouteAreaIndex)
        return;
    if (wholeCountry != 0) {
        if (doc.spec.m_nPrefectureLinesFlag == 1 && Surrick().OnPrectureLine.fn)
            Surrick().OnPrectureLine.fn(m_pDC, doc.folders.m_strCoastDir, doc.pointer.m_nOverviewOriginX,
                                        projectionMode, 0, doc.spec.m_nPrefBorder, draw.m_fRefLatitude,
                                        draw.m_fRefLongitude, draw.m_fMapScale);
        DrawOverviewPoints(0, 0, 0);
    } else if (draw.m_nMapDisplayMode == map_display::kDataSourceOverview) {
        DrawDataSourceList();
    } else if (dovanne.OnCurrentFileCheck.fn) {
        dovanne.OnCurrentFileCheck.fn(m_pDC, m_nClientWidth, draw.m_fRefLatitude, draw.m_fRefLongitude,
                                      draw.m_fMapScale, doc.registered.m_strDataFile,
                                      doc.registered.m_strDataFileTitle);
    }
}

void CMapRenderer::DrawBevelBox(int left, int top, int right, int bottom)
{
    vd::Dc& dc = *m_pDC;
    dc.FillRect(vd::Rect{left + 1, top + 1, right, bottom}, m_aBrush[0]);
    DrawBevelEdges(dc, left, top, right, bottom, m_aPen[17]);
}
