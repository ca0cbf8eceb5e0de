#include "view/sheetmap/ViewBaseMap.h"

#include "app/document/MapDisplayMode.h"
#include "app/document/VeldoranDoc.h"
#include "contracts/bindings/DovanneExports.h"
#include "basemap/projection/CoordinateText.h"
#include "basemap/projection/LinearLatitudeRatio.h"
#include "basemap/projection/SheetGrid.h"
#include "contracts/dovanne.h"
#include "platform/dc/Dc.h"
#include "platform/dc/GdiConstants.h"
#include "platform/text/Format.h"
#include "platform/text/StringOps.h"
#include "platform/ui/FrameWindow.h"
#include "view/menubars/MenuBars.h"
#include "view/navigation/ViewNavigation.h"
#include "view/overview/BevelBox.h"
#include "view/pages/ViewPages.h"
#include "view/renderer/MapRenderer.h"
#include "view/sheetmap/IndexMapLayout.h"
#include "view/window/VeldoranView.h"

#include <cmath>
#include <cstdlib>
#include <sstream>

namespace {

const char* const kRegionTitles[] = {"日本列島 ", "西南日本 ", "中央日本 ", "東北日本 "};

} // namespace

ViewBaseMap::ViewBaseMap(CVeldoranView& view) : view_(view), doc_(*view.GetDocument()) {}

void ViewBaseMap::SetTitle(const std::string& title)
{
    if (vd::FrameWindow* frame = view_.GetParentFrame())
        frame->SetWindowText(title);
}

void ViewBaseMap::DrawBevelBox(int left, int top, int right, int bottom)
{
    vd::ClientDc window = view_.GetDC();
    if (window)
        DrawBevelBox(*window, left, top, right, bottom);
}

void ViewBaseMap::DrawBevelBox(vd::Dc& dc, int left, int top, int right, int bottom)
{
    dc.FillRect(vd::Rect{left + 1, top + 1, right, bottom}, vd::StockBrush(vd::WHITE_BRUSH));
    const vd::Pen black(vd::PS_SOLID, 1, vd::RGB(0, 0, 0));
    const vd::Pen previous = dc.SelectObject(black);
    DrawBevelEdges(dc, left, top, right, bottom, vd::Pen(vd::PS_SOLID, 1, vd::RGB(150, 150, 150)));
    dc.SelectObject(previous);
}

void ViewBaseMap::DrawSheetIndexMap(vd::Dc& dc)
{
    const int width = view_.m_nSavedWidth;
    dc.FillRect(vd::Rect{0, 0, width, view_.m_nSavedHeight}, *view_.m_pBackgroundBrush);
    const IndexMapLayout grid = SheetIndexLayout(width);
    std::string index = doc_.folders.m_strSheetIndexFile;
    if (doc_.depth.m_nSubmarineLayer == 1 && doc_.position.m_nMapFrame == 2 &&
        (doc_.position.m_nMapMode == 25 || doc_.position.m_nMapMode == 49))
        index += "|B";
    auto* indexMap = Dovanne().OnIndexMap.fn;
    if (indexMap)
        indexMap(&dc, index, doc_.spec.m_strFontName, width, grid.fontHeight, grid.left, grid.columnWidth, grid.top,
                 grid.rowHeight);
    SetTitle("1/20万地勢図索引図");
    dc.SetTextColor(vd::RGB(255, 0, 0));
    dc.TextOut(20, 6, "指定する図幅上でﾀﾞﾌﾞﾙｸﾘｯｸ！");
    dc.SetTextColor(vd::RGB(0, 0, 0));
}

void ViewBaseMap::BeginMainMap()
{
    doc_.repaint.m_strLayerWord.clear();
    view_.m_strStatusNote.clear();
    doc_.routes.m_strEntryMode.clear();
    if (view_.m_nPictureState == -8888)
        view_.SaveRestoreMap(1, view_.m_nSavedX, view_.m_nSavedY, view_.m_nSavedX, view_.m_nSavedY,
                             view_.m_nSavedWidth, view_.m_nSavedHeight);
}

void ViewBaseMap::SaveEntryTexts()
{
    doc_.repaint.m_nSavedMapDisplayMode = doc_.m_nMapDisplayMode;
    view_.m_strSavedEntryParam = doc_.m_strEntryParam;
    view_.m_strSavedMapName = doc_.m_strMapName;
}

void ViewBaseMap::AfterMainMap(vd::Dc& dc)
{
    view_.m_nViewFrameKind = doc_.position.m_nMapFrame;
    doc_.repaint.m_bMapOnScreen = 1;
    doc_.m_nMapDisplayMode = map_display::kMapShown;
    doc_.m_strEntryParam.clear();
    DrawDataSourceCaption(view_, dc);
    view_.m_nPictureState = 1;
    m_nLocatorLeft = -1;
    m_nLocatorTop = -1;
    m_nLocatorScale = -1;
    view_.m_strDragShape.clear();
}

std::string ViewBaseMap::TrackWord()
{
    if (doc_.tracks.m_nTrackDisplay == 1 && !doc_.tracks.m_strTrackFile.empty()) {
        doc_.repaint.m_strLayerWord = "TRACKTRAIL";
        return "TRACK";
    }
    return {};
}

namespace {

// The line above the map when the tint map fell back to the plain sheet, where the mouse tools
// write their prompts: under the map the status line and the pointer's coordinates fill the line.
void WriteNoTintNotice(vd::Dc& dc)
{
    const vd::COLORREF keptColour = dc.SetTextColor(vd::RGB(255, 0, 0));
    const int keptMode = dc.SetBkMode(vd::TRANSPARENT);
    dc.TextOut(15, 5, kNoTintNotice);
    dc.SetBkMode(keptMode);
    dc.SetTextColor(keptColour);
}

} // namespace

std::string ViewBaseMap::DrawLayeredMap(vd::Dc& dc)
{
    const int pictureState = view_.m_nPictureState;
    BeginMainMap();
    view_.m_pNavigation->RemoveViewButtons(2);
    view_.m_pNavigation->RemoveViewButtons(4);
    SaveEntryTexts();
    doc_.m_anKindTally.fill(0);
    view_.m_nPageIndex = 0;

    if (pictureState == -8888) {
        view_.m_strSavedEntryParam.clear();
        view_.m_nPictureState = 1;
    } else if (doc_.repaint.m_bRestoreOnce == 1) {
        view_.SaveRestoreMap(1, 0, 0, 0, 0, view_.m_nSavedWidth, view_.m_nSavedHeight);
        doc_.repaint.m_bRestoreOnce = -1;
    } else {
        const int legend = doc_.depth.m_nSubmarineLayer == 1 && doc_.IsAnyLayerSelected(2) == 1 ? 0 : 1;
        // Both passes start from the user's point display setting (the first leaves its working level).
        const int pointSetting = doc_.m_nPointDisplayFlag;
        {
            CMapRenderer renderer(&dc, &doc_, view_.m_nSavedWidth, view_.m_nSavedHeight);
            if (const std::optional<WhiteLayerResult> white = renderer.DrawSheetMap(0, legend)) {
                doc_.repaint.m_nWhiteLayerState = white->state;
                doc_.repaint.m_nWhiteLayerDrawn = white->layerDrawn.value_or(doc_.repaint.m_nWhiteLayerDrawn);
                doc_.repaint.m_nWhiteMeshDrawn = white->meshDrawn.value_or(doc_.repaint.m_nWhiteMeshDrawn);
            }
            if (renderer.m_bTintMissing)
                WriteNoTintNotice(dc);
        }
        // The soundings write each depth file they read on the status line's band ("…を入力中");
        // once the map is whole that line is out of date, and the status line takes its place.
        const int seaFloorMethod = doc_.depth.m_anSubmarineSetting[0];
        if (doc_.depth.m_nSubmarineLayer == 1 && (seaFloorMethod == 2 || seaFloorMethod == 3) &&
            view_.m_pBackgroundBrush)
            dc.FillRect(vd::Rect{0, view_.m_nSavedHeight - 26, view_.m_nSavedWidth, view_.m_nSavedHeight},
                        *view_.m_pBackgroundBrush);
        if (doc_.repaint.m_nOverlayLayer != 999 && doc_.repaint.m_bOverlayOff != 1 &&
            doc_.repaint.m_bOverlayTransparent == 1) {
            // The transparent second pass: its points over the map, without tint or submarine layer.
            doc_.m_nPointDisplayFlag = pointSetting;
            CMapRenderer renderer(&dc, &doc_, view_.m_nSavedWidth, view_.m_nSavedHeight,
                                  MapDrawSettings::ForOverlayPass(doc_));
            renderer.DrawSheetMap(1, legend);
        }
    }
    AfterMainMap(dc);
    if (doc_.spec.m_nPointerCoords == 1) {
        const int top = view_.m_nSavedWidth > 800 ? view_.m_nSavedHeight - 27 : doc_.m_nPanelTop - 4;
        DrawBevelBox(dc, 12, top, 146, top + 25);
    }
    return TrackWord();
}

std::string ViewBaseMap::DrawJapanMap(vd::Dc& dc)
{
    BeginMainMap();
    ViewNavigation& buttons = *view_.m_pNavigation;
    buttons.RemoveViewButtons(2);
    if (!doc_.repaint.m_bHideSheetButtons)
        buttons.AddViewButtons(0);
    SaveEntryTexts();
    doc_.m_anKindTally[0] = doc_.m_anKindTally[1] = doc_.m_anKindTally[2] = 0;
    view_.m_nPageIndex = 0;

    const int sel = doc_.position.m_nPrefectureSel;
    if (sel >= 0 && sel <= 3) {
        std::string title = kRegionTitles[sel];
        title += doc_.m_nClipIndexMap > 1 ? "(アルベルス正積円錐図法、緯線・経線10°間隔)" : "(サンソン図法、緯線・経線10°間隔)";
        SetTitle(title);
        doc_.repaint.m_nReactivated = 0;
    }
    if (view_.m_nPictureState == -8888) {
        view_.m_nPictureState = 1;
    } else if (sel > 3) {
        {
            CMapRenderer renderer(&dc, &doc_, view_.m_nSavedWidth, view_.m_nSavedHeight);
            renderer.DrawJapanOverview();
        }
        const int p = doc_.position.m_nPrefecture;
        std::string title;
        if (p < 1 || p > 45) {
            title = doc_.m_strFrameName + " (サンソン図法)";
        } else if (doc_.spec.m_nMapBoundary == 1) {
            title = doc_.m_strFrameName + " (" + (doc_.position.m_nMapPjctn == 0 ? "サンソン図法、" : "") +
                    "［緯線・経線は1/20万地勢図の図郭境界線］)";
        } else {
            title = doc_.m_strFrameName + (doc_.position.m_nMapPjctn == 0 ? " (サンソン図法)" : "");
        }
        if (doc_.seismic.m_bSeismicLayer == 1)
            title += "   <<" + doc_.GetSeismicMapTitle() + ">>";
        SetTitle(title);
        doc_.repaint.m_nReactivated = 0;
    } else {
        buttons.DrawSheetFrame(dc, 1);
    }
    AfterMainMap(dc);
    buttons.AddViewButtons(4);
    if (doc_.spec.m_nPointerCoords == 1) {
        const int top = view_.m_nSavedHeight - (view_.m_nSavedWidth > 800 ? 27 : 69);
        DrawBevelBox(dc, 12, top, 146, top + 25);
    }
    return TrackWord();
}

void ViewBaseMap::DrawPrefectureMap(vd::Dc& dc)
{
    const int size = view_.m_nSavedWidth <= 800 ? 350 : 560;
    view_.m_strStatusNote.clear();
    doc_.routes.m_strEntryMode.clear();
    if (view_.m_nPictureState == -8888)
        view_.SaveRestoreMap(1, view_.m_nSavedX, view_.m_nSavedY, view_.m_nSavedX, view_.m_nSavedY,
                             view_.m_nSavedWidth, view_.m_nSavedHeight);
    ViewNavigation& buttons = *view_.m_pNavigation;
    // Every button of the screen before (the sheet's 設定 and 5×5 among them) goes: the prefecture
    // map shows its own panel alone.
    buttons.RemoveViewButtons(1);
    buttons.RemoveViewButtons(2);
    buttons.RemoveViewButtons(4);
    SaveEntryTexts();
    view_.m_nPageIndex = 0;
    {
        CMapRenderer renderer(&dc, &doc_, view_.m_nSavedWidth, view_.m_nSavedHeight);
        renderer.DrawPrefectureMap(size, size);
    }
    view_.m_nViewFrameKind = doc_.position.m_nMapFrame;
    doc_.repaint.m_bMapOnScreen = 0;
    doc_.m_nMapDisplayMode = map_display::kMapShown;
    doc_.m_strEntryParam.clear();
    buttons.AddViewButtons(5);
    view_.m_nPictureState = 1;
    m_nLocatorLeft = m_nLocatorTop = m_nLocatorScale = -1;
    view_.m_strDragShape.clear();
}

void ViewBaseMap::DrawDragOverview(vd::Dc& dc)
{
    view_.m_pNavigation->RemoveViewButtons(1);
    view_.m_pNavigation->DrawSheetFrame(dc, 0);
    SetTitle("日本列島（サンソン図法）");
    if (doc_.m_nMapDisplayMode == map_display::kDragOverview) {
        dc.SetTextColor(vd::RGB(0, 0, 0));
        dc.TextOut(25, 78, "ﾏｳｽの左ﾎﾞﾀﾝを押して、表示したい地域までﾏｳｽをﾄﾞﾗｯｸﾞ！");
        view_.m_strDragCornerLon.clear();
        view_.m_strDragCornerLat.clear();
        view_.m_strDragShape.clear();
        doc_.repaint.m_bMapOnScreen = 1;
        doc_.m_nMapDisplayMode = map_display::kDragWaiting;
    } else {
        doc_.m_nMapDisplayMode = map_display::kIdle;
    }
}

void ViewBaseMap::DrawDragCircle(vd::Dc& dc, int x, int y)
{
    const vd::Brush green(vd::RGB(0, 255, 0));
    const vd::Pen black(vd::PS_SOLID, 1, vd::RGB(0, 0, 0));
    const vd::Brush keptBrush = dc.SelectObject(green);
    const vd::Pen keptPen = dc.SelectObject(black);
    dc.RoundRect(15, 75, 441, 103, 5, 5);
    dc.RoundRect(15, 75, 440, 102, 5, 5);
    dc.SetBkColor(vd::RGB(0, 255, 0));

    const vd::Pen thick(vd::PS_SOLID, 2, vd::RGB(0, 0, 0));
    dc.SelectObject(thick);
    dc.SelectObject(vd::StockBrush(vd::NULL_BRUSH));
    const int rop = dc.SetROP2(vd::R2_NOTXORPEN);
    if (view_.m_strDragShape == "circle")
        dc.Ellipse(m_nCircleX - m_nCircleRadius, m_nCircleY - m_nCircleRadius, m_nCircleX + m_nCircleRadius,
                   m_nCircleY + m_nCircleRadius);
    const double s = doc_.m_fMapScale;
    const double latitude = doc_.m_fRefLatitude - s * y;
    const double ratio = LinearLatitudeRatioSingle(latitude);
    const int radius = s > 0 && ratio > 0 ? static_cast<int>(15000.0 / s / ratio) : 0;
    dc.Ellipse(x - radius, y - radius, x + radius, y + radius);
    dc.SetROP2(rop);
    m_nCircleX = x;
    m_nCircleY = y;
    m_nCircleRadius = radius;
    view_.m_strDragShape = "circle";

    const double longitude = s * ratio * (x - doc_.pointer.m_nOverviewOriginX) + doc_.m_fRefLongitude;
    dc.TextOut(20, 80, "円（直径 3°)をドラッグ  " + vd::format("<%7.4f,%8.4f>", TenThousandthDegreesToDmsFractionalSeconds(latitude),
                                                                TenThousandthDegreesToDmsFractionalSeconds(longitude)));
    view_.m_strDragCornerLon = vd::format("%8.4f", std::floor(longitude / 10000.0));
    const double minutes = std::floor(latitude * 0.006 / kMeshHeightMinutes) * kMeshHeightMinutes; // whole rows
    const int degrees = static_cast<int>(minutes / 60.0);
    view_.m_strDragCornerLat = vd::format("%7.4f", degrees + (minutes - degrees * 60.0) / 100.0);
    dc.SetBkColor(vd::RGB(255, 255, 255));
    dc.SelectObject(keptPen);
    dc.SelectObject(keptBrush);
}

void ViewBaseMap::DrawAlbumPanel(vd::Dc& dc)
{
    const int projection = doc_.m_nClipIndexMap;
    if (projection == 2)
        doc_.m_nClipIndexMap = 1;
    const int w = view_.m_nSavedWidth;
    const int h = view_.m_nSavedHeight;
    if (m_nInsetState == -1) {
        const vd::Brush keptBrush = dc.SelectObject(vd::StockBrush(vd::WHITE_BRUSH));
        const vd::Pen keptPen = dc.SelectObject(vd::StockPen(vd::WHITE_PEN));
        for (int i = 0; i < 2; ++i)
            dc.Rectangle(w - 295, h - 355, w - 35, h - 35);
        dc.SelectObject(keptBrush);
        dc.SelectObject(keptPen);
        DrawAlbumInset(dc, 0);
        m_nInsetState = 0;
        view_.m_nSavedX = w - 295;
        view_.m_nSavedY = h - 355;
        view_.SaveRestorePatch(0, w - 295, h - 355, 0, 0, 260, 320);
    } else {
        view_.SaveRestorePatch(1, w - 295, h - 355, 0, 0, 260, 320);
    }
    DrawAlbumInset(dc, 1);
    doc_.m_nClipIndexMap = projection;
}

void ViewBaseMap::DrawAlbumInset(vd::Dc& dc, int flag)
{
    const int w = view_.m_nSavedWidth;
    const int h = view_.m_nSavedHeight;
    doc_.m_fRefLatitude = 470000;
    doc_.m_fRefLongitude = 1350000;
    doc_.m_fMapScale = 850;
    if (flag == 0) {
        auto* coast = Dovanne().OnJapanCoastLineDraw.fn;
        if (coast)
            coast(&dc, doc_.m_nClipIndexMap, 0, 1, w - 145, h - 325, doc_.spec.m_nMapBoundary, 470000, 1350000, 850,
                  doc_.folders.m_strCoastDir);
        return;
    }
    const int page = view_.m_nPageIndex;
    const std::string& entry = view_.m_pPages->AlbumPage(page);
    if (entry == "999")
        return;
    std::istringstream fields(entry);
    std::string name, latText, lonText;
    fields >> name >> latText >> lonText;
    auto degrees = [](const std::string& text) {
        const double t = std::atof(text.c_str());
        const double d = std::floor(t);
        return d + (t - d) * 1.6666666666666667;
    };
    const double lat = degrees(latText);
    const double lon = degrees(lonText);
    const int row = static_cast<int>(lat);
    const float ratio = row >= 0 && row < kLatitudeRatioTableSize ? doc_.latitudeRatios.m_afLatitudeRatio[row] : 0.0f;
    if (ratio == 0)
        return;
    const int y = static_cast<int>((470000 - 10000 * lat) / 850 + (h - 325) + 2);
    const int x = static_cast<int>((w - 145) + (10000 * lon - 1350000) / 850 / ratio);
    doc_.m_nFileKind = CVeldoranDoc::GetFileKind(entry);
    vd::COLORREF brushColour = vd::RGB(0, 230, 0);
    vd::COLORREF penColour = vd::RGB(0, 230, 0);
    if (doc_.m_nFileKind > 4) {
        brushColour = vd::RGB(255, 0, 0);
        penColour = doc_.m_nFileKind == 8 ? vd::RGB(0, 0, 255) : vd::RGB(255, 0, 0);
    }
    const vd::Brush brush(brushColour);
    const vd::Pen pen(vd::PS_SOLID, 1, penColour);
    const vd::Brush keptBrush = dc.SelectObject(brush);
    const vd::Pen keptPen = dc.SelectObject(pen);
    dc.Ellipse(x - 2, y - 2, x + 2, y + 2);
    dc.SelectObject(keptBrush);
    dc.SelectObject(keptPen);
}

void ViewBaseMap::DrawAlbumLocator(vd::Dc& dc)
{
    doc_.m_nFileKind = CVeldoranDoc::GetFileKind(doc_.entry.m_strEntryTarget);
    const int kind = doc_.m_nFileKind;
    int d;
    if (view_.m_nLocatorColumns == 1)
        d = kind >= 9 ? 23 : (m_nLocatorRows > 659 ? 33 : 24);
    else
        d = kind >= 9 ? 33 : (m_nLocatorRows < 660 ? 33 : 38);
    // The item's extent (arc-seconds) comes from the block drawn last.
    const int width = doc_.m_nMapPixelWidth * 10 / d;
    const int height = doc_.m_nMapPixelHeight * 10 / d;
    const int left = view_.m_nSavedWidth - 9 - width;
    const int top = view_.m_nSavedHeight - height;
    if (left != m_nLocatorLeft || d != m_nLocatorScale || kind <= 4) {
        const vd::Brush keptBrush = dc.SelectObject(vd::StockBrush(vd::WHITE_BRUSH));
        const vd::Pen keptPen = dc.SelectObject(vd::StockPen(vd::WHITE_PEN));
        dc.Rectangle(left - 11, top - 10, left + width + 3, top + height + 5);
        dc.SelectObject(keptBrush);
        dc.SelectObject(keptPen);
    } else {
        view_.SaveRestorePatch(1, left - 11, top - 10, 0, 0, width + 14, height + 15);
    }
    {
        CMapRenderer renderer(&dc, &doc_, view_.m_nSavedWidth, view_.m_nSavedHeight);
        renderer.DrawAreaData(d, top, left, view_.m_nAlbumState, view_.m_nPageIndex, doc_.entry.m_strEntryTarget);
    }
    view_.m_nSavedX = left - 11;
    view_.m_nSavedY = top - 10;
    view_.SaveRestorePatch(0, left - 11, top - 10, 0, 0, width + 14, height + 15);
    m_nLocatorLeft = left;
    m_nLocatorTop = top;
    m_nLocatorScale = d;
}

void ViewBaseMap::DrawPointSymbol(vd::Dc& dc, int x, int y, int size, int shape)
{
    int scheme = view_.m_nSymbolScheme;
    if (scheme != view_.m_nSelectedSymbolScheme) {
        vd::COLORREF brush = vd::RGB(255, 255, 255);
        vd::COLORREF pen = vd::RGB(0, 0, 0);
        switch (scheme) {
        case 2:
            pen = vd::RGB(255, 0, 0);
            break;
        case 4:
            brush = pen = vd::RGB(255, 0, 0);
            break;
        case 6:
            brush = pen = vd::RGB(0, 230, 0);
            break;
        case 8:
            brush = pen = vd::RGB(0, 0, 255);
            break;
        case 10:
            brush = vd::RGB(255, 255, 0);
            pen = vd::RGB(160, 0, 0);
            break;
        default:
            break;
        }
        dc.SelectObject(vd::Brush(brush));
        dc.SelectObject(vd::Pen(vd::PS_SOLID, 1, pen));
        view_.m_nSelectedSymbolScheme = scheme;
    }
    if (scheme == 10) {
        ++size;
        shape = 2;
    }
    const int left = x - size;
    const int top = y - size;
    const int right = x + size;
    const int bottom = y + size;
    switch (shape) {
    case 1: {
        const vd::Point triangle[3] = {{x, top}, {left, bottom}, {right, bottom}};
        dc.Polygon(triangle, 3);
        break;
    }
    case 2:
        dc.Rectangle(left + 1, top + 1, right, bottom);
        break;
    case 5:
        dc.SelectObject(vd::StockBrush(vd::WHITE_BRUSH));
        dc.SelectObject(vd::StockPen(vd::WHITE_PEN));
        view_.m_nSelectedSymbolScheme = -1;
        [[fallthrough]];
    case 3:
        dc.Ellipse(left + 1, top + 1, right + 1, y + size + 1);
        break;
    case 4:
        dc.Ellipse(left, top, right, bottom);
        break;
    default:
        break;
    }
}
