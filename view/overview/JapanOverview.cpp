// The Japan map of map mode 5 when no 1:200,000 sheet is shown: the whole country, or the region of
// one prefecture drawn sheet by sheet with its coast, relief, borders, name, lakes, layers, site
// names, registered points and scale bar.
#include "basemap/projection/SheetGrid.h"
#include "view/layers/LandLayerTable.h"
#include "view/renderer/MapRenderer.h"

#include "app/document/VeldoranDoc.h"
#include "contracts/bindings/DovanneExports.h"
#include "contracts/bindings/SurrickExports.h"
#include "basemap/projection/LatitudeRatioTable.h"
#include "platform/dc/Dc.h"
#include "platform/dc/Dib.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"

#include <vector>

namespace {

constexpr int kMaxSheetCodes = 100;

// Degrees and minutes of a D.MMSS text ("35.4000": 35 and 40).
int Degrees(const std::string& text) { return vd::parseInt(text.substr(0, text.find('.'))); }
int Minutes(const std::string& text)
{
    const std::size_t point = text.find('.');
    return point == std::string::npos ? 0 : vd::parseInt(text.substr(point + 1, 2));
}

// The first-level mesh codes covering the frame, columns outer, rows inner, at most 100.
std::vector<std::string> FrameSheetCodes(const CVeldoranDoc& doc)
{
    std::vector<std::string> codes;
    const int firstColumn = Degrees(doc.m_strFrameWest) - 1;
    const int lastColumn = Degrees(doc.m_strFrameEast);
    const int firstRow = (Degrees(doc.m_strFrameSouth) * 60 + Minutes(doc.m_strFrameSouth)) / kMeshHeightMinutes - 1;
    const int lastRow = (Degrees(doc.m_strFrameNorth) * 60 + Minutes(doc.m_strFrameNorth)) / kMeshHeightMinutes;
    for (int column = firstColumn; column <= lastColumn; ++column)
        for (int row = firstRow; row <= lastRow; ++row) {
            if (static_cast<int>(codes.size()) == kMaxSheetCodes)
                return codes;
            codes.push_back(std::to_string(row * 100 + column % 100));
        }
    return codes;
}

} // namespace

void CMapRenderer::DrawJapanOverview()
{
    const CVeldoranDoc& doc = *m_pDoc;
    SheetDrawState& draw = *m_pDraw;
    vd::Dc& dc = *m_pDC;
    DovanneExports& dovanne = Dovanne();
    const int width = m_nClientWidth;
    const int height = m_nClientHeight;
    const int originX = doc.pointer.m_nOverviewOriginX;

    {
        const vd::Brush previousBrush = dc.SelectObject(*m_pBackgroundBrush);
        const vd::Pen previousPen = dc.SelectObject(*m_pBackgroundShadePen);
        dc.Rectangle(0, 0, width, height);
        dc.SelectObject(previousBrush);
        dc.SelectObject(previousPen);
    }
    const int keptClip = draw.m_nClipIndexMap;
    draw.m_nClipIndexMap = 0;
    SetPrefectureExtent(doc.position.m_nPrefecture);

    const float lat0 = draw.m_fRefLatitude;
    const float lon0 = draw.m_fRefLongitude;
    const float scale = draw.m_fMapScale;
    const int bottomDegree = static_cast<int>((lat0 - height * scale) * 0.0001f);
    const float k = LatitudeRatioAt(doc.latitudeRatios.m_afLatitudeRatio, bottomDegree);
    if (doc.environment.m_nPrfMpData == 1) {
        const float k2 = LatitudeRatioAt(doc.latitudeRatios.m_afLatitudeRatio, static_cast<int>(lat0 * 0.0001f));
        draw.m_strFrameSouth = CVeldoranDoc::SecondsToDms(static_cast<int>((lat0 - height * scale) * 0.36f));
        draw.m_strFrameWest = CVeldoranDoc::SecondsToDms(static_cast<int>((lon0 - originX * k * scale) * 0.36f));
        draw.m_strFrameNorth = CVeldoranDoc::SecondsToDms(static_cast<int>(lat0 * 0.36f));
        draw.m_strFrameEast =
            CVeldoranDoc::SecondsToDms(static_cast<int>(((width - originX) * scale * k2 + lon0) * 0.36f));
    }
    const bool region = doc.position.m_nPrefecture >= 1 && doc.position.m_nPrefecture <= 45;
    const std::vector<std::string> codes = region ? FrameSheetCodes(doc) : std::vector<std::string>{};

    if (doc.position.m_nPrefecture == 0 || doc.position.m_nPrefecture == 46) {
        if (dovanne.OnJapanCoastLineDraw.fn)
            dovanne.OnJapanCoastLineDraw.fn(m_pDC, draw.m_nClipIndexMap, 1, 0, originX, 0, doc.spec.m_nGraticuleFlag,
                                            lat0, lon0, scale, doc.folders.m_strCoastDir);
        if (doc.position.m_nPrefecture == 0 && doc.spec.m_nPrefectureLinesFlag == 1 && doc.spec.m_nSubprefBorder == 1 &&
            Surrick().OnPrectureLine.fn)
            Surrick().OnPrectureLine.fn(m_pDC, doc.folders.m_strCoastDir, originX, doc.position.m_nMapProjection, 0,
                                        101, lat0, lon0, scale);
    } else {
        const auto coastPass = [&](bool reliefInstead) {
            for (std::size_t i = 0; i < codes.size(); ++i) {
                std::string label;
                if (i == 0 && !(draw.m_nSiteNameDisplay == 1 && doc.spec.m_nSiteNamePopup == 0))
                    label = draw.m_strFrameName;
                if (reliefInstead) {
                    DrawReliefSheets(static_cast<int>(i), originX, doc.spec.m_nMapBoundary, height, width, lat0, lon0,
                                     scale, k, codes[i]);
                } else if (doc.position.m_nAltSheetLayout == 0 && doc.colours.m_nPrfCstClr != 20 &&
                           dovanne.OnCoastPrfctr.fn) {
                    dovanne.OnCoastPrfctr.fn(m_pDC, doc.position.m_nPrefecture, originX, doc.spec.m_nMapBoundary,
                                             height, width, doc.position.m_nMapPjctn, doc.colours.m_nPrfCstClr, lat0,
                                             lon0, scale, k, doc.folders.m_strCoastDir, codes[i], label,
                                             doc.folders.m_strAppDir);
                }
            }
        };
        if (m_settings.mapFigure == 0 && doc.position.m_nAltSheetLayout == 1)
            ComputeSheetCodes();
        coastPass(m_settings.mapFigure != 0);

        bool layerDrawn = false;
        for (const int group : {0, 2, 3, 1})
            layerDrawn = DrawOverviewLayers(group) == 1 || layerDrawn;
        if (IsLandLayerShown(doc, LandLayer::Surface0))
            layerDrawn = false;
        // The coast again over the layers.
        if (layerDrawn)
            coastPass(false);
        if ((m_settings.mapFigure == 1 || layerDrawn) && doc.position.m_nAltSheetLayout == 1)
            ComputeSheetCodes();

        if (doc.spec.m_nPrefectureLinesFlag == 1 && dovanne.OnCstPrfctrLine.fn)
            for (const std::string& code : codes)
                dovanne.OnCstPrfctrLine.fn(m_pDC, doc.folders.m_strCoastDir, code, doc.spec.m_strPrefBorderColour, lat0,
                                           lon0, scale, k, doc.position.m_nMapPjctn, originX, height,
                                           m_settings.mapFigure == 1 ? -width : width, doc.spec.m_nSubprefBorder);
        if (m_settings.mapFigure == 1 && dovanne.OnBmpPrfctrNameOut.fn)
            dovanne.OnBmpPrfctrNameOut.fn(m_pDC, doc.position.m_nPrefecture, originX, lat0, lon0, scale, k,
                                          draw.m_strFrameName, doc.folders.m_strAppDir);

        const int styleBase =
            IsLandLayerShown(doc, LandLayer::Mesh0Second) || IsLandLayerShown(doc, LandLayer::Seismic) ? 10 : 0;
        if (dovanne.OnPrfctrLake.fn) {
            if (m_settings.lake == 1)
                dovanne.OnPrfctrLake.fn(m_pDC, doc.folders.m_strCoastDir, m_settings.lake, doc.position.m_nMapPjctn, k,
                                        lat0, lon0, scale, styleBase, height, width, originX,
                                        static_cast<int>(doc.colours.m_crLakeColour));
            if (doc.spec.m_nReservoir == 1)
                dovanne.OnPrfctrLake.fn(m_pDC, doc.folders.m_strCoastDir, m_settings.lake, doc.position.m_nMapPjctn, k,
                                        lat0, lon0, scale, styleBase + 1, height, width, originX,
                                        static_cast<int>(doc.colours.m_crLakeColour));
        }
    }

    if (draw.m_nSiteNameDisplay == 1)
        DrawRegionPoints(doc.position.m_nMapPjctn, k);
    if (doc.spec.m_nLinkPoint == 1)
        DrawOverviewPoints(1, doc.position.m_nMapPjctn, k);
    if (region && doc.spec.m_nScaleBar == 1 && dovanne.OnUnitLength.fn && dovanne.OnPrfctrScale.fn) {
        const float metres = static_cast<float>(dovanne.OnUnitLength.fn("ew", vd::format("%d.0000", bottomDegree)));
        dovanne.OnPrfctrScale.fn(m_pDC, scale, LatitudeRatioAt(doc.latitudeRatios.m_afLatitudeRatio, bottomDegree + 1),
                                 metres, width, height);
    }
    draw.m_nClipIndexMap = keptClip;
}

void CMapRenderer::DrawReliefSheets(int index, int originX, int frameFlag, int height, int width, float lat0,
                                    float lon0, float scale, float ratio, const std::string& code)
{
    const CVeldoranDoc& doc = *m_pDoc;
    SheetDrawState& draw = *m_pDraw;
    vd::Dc& dc = *m_pDC;
    if (index == 0)
        dc.FillRect(vd::Rect{0, 0, width, height}, *m_pBackgroundBrush);
    const int meshCode = vd::parseInt(code);
    const int southSeconds = MeshSouthSeconds(meshCode);
    const int westSeconds = MeshWestSeconds(meshCode);
    // 1/10000 degree of the sheet's edges, then pixels.
    const auto toY = [&](int seconds) { return static_cast<int>((lat0 - seconds * 2.7777777777777777) / scale); };
    const auto toX = [&](int seconds) {
        return static_cast<int>((seconds * 2.7777777777777777 - lon0) / scale / ratio) + originX;
    };
    const vd::Rect sheet{toX(westSeconds), toY(southSeconds + kMeshHeightSeconds), toX(westSeconds + kMeshWidthSeconds), toY(southSeconds)};
    if (sheet.right <= 0 || sheet.bottom <= 0 || sheet.left >= width || sheet.top >= height)
        return;
    DovanneExports& dovanne = Dovanne();
    if (dovanne.OnUnitLength.fn)
        m_fSheetAspect = static_cast<float>(dovanne.OnUnitLength.fn("", CVeldoranDoc::SecondsToDms(southSeconds + kMeshHeightSeconds / 2)));

    // The sheet's greyscale relief picture when it has been made; a pale fill otherwise.
    const std::string picture = doc.folders.m_strAppDir + vd::format("MAPFGRS\\%04d.bmp", meshCode);
    if (doc.LoadDib(draw, picture, 0) == 1 && draw.m_nDibWidth > 0 && draw.m_nDibHeight > 0) {
        dc.SetStretchBltMode(vd::COLORONCOLOR);
        dc.StretchDIBits(sheet.left, sheet.top, sheet.right - sheet.left, sheet.bottom - sheet.top, 0, 0,
                         draw.m_nDibWidth, draw.m_nDibHeight, draw.m_hDib, vd::DIB_RGB_COLORS, vd::SRCCOPY);
    } else {
        dc.FillRect(sheet, m_aBrush[4]);
    }
    if (frameFlag == 1) {
        const vd::Pen previousPen = dc.SelectObject(m_aPen[17]);
        const vd::Point outline[] = {{sheet.left, sheet.top}, {sheet.right, sheet.top}, {sheet.right, sheet.bottom},
                                     {sheet.left, sheet.bottom}, {sheet.left, sheet.top}};
        dc.Polyline(outline, 5);
        dc.SelectObject(previousPen);
    }
}
