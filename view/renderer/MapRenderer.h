#pragma once
// The map renderer: a short-lived drawing object that the view builds on its stack for one drawing
// step of a repaint. It draws into the device context the view lends it, reads every setting
// from the document (read-only), writes what the draw changes into the draw state
// (app/document/SheetDrawState.h), holds the fixed palette of 15 brushes and 26 pens and the
// background tools, and reaches the libraries through their bindings.
#include "platform/dc/GdiObjects.h"
#include "view/renderer/MapDrawSettings.h"

#include <array>
#include <memory>
#include <optional>
#include <string>

class CVeldoranDoc;
struct SheetDrawState;
namespace vd {
class Dc;
}

// What the line above the map says when the tint map drew a sheet plain for want of its
// elevation data.
inline constexpr const char* kNoTintNotice = "この図幅には標高データがないため、通常の地図を表示しています。";

// What the white layers of a full sheet map report: 999 when its layout draws none (then the
// other two are not known), else whether a layer and whether a mesh layer was drawn (1, else -1).
struct WhiteLayerResult {
    int state = 0;
    std::optional<int> layerDrawn;
    std::optional<int> meshDrawn;
};

class CMapRenderer {
public:
    static constexpr int kBrushCount = 15;
    static constexpr int kPenCount = 26;

    // Binds the entry points, stores the context, the document (read-only), the state the draw
    // writes and the client size, sets the defaults and creates the brushes, the pens and the
    // background tools.
    CMapRenderer(vd::Dc* pDC, const CVeldoranDoc& doc, SheetDrawState& draw, int clientWidth, int clientHeight,
                 const MapDrawSettings& settings);
    // The document's own draw state, with the document's settings or those of this drawing step
    // (no document: the background tools only).
    CMapRenderer(vd::Dc* pDC, CVeldoranDoc* pDoc, int clientWidth, int clientHeight);
    CMapRenderer(vd::Dc* pDC, CVeldoranDoc* pDoc, int clientWidth, int clientHeight, const MapDrawSettings& settings);
    ~CMapRenderer();
    CMapRenderer(const CMapRenderer&) = delete;
    CMapRenderer& operator=(const CMapRenderer&) = delete;

    // The background brush of the document's colour, and its darker shade as brush and pen.
    void CreateBackgroundTools();

    // The sheet map: one sheet, a block of sheets or a free extent, cell by cell
    // (SheetMapComposition.cpp, SheetBlock.cpp, SheetPoints.cpp). The overlay pass draws no white
    // layers and reports nothing.
    std::optional<WhiteLayerResult> DrawSheetMap(int overlayOnly, int legendFlag);
    void DrawSheetBlock(int cell, int part, int pointsOnly, int overlayOnly);
    void DrawSheetBlockAlt(int cell, int part, int pointsOnly, int overlayOnly);
    void DrawSheetPoints(const std::string& file, int drawKind, float scaleX, float scaleY, int cellLeft,
                         int cellTop, int cellWestSec, int cellSouthSec, int part, int pointsOnly, float n,
                         int cellIndex);
    void DrawPointOverlay(int cell);
    void DrawLegendFrame(int x, int y, int width);
    void DrawFrameRect(int left, int top, int right, int bottom);
    void DrawLine(int x1, int y1, int x2, int y2);
    int DrawBackgroundBitmap(const std::string& kind, int left, int top, int right, int bottom);
    void DrawForeEastCoast(float originX, float originY, float scaleX, float scaleY, int west, int south, int east,
                           int north, const std::string& dataRoot);
    // Fixed frames of the prefectures and regions, the overview's corner codes, a sheet's
    // background picture (PrefectureExtents.cpp).
    void SetPrefectureExtent(int index);
    void ComputeSheetCodes();
    void DrawSheetBackground(int sheet, int last, int left, int top, float zoomX, float zoomY, int n,
                             const std::string& name);
    int m_nPointDisplaySetting = 14; // the point display setting while a sheet map is drawn

    vd::Dc* m_pDC = nullptr;             // lent by the view, never deleted here
    const CVeldoranDoc* m_pDoc = nullptr;
    SheetDrawState* m_pDraw = nullptr; // what the draw changes: frame, block, record list, hits, tallies
    MapDrawSettings m_settings; // figure, submarine layer, lakes and point label of this step
    std::unique_ptr<vd::Brush> m_pBackgroundShadeBrush;
    std::unique_ptr<vd::Brush> m_pBackgroundBrush;
    std::array<vd::Brush, kBrushCount> m_aBrush;
    std::unique_ptr<vd::Pen> m_pBackgroundShadePen;
    std::array<vd::Pen, kPenCount> m_aPen;
    int m_nClientWidth = 0;
    int m_nClientHeight = 0;
    int m_nOriginX = 10;
    int m_nOriginY = 30;
    int m_nLabelColourMode = 2;   // 2: labels coloured by the point's kind, then black again
    int m_nMarkStyle = 0;         // colour scheme of registered-point symbols
    int m_nLabelPlacement = 1;    // 1 right of the symbol, 2 up-left, 3 down-left
    int m_nSelectedMarkStyle = -1; // the scheme whose pen and brush are selected; -1 none
    int m_nPointCount = 0;
    int m_nSheetMeshCode = 0;
    bool m_bTintMissing = false; // a cell of the tint map had no tint sheet and was drawn plain
    int m_nBlockRight = 0;
    int m_nLegendFlag = 0;
    int m_bAltLayout = 0;
    float m_fSheetAspect = 0;
    float m_fLengthRatio = 0;

    // The overviews: the frame with the current points or the data-source list, the registered
    // points, the layers of one group, the Japan overview and a point's symbol and label
    // (OverviewFrame.cpp, OverviewPoints.cpp, DataSourceList.cpp, OverviewLayers.cpp,
    // JapanOverview.cpp, PointMark.cpp).
    void DrawOverviewFrame(int wholeCountry);
    void DrawOverviewPoints(int mode, int ratioGiven, float ratio);
    void DrawDataSourceList();
    void DrawBevelBox(int left, int top, int right, int bottom);
    int DrawOverviewLayers(int group);
    void DrawJapanOverview();
    void DrawReliefSheets(int index, int originX, int frameFlag, int height, int width, float lat0, float lon0,
                          float scale, float ratio, const std::string& code);
    void DrawRegionPoints(int ratioMode, float ratio);
    void DrawPointMark(int x, int y, int size, int shape);
    void DrawElevationLabel(int elevation, const std::string& valueText, int x, int y, int gap, int secondLineOffset,
                            int offsetX, int offsetY, int size);
    int m_bOverviewGeologyDrawn = 0; // a geology mesh was drawn on the overview

    // The layer dispatch (LandLayerDispatch.cpp, WhiteLayerDispatch.cpp): the overviews' plain
    // forms by layer type (0-11) and tab, and the white sheet map's forms.
    void DrawLandLayer(int type, int count);
    void DrawWhiteFineMesh();
    void DrawWhiteGeologyMesh(int kind);
    void DrawWhiteMesh(int tab);
    void DrawWhiteSurface(int tab);
    void DrawWhiteLines(int kind, int tab);
    void DrawWhitePoints(int tab);
    void DrawSeismicWhiteMesh();

    // Tracks, the locator map, the prefecture statistics map and a guide map's points (TrackLayers.cpp,
    // AreaDataMap.cpp, PrefectureStatisticsMap.cpp).
    void DrawTracks();
    void DrawTrackFile(std::string file, int position);
    void DrawAreaData(int divisor, int top, int left, int mode, int routePointCount, std::string mark);
    void DrawAreaCoast(int divisor, int top, int left);
    void DrawPrefectureMap(int originX, int value);
    // The registered points of the guide map over its picture of that size (SheetAnnotations.cpp).
    void DrawSheetAnnotations(int width, int height);

    // Place names and public facilities searched and drawn on the sheet map, the result file and
    // the kept results drawn again, one hit's symbol (view/placenames/).
    void DrawPlaceNames();
    void DrawAnnotationNames(int k1, int k2, int k3, int codeSwitch, const std::string& area,
                             const std::string& prefecture);
    void DrawPublicFacilities(int k, int k2, int codeSwitch, const std::string& area, const std::string& prefecture);
    void WriteSearchResults();
    void DrawSearchResults();
    void DrawNameLabel(int x, int y, int size, int type, int kind);
    int m_nSymbolHalf = 2;       // half the size of a hit's symbol
    int m_nLastSymbolType = -1;  // the colour type whose pen is selected; -1 none

private:
    CMapRenderer(vd::Dc* pDC, const CVeldoranDoc* pDoc, SheetDrawState* pDraw, int clientWidth, int clientHeight,
                 const MapDrawSettings& settings);
};

// The colours of the fixed brushes and the style, width and colour of the fixed pens, by index.
struct RendererPenSpec {
    int style;
    int width;
    vd::COLORREF colour;
};
extern const std::array<vd::COLORREF, CMapRenderer::kBrushCount> kRendererBrushColours;
extern const std::array<RendererPenSpec, CMapRenderer::kPenCount> kRendererPens;
