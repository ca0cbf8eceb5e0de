// One cell of the detailed 1:200,000 map: the block's size and scale on screen, its mesh codes,
// the fill, the base map (coastline, background picture or municipality surfaces), borders,
// lakes, submarine layers, the Far East coast, edges, grid, scale bar and site names. The last
// cell of a block draws what covers the whole block.
#include "view/renderer/MapRenderer.h"

#include "app/document/VeldoranDoc.h"
#include "contracts/bindings/DovanneExports.h"
#include "contracts/bindings/OmbriskExports.h"
#include "contracts/bindings/SurrickExports.h"
#include "basemap/projection/SheetGrid.h"
#include "platform/dc/Dc.h"
#include "platform/dc/GdiConstants.h"
#include "platform/fs/FileSystem.h"
#include "platform/ui/Ui.h"
#include "view/sheetmap/SheetBlockGeometry.h"

namespace {

int SheetsFromCentre(int mapMode)
{
    switch (mapMode) {
    case 9:
        return 1;
    case 25:
        return 2;
    case 49:
        return 3;
    default:
        return 0;
    }
}

const char* LayoutWord(int mapFrame, int mapMode)
{
    if (mapFrame == 1)
        return "全域";
    switch (mapMode) {
    case 9:
        return "広域3";
    case 25:
        return "広域5";
    case 49:
        return "広域5_7";
    default:
        return "";
    }
}

struct Extent {
    int north = 0, west = 0, south = 0, east = 0;
};

// The picture's extent of the municipality search, by layout.
Extent SearchExtent(int mapFrame, int mapMode, int south0, int west0)
{
    if (mapFrame == 1)
        return {south0 + kMeshHeightSeconds, west0, south0, west0 + kMeshWidthSeconds};
    const int k = SheetsFromCentre(mapMode);
    if (k == 0)
        return {};
    return {south0 + (k + 1) * kMeshHeightSeconds, west0 - k * kMeshWidthSeconds, south0 - k * kMeshHeightSeconds,
            west0 + (k + 1) * kMeshWidthSeconds};
}

int Trunc(double value)
{
    return static_cast<int>(value);
}

// One cell drawn, step by step; the members carry what the steps work out for the later ones.
class SheetBlockCell {
public:
    SheetBlockCell(CMapRenderer& r, bool alt, int cell, int part, int pointsOnly, int overlayOnly)
        : r(r), doc(*r.m_pDoc), draw(*r.m_pDraw), dc(*r.m_pDC), alt(alt), cell(cell), part(part),
          pointsOnly(pointsOnly), overlayOnly(overlayOnly), seaBrush(doc.colours.m_crSeaColour)
    {
    }

    void Draw()
    {
        SelectTools();
        Layout();
        MeasureLengthRatio();
        MeasureBlockHeight();
        ComputeScales();
        PlaceCell();
        DrawPlainWithoutTintSheet();
        KeepBlockRight();
        Fill();
        PublishScales();
        SetPointDrawKind();
        WorkOutBaseExtent();
        if (!DrawBaseMap()) {
            Finish();
            return;
        }
        DrawOutline();
        DrawSiteNames();
        Finish();
    }

private:
    // 1. Tools.
    void SelectTools()
    {
        keptBrush = dc.SelectObject(seaBrush);
        dc.SelectObject(keptBrush);
        keptPen = dc.SelectObject(r.m_aPen[0]);
    }

    // 2. Layout.
    void Layout()
    {
        searchShown = doc.pointer.m_nFindPlaceKind == 3 && doc.pointer.m_nActiveViewDialog == 2;
        const int frameForN = alt ? doc.position.m_nWhiteMapFrame : doc.position.m_nMapFrame;
        const int k = SheetsFromCentre(doc.position.m_nMapMode);
        n = frameForN == 2 && k > 0 ? 2 * k + 1 : 1;
        last = n == 1 ? 0 : n * n - 1;
        swIndex = n == 1 ? 1 : n * (n - 1);
        cellIndex = cell - 1 < 0 ? 0 : cell - 1;
    }

    // 3. The length ratio of the sheet's latitude, once per map.
    void MeasureLengthRatio()
    {
        if (cell != 1)
            return;
        r.m_fLengthRatio = Dovanne().OnUnitLength.fn
                               ? static_cast<float>(Dovanne().OnUnitLength.fn("", draw.m_astrMapEntry[2]))
                               : 0.0f;
        if (!(r.m_fLengthRatio > 0)) // without Dovanne: the nominal ratio keeps the block drawable
            r.m_fLengthRatio = 1.215f;
        r.m_fSheetAspect = 1.5f / r.m_fLengthRatio;
    }

    // 4. Block height.
    void MeasureBlockHeight()
    {
        const int fullScreenHeight = vd::ui::fullScreenSize().cy;
        height = SheetBlockHeight(r.m_nClientWidth, r.m_nClientHeight, fullScreenHeight, r.m_fLengthRatio);
        draw.m_nMapPixelHeight = height;
    }

    // 5. Scales and the search extent.
    void ComputeScales()
    {
        south0 = CVeldoranDoc::DmsToSeconds(draw.m_astrSheetPosition[2]);
        west0 = CVeldoranDoc::DmsToSeconds(draw.m_astrSheetPosition[3]);
        frame = doc.position.m_nMapFrame;
        if (frame == 1 || frame == 2) {
            draw.m_nMapPixelWidth = Trunc(double(height) * double(r.m_fSheetAspect));
            scaleY = static_cast<float>(height) * 0.003125f / static_cast<float>(n);
            scaleX = scaleY * r.m_fSheetAspect;
            if (searchShown || alt) {
                extent = SearchExtent(frame, doc.position.m_nMapMode, south0, west0);
                word = LayoutWord(frame, doc.position.m_nMapMode);
            }
        }
    }

    // 6. Geometry and mesh codes.
    void PlaceCell()
    {
        ox = r.m_nOriginX;
        oy = r.m_nOriginY;
        blockLeft = ox;
        cellLeft = ox;
        cellTop = oy;
        cellWest = west0;
        cellSouth = south0;
        if (frame == 1)
            PlaceSingleSheet();
        else if (frame == 2)
            PlaceBlockCell();
        else if (frame == 3)
            PlaceRange();
    }

    void PlaceSingleSheet()
    {
        right = ox + Trunc(SheetSpan(1, scaleX));
        bottom = oy + Trunc(SheetSpan(1, scaleY));
        r.DrawFrameRect(ox, oy, right, bottom);
        draw.m_nPanelTop = bottom + 15;
        draw.m_nBlockWestSec = west0;
        draw.m_nBlockSouthSec = south0;
        cellMesh = MeshCodeText(r.m_nSheetMeshCode / 100, r.m_nSheetMeshCode % 100);
        draw.m_astrBlockMeshCode[1] = cellMesh;
        cellIndex = 0;
        fill = part == 1 && overlayOnly == 0;
    }

    void PlaceBlockCell()
    {
        const int column = cellIndex % n;
        const int row = cellIndex / n;
        cellLeft = ox + Trunc(SheetSpan(column, scaleX));
        cellTop = oy + Trunc(SheetSpan(row, scaleY));
        right = ox + Trunc(SheetSpan(n, scaleX));
        bottom = oy + Trunc(SheetSpan(n, scaleY));
        if (cellIndex == 0) {
            fill = part == 1 && overlayOnly == 0;
            draw.m_nPanelTop = bottom + 15;
        }
        const int kk = (n - 1) / 2;
        cellSouth = (kk - row) * kMeshHeightSeconds + south0;
        cellWest = (column - kk) * kMeshWidthSeconds + west0;
        cellMesh = MeshCodeText(kk + r.m_nSheetMeshCode / 100 - row, r.m_nSheetMeshCode % 100 + column - kk);
        if (cellIndex < int(draw.m_astrBlockMeshCode.size()))
            draw.m_astrBlockMeshCode[cellIndex] = cellMesh;
        if (cellIndex == swIndex) {
            draw.m_nBlockWestSec = cellWest;
            draw.m_nBlockSouthSec = cellSouth;
        }
    }

    void PlaceRange()
    {
        if (searchShown || alt)
            NameRangeMeshes();
        const int dragWidth = doc.position.m_nRangeDragRight - doc.position.m_nRangeDragLeft;
        const int dragHeight = doc.position.m_nRangeDragBottom - doc.position.m_nRangeDragTop;
        int width = dragHeight != 0 ? Trunc(double(dragWidth) * double(height) / double(dragHeight)) : 0;
        const int a = Trunc(double(height) * double(r.m_fSheetAspect));
        if (a < width) {
            height = Trunc(double(height) * double(a) / double(width));
            width = a;
        }
        draw.m_nMapPixelWidth = width;
        draw.m_nMapPixelHeight = height;
        const int rangeHeight = doc.position.m_nRangeNorthSec - doc.position.m_nRangeSouthSec;
        const int rangeWidth = doc.position.m_nRangeEastSec - doc.position.m_nRangeWestSec;
        scaleY = rangeHeight != 0 ? static_cast<float>(height) / static_cast<float>(rangeHeight) : 0.0f;
        scaleX = rangeWidth != 0 ? static_cast<float>(width) / static_cast<float>(rangeWidth) : 0.0f;
        draw.m_nPanelTop = oy + height + 15;
        draw.m_nBlockSouthSec = doc.position.m_nRangeSouthSec;
        draw.m_nBlockWestSec = doc.position.m_nRangeWestSec;
        cellWest = doc.position.m_nRangeWestSec;
        cellSouth = doc.position.m_nRangeSouthSec;
        extent = {doc.position.m_nRangeNorthSec, doc.position.m_nRangeWestSec, doc.position.m_nRangeSouthSec,
                  doc.position.m_nRangeEastSec};
        haveExtent = true;
        // The range block's edges also place the double edge of the transparent second pass.
        right = ox + width;
        bottom = oy + height;
        if (part == 1 && overlayOnly == 0) {
            r.DrawFrameRect(ox, oy, right, bottom);
            fill = true;
            r.m_nBlockRight = right;
        }
    }

    // The mesh codes a range names for the municipality search, by the white map's layout.
    void NameRangeMeshes()
    {
        const int latCode = r.m_nSheetMeshCode / 100;
        const int lonCode = r.m_nSheetMeshCode % 100;
        if (doc.position.m_nWhiteMapFrame == 1) {
            cellMesh = MeshCodeText(latCode, lonCode);
            draw.m_astrBlockMeshCode[1] = cellMesh;
            word = "全域";
            cellIndex = 0;
        } else {
            const int kw = SheetsFromCentre(doc.position.m_nMapMode);
            const int nw = 2 * kw + 1;
            word = LayoutWord(2, doc.position.m_nMapMode);
            cellMesh = MeshCodeText(latCode + kw - cellIndex / nw, lonCode + cellIndex % nw - kw);
            if (cellIndex < int(draw.m_astrBlockMeshCode.size()))
                draw.m_astrBlockMeshCode[cellIndex] = cellMesh;
        }
    }

    // A cell without its greyscale tint sheet is drawn plain: the sea colour alone would paint
    // its land as sea and hide the coastline.
    void DrawPlainWithoutTintSheet()
    {
        figureKept = r.m_settings.mapFigure;
        if (figureKept != 0 && !alt && !cellMesh.empty() &&
            !vd::fileExists(doc.folders.m_strMapFigureDir + cellMesh + ".bmp")) {
            r.m_settings.mapFigure = 0;
            r.m_bTintMissing = true;
        }
    }

    // 7. The block's right edge (a frame-3 call that worked out no edge keeps the last one).
    void KeepBlockRight()
    {
        if (frame == 1 || frame == 2)
            r.m_nBlockRight = right;
    }

    // 8. Fill.
    void Fill()
    {
        if (!fill)
            return;
        dc.SelectObject(r.m_settings.mapFigure != 0 ? seaBrush : *r.m_pBackgroundBrush);
        dc.Rectangle(blockLeft, oy, right, bottom + 1);
        dc.SelectObject(keptBrush);
    }

    // 9. Scales.
    void PublishScales()
    {
        draw.m_fWhiteZoomX = scaleX;
        draw.m_fWhiteZoomY = scaleY;
        sx = frame == 3 ? scaleX : scaleX * kSheetUnitsPerSecondAcross;
        sy = frame == 3 ? scaleY : scaleY * kSheetUnitsPerSecondDown;
    }

    // 10. Point drawing kind for the call.
    void SetPointDrawKind()
    {
        drawKind = draw.m_nPointDrawKind;
        if (drawKind != 6)
            draw.m_nPointDrawKind = 1;
    }

    // Frames 1 and 2 hand the coastline and borders their sheet origin; frame 3 its range.
    void WorkOutBaseExtent()
    {
        lastCell = cellIndex == last;
        baseWest = frame == 3 ? doc.position.m_nRangeWestSec : west0;
        baseSouth = frame == 3 ? doc.position.m_nRangeSouthSec : south0;
        baseEast = frame == 3 ? doc.position.m_nRangeEastSec : 0;
        baseNorth = frame == 3 ? doc.position.m_nRangeNorthSec : 0;
    }

    // 11. Base map. False when the white map's cell stops here (only its last cell draws).
    bool DrawBaseMap()
    {
        if (part <= 0 || (frame == 3 && r.m_settings.mapFigure == 1))
            return true;
        if (r.m_settings.mapFigure != 0) {
            r.DrawSheetBackground(cellIndex, last, cellLeft, cellTop, scaleX, scaleY, n, cellMesh);
            if (cellIndex == 0) {
                dc.SelectObject(seaBrush);
                dc.SelectObject(keptPen);
            }
        } else if (!alt) {
            if (cellIndex == 0 && Dovanne().OnWholeCoastLine.fn)
                Dovanne().OnWholeCoastLine.fn(
                    &dc, frame, doc.position.m_nMapMode, baseWest, baseSouth, ox, oy, baseEast, baseNorth, scaleX,
                    scaleY, doc.spec.m_nMapBoundary * 1000 + doc.colours.m_nCstlnColor, doc.folders.m_strCoastDir);
        } else {
            if (!lastCell)
                return false;
            DrawMunicipalityBase();
        }
        DrawSearchedMunicipality();
        DrawPrefectureBorders();
        DrawOverlays();
        DrawDoubleEdge();
        return true;
    }

    // 11.2 The white map's municipality surfaces (and the range's prefecture latitudes).
    void DrawMunicipalityBase()
    {
        const std::string text = word + "/";
        if (Surrick().OnCitySurfacePlain.fn)
            Surrick().OnCitySurfacePlain.fn(
                &dc, 3, doc.spec.m_nCityBorderColour, doc.colours.m_nCstlnColor, extent.north, extent.west,
                extent.south, extent.east, 1, 2, doc.position.m_nWhiteMapFrame, 1, frame, 0,
                (doc.spec.m_nCityNameZoom == 1 && frame == 3 ? 1 : 0) + 10 * doc.spec.m_nCityNameEnclave, 1,
                draw.m_fMapScale, 0, static_cast<float>(ox), static_cast<float>(oy), sx, sy, text, cellMesh,
                draw.m_astrBlockMeshCode[4], draw.m_astrBlockMeshCode[12], doc.folders.m_strAppDir,
                doc.folders.m_strCityBorderDir, doc.folders.m_strCoastlineDir);
        if (frame == 3 && Dovanne().OnPrefectureLat.fn)
            Dovanne().OnPrefectureLat.fn(&dc, extent.north, extent.west, extent.south, extent.east, 1, 0,
                               static_cast<float>(ox), static_cast<float>(oy), sx, sy, 0);
    }

    // 11.3 The searched municipality.
    void DrawSearchedMunicipality()
    {
        if (!(searchShown && lastCell && !doc.pointer.m_strFindMunicipality.empty() &&
              Surrick().OnCitySurfaceSearch.fn))
            return;
        const std::string text = word + "/" + doc.layerChoice.m_strLayerPrefFlags;
        const int labelFlag = alt ? doc.spec.m_nCityNameEnclave : (doc.spec.m_nCityNameZoom == 1 && frame == 3 ? 1 : 0);
        Surrick().OnCitySurfaceSearch.fn(
            &dc, 5, extent.north, extent.west, extent.south, extent.east, 1, 2, doc.position.m_nWhiteMapFrame, 1, frame,
            r.m_settings.mapFigure == 0 ? 1 : 0, labelFlag, static_cast<float>(ox), static_cast<float>(oy), sx, sy,
            text, cellMesh, draw.m_astrBlockMeshCode[4], draw.m_astrBlockMeshCode[12], doc.folders.m_strAppDir,
            doc.folders.m_strCityBorderDir, doc.pointer.m_strFindMunicipality);
    }

    // 11.4 Prefecture borders.
    void DrawPrefectureBorders()
    {
        if (!(doc.spec.m_nPrefBorder == 1 && lastCell && Dovanne().OnWholePrfctrLine.fn))
            return;
        std::string colour = doc.spec.m_strPrefBorderColour;
        if (r.m_settings.mapFigure == 1 && colour == "RED")
            colour = "WHITE";
        Dovanne().OnWholePrfctrLine.fn(&dc, frame, doc.position.m_nMapMode, baseWest, baseSouth, ox, oy, baseEast,
                                       baseNorth, doc.spec.m_nSubprefBorder, scaleX, scaleY, colour,
                                       doc.folders.m_strCoastDir);
    }

    // 11.6 The overlays' extent: the sheet, the whole block at its last cell, or the range.
    bool OverlayExtent(Extent& overlay) const
    {
        if (frame == 1) {
            overlay = {south0 + kMeshHeightSeconds, west0, south0, west0 + kMeshWidthSeconds};
            return true;
        }
        if (frame == 2 && lastCell) {
            overlay.south = cellSouth;
            overlay.north = cellSouth + n * kMeshHeightSeconds;
            overlay.west = cellWest - (n - 1) * kMeshWidthSeconds;
            overlay.east = cellWest + kMeshWidthSeconds;
            return true;
        }
        if (frame == 3) {
            overlay = extent;
            return haveExtent;
        }
        return false;
    }

    void DrawOverlays()
    {
        Extent overlay;
        if (!OverlayExtent(overlay))
            return;
        DrawLakes(overlay);
        if (r.m_settings.submarineLayer != 0 && frame != 3)
            DrawSubmarineLayer(overlay);
        // 11.8 The Far East coast.
        if (overlay.west < 446400 || overlay.north > 154800 || (overlay.west < 468000 && overlay.north > 122400))
            r.DrawForeEastCoast(static_cast<float>(ox), static_cast<float>(oy), sx, sy, overlay.west, overlay.south,
                                overlay.east, overlay.north, doc.folders.m_strCoastDir);
    }

    // 11.7 Lakes and reservoirs.
    void DrawLakes(const Extent& overlay)
    {
        const int lakeStyle = r.m_settings.lake + (doc.seismic.m_bSeismicLayer != 0 ? 10 : 0);
        for (int pass = 0; pass < 2; ++pass) {
            const int on = pass == 0 ? r.m_settings.lake : doc.spec.m_nReservoir;
            if (on != 0 && Dovanne().OnLakeDraw.fn)
                Dovanne().OnLakeDraw.fn(&dc, doc.folders.m_strCoastDir, lakeStyle, static_cast<float>(ox),
                                        static_cast<float>(oy), sx, sy, overlay.east, overlay.north, overlay.west,
                                        overlay.south, pass, static_cast<int>(doc.colours.m_crLakeColour));
        }
    }

    // 11.7 The submarine layer of its setting, and its legend.
    void DrawSubmarineLayer(const Extent& overlay)
    {
        dc.SelectObject(keptBrush);
        const std::string& dir = doc.folders.m_strSubmarineDir;
        const std::string code = draw.m_astrBlockMeshCode[swIndex];
        const int cyan = static_cast<int>(vd::RGB(0, 255, 255));
        const float fx = static_cast<float>(ox);
        const float fy = static_cast<float>(oy);
        const int setting = doc.depth.m_anSubmarineSetting[0];
        if (setting == 0 && doc.depth.m_anSubmarineSetting[1] != 0) {
            if (Ombrisk().OnSubmarineTpgraphyRelief.fn)
                Ombrisk().OnSubmarineTpgraphyRelief.fn(&dc, dir, code, r.m_nClientHeight, r.m_nClientWidth, 0,
                                                       doc.depth.m_anSubmarineSetting[2], fx, fy, sx, sy, overlay.east,
                                                       overlay.north, overlay.west, overlay.south, n, 0);
        } else if (setting == 0) {
            if (Ombrisk().OnSubmarineTpgraphyMesh.fn)
                Ombrisk().OnSubmarineTpgraphyMesh.fn(&dc, dir, code, r.m_nClientHeight, r.m_nClientWidth, 0,
                                                     doc.depth.m_anSubmarineSetting[2], fx, fy, sx, sy, overlay.east,
                                                     overlay.north, overlay.west, overlay.south, n, cyan);
        } else if (setting == 1) {
            if (Ombrisk().OnSubmarineContour.fn)
                Ombrisk().OnSubmarineContour.fn(&dc, dir, code, r.m_nClientHeight, r.m_nClientWidth, 1, 1, 0, fx, fy, sx, sy,
                                      overlay.east, overlay.north, overlay.west, overlay.south, n, cyan);
        } else if (setting == 2 || setting == 3) {
            if (Ombrisk().OnSubmarineData.fn)
                Ombrisk().OnSubmarineData.fn(&dc, dir, code, r.m_nClientHeight, setting, fx, fy, sx, sy, overlay.east,
                                   overlay.north, overlay.west, overlay.south, n);
        }
        if (r.m_nLegendFlag == 1 && Ombrisk().OnSubmarineLegned.fn)
            Ombrisk().OnSubmarineLegned.fn(&dc, setting, 4000, r.m_nClientWidth, doc.depth.m_anSubmarineSetting[1],
                                           cyan);
    }

    // 11.9 The double edge along the block's bottom and right.
    void DrawDoubleEdge()
    {
        if (!lastCell)
            return;
        for (int i = 0; i < 2; ++i) {
            r.DrawLine(blockLeft, bottom + i, right + 1, bottom + i);
            r.DrawLine(right + i - 1, oy, right + i - 1, bottom + 1);
        }
    }

    // 12. Outline, boundaries and scale bar.
    void DrawOutline()
    {
        const double metresEw =
            Dovanne().OnUnitLength.fn ? Dovanne().OnUnitLength.fn("ew", draw.m_astrMapEntry[2]) : 0.0;
        if (frame == 1) {
            if (doc.spec.m_nScaleBar == 1 && Dovanne().OnScaleX.fn)
                Dovanne().OnScaleX.fn(&dc, 1, scaleX, ox + Trunc(SheetSpan(1, scaleX)),
                                      oy + Trunc(SheetSpan(1, scaleY)), draw.m_astrMapEntry[2],
                                      static_cast<float>(metresEw), r.m_settings.mapFigure);
        } else if (frame == 2 && lastCell) {
            r.DrawFrameRect(ox, oy, right, bottom);
            if (doc.spec.m_nMapBoundary == 1)
                DrawSheetBoundaries();
            if (doc.spec.m_nScaleBar == 1 && Dovanne().OnScaleX.fn)
                Dovanne().OnScaleX.fn(&dc, 3, scaleX, right, bottom, draw.m_astrMapEntry[2],
                                      static_cast<float>(metresEw), r.m_settings.mapFigure);
        }
    }

    // The lines between the sheets of a block.
    void DrawSheetBoundaries()
    {
        dc.SelectObject(r.m_aPen[r.m_settings.mapFigure != 0 ? 0 : 17]);
        for (int j = 1; j < n; ++j) {
            const int x = ox + Trunc(SheetSpan(j, scaleX));
            const int y = oy + Trunc(SheetSpan(j, scaleY));
            r.DrawLine(x, oy, x, bottom);
            r.DrawLine(ox, y, right, y);
        }
        dc.SelectObject(keptPen);
    }

    // 13. Site names.
    void DrawSiteNames()
    {
        if ((draw.m_nSiteNameDisplay != -1 || draw.m_nPointDrawKind != 1) && !doc.environment.m_strSiteNameFile.empty())
            r.DrawSheetPoints(doc.environment.m_strSiteNameFile, draw.m_nPointDrawKind, scaleX, scaleY,
                              frame == 2 ? cellLeft : ox, frame == 2 ? cellTop : oy, cellWest, cellSouth, part,
                              pointsOnly, static_cast<float>(n), cellIndex);
    }

    // 14. The figure, the point drawing kind and the tools put back.
    void Finish()
    {
        r.m_settings.mapFigure = figureKept;
        if (r.m_settings.mapFigure == 1)
            dc.SetBkMode(vd::OPAQUE);
        draw.m_nPointDrawKind = drawKind;
        dc.SelectObject(keptPen);
        dc.SelectObject(keptBrush);
    }

    CMapRenderer& r;
    const CVeldoranDoc& doc;
    SheetDrawState& draw;
    vd::Dc& dc;
    const bool alt;
    const int cell;
    const int part;
    const int pointsOnly;
    const int overlayOnly;
    vd::Brush seaBrush;
    vd::Brush keptBrush;
    vd::Pen keptPen;

    bool searchShown = false;
    int n = 1;
    int last = 0;
    int swIndex = 1;
    int cellIndex = 0;
    int height = 0;
    float scaleX = 0;
    float scaleY = 0;
    int south0 = 0;
    int west0 = 0;
    Extent extent;
    bool haveExtent = false;
    std::string word;
    int frame = 0;
    int ox = 0;
    int oy = 0;
    bool fill = false;
    int blockLeft = 0;
    int right = 0;
    int bottom = 0;
    int cellLeft = 0;
    int cellTop = 0;
    int cellWest = 0;
    int cellSouth = 0;
    std::string cellMesh;
    int figureKept = 0;
    float sx = 0;
    float sy = 0;
    int drawKind = 0;
    bool lastCell = false;
    int baseWest = 0;
    int baseSouth = 0;
    int baseEast = 0;
    int baseNorth = 0;
};

} // namespace

void CMapRenderer::DrawSheetBlock(int cell, int part, int pointsOnly, int overlayOnly)
{
    SheetBlockCell(*this, false, cell, part, pointsOnly, overlayOnly).Draw();
}

void CMapRenderer::DrawSheetBlockAlt(int cell, int part, int pointsOnly, int overlayOnly)
{
    SheetBlockCell(*this, true, cell, part, pointsOnly, overlayOnly).Draw();
}
