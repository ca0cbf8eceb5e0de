// The map view's mouse: the cursor read-out and the distance from the departure city, the drag on
// the whole-country overview, the registered points' drag, registration and double click, and the
// right button's neighbour sheet or Mapping menu.
#include "app/document/MapDisplayMode.h"
#include "view/window/VeldoranView.h"

#include "app/document/VeldoranDoc.h"
#include "contracts/bindings/DovanneExports.h"
#include "basemap/projection/AlbersProjection.h"
#include "basemap/projection/SansonProjection.h"
#include "platform/dc/ImageDc.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"
#include "platform/ui/FrameWindow.h"
#include "platform/ui/Menu.h"
#include "platform/ui/Pointer.h"
#include "platform/ui/WaitCursor.h"
#include "view/navigation/CursorReadout.h"
#include "view/navigation/ViewNavigation.h"
#include "view/pointer/PointerActions.h"
#include "view/registration/PointRegistration.h"
#include "view/routes/RouteAreaMaps.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

// "35.3015" -> 35 degrees and 30.15 minutes (the digits after the point divided by 100).
void SplitDegreesMinutes(const std::string& text, double& degrees, double& minutes)
{
    const std::size_t point = text.find('.');
    degrees = vd::parseDouble(text.substr(0, point));
    minutes = point == std::string::npos ? 0 : vd::parseDouble(text.substr(point + 1)) / 100.0;
}

} // namespace

// The cursor's latitude and longitude texts at (x, y) for the map on screen.
static CursorTexts ReadCursor(CVeldoranView& view, CVeldoranDoc& doc, int x, int y)
{
    if (doc.position.m_nMapType != 2) {
        return SheetCursorTexts(x, y, doc.m_nFrameNorthSec, doc.m_nFrameSouthSec, doc.m_nFrameEastSec,
                                doc.m_nFrameWestSec, doc.m_nMapPixelWidth, doc.m_nMapPixelHeight);
    }
    const int setting =
        doc.position.m_nPrefectureSel > 3 ? doc.position.m_nMapPjctn : (doc.m_nClipIndexMap == 2 ? 2 : 0);
    double latitude = 0, longitude = 0;
    if (setting == 2) {
        const AlbersProjection albers(doc.pointer.m_nOverviewOriginX, doc.m_fRefLatitude, doc.m_fRefLongitude,
                                      doc.m_fMapScale);
        const auto point = albers.unproject(x, y);
        if (!point)
            return {};
        latitude = point->latitude;
        longitude = point->longitude;
    } else {
        SansonProjection sanson(doc.pointer.m_nOverviewOriginX, 0, doc.m_fRefLatitude, doc.m_fRefLongitude,
                                doc.m_fMapScale);
        std::copy(std::begin(doc.latitudeRatios.m_afLatitudeRatio), std::end(doc.latitudeRatios.m_afLatitudeRatio),
                  sanson.table);
        const int ratioRow = setting == 1 ? view.m_nSavedHeight - 1 : y;
        const GeoPoint point = sanson.unproject(x, y, ratioRow);
        latitude = point.latitude;
        longitude = point.longitude;
    }
    return {TenThousandthsToDms(latitude, "%7.4f"), TenThousandthsToDms(longitude, "%8.4f")};
}

void CVeldoranView::OnMouseMove(unsigned flags, vd::ui::Point point)
{
    CVeldoranDoc& doc = *m_pDoc;
    ViewNavigation& nav = *m_pNavigation;
    const int x = point.x, y = point.y;
    const int mode = doc.pointer.m_nMouseMode;
    if (doc.repaint.m_bMapOnScreen && mode != 1) {
        vd::ClientDc window = GetDC();
        if (mode == 2) {
            // The drag overview: the 3-degree circle follows the pressed button.
            if (flags == vd::MK_LBUTTON && window)
                DrawDragCircle(*window, x, y);
            else if (!(flags & (vd::MK_LBUTTON | vd::MK_RBUTTON)) && !m_strDragCornerLon.empty() && !m_strDragCornerLat.empty())
                vd::ui::SetCursor(*this, vd::ui::CursorShape::Wait);
            vd::View::OnMouseMove(flags, point);
            return;
        }
        if (doc.position.m_nMapType == 4) {
            if (window)
                m_pPointer->HoverRegisteredPointAlt(*window, x, y);
        } else {
            const CursorTexts cursor = ReadCursor(*this, doc, x, y);
            doc.pointer.m_strCursorLat = cursor.latitude;
            doc.pointer.m_strCursorLon = cursor.longitude;
            doc.pointer.m_dCursorLat = vd::parseDouble(cursor.latitude);
            doc.pointer.m_dCursorLon = vd::parseDouble(cursor.longitude);
            const bool inside = !cursor.latitude.empty() &&
                CursorInsideFrame(cursor, doc.m_strFrameSouth, doc.m_strFrameNorth, doc.m_strFrameWest,
                                  doc.m_strFrameEast);
            nav.m_nCursorInFrame = inside ? 1 : -1;
            if (inside && window)
                ShowCursorPosition(*window, flags, cursor);
        }
        MouseModeAction(flags, x, y);
    }
    vd::View::OnMouseMove(flags, point);
}

void CVeldoranView::ShowCursorPosition(vd::Dc& window, unsigned flags, const CursorTexts& cursor)
{
    CVeldoranDoc& doc = *m_pDoc;
    const bool wide = m_nSavedWidth > 800;
    if (doc.spec.m_nPointerCoords == 1) {
        const int textY = wide ? m_nSavedHeight - 22
            : (doc.position.m_nMapType == 2 && doc.position.m_nMapMode == 9) ? m_nSavedHeight - 65
                                                            : doc.m_nPanelTop;
        const vd::COLORREF previous = window.SetTextColor(vd::RGB(0, 0, 255));
        window.TextOut(20, textY, cursor.latitude + "," + cursor.longitude);
        window.SetTextColor(previous);
    }
    if (doc.spec.m_nDistanceShow != 1 || (flags & (vd::MK_LBUTTON | vd::MK_RBUTTON)) || doc.spec.m_nDistanceEnd != 1)
        return;
    double latDeg = 0, latMin = 0, lonDeg = 0, lonMin = 0;
    SplitDegreesMinutes(cursor.latitude, latDeg, latMin);
    SplitDegreesMinutes(cursor.longitude, lonDeg, lonMin);
    if (OnDistance_fn* distance = Dovanne().OnDistance.fn)
        distance(&window, "ﾎﾟｲﾝﾀｰ", doc.spec.m_strDepature, doc.spec.m_dDepLatDeg, doc.spec.m_dDepLatMin,
                 doc.spec.m_dDepLonDeg, doc.spec.m_dDepLonMin, latDeg, latMin, lonDeg, lonMin, m_nSavedWidth,
                 doc.position.m_nMapType, doc.position.m_nMapFrame, m_nSavedHeight, doc.m_nPanelTop);
}

void CVeldoranView::MouseModeAction(unsigned flags, int x, int y)
{
    CVeldoranDoc& doc = *m_pDoc;
    ViewNavigation& nav = *m_pNavigation;
    vd::ClientDc window = GetDC();
    if (!window)
        return;
    const int mode = doc.pointer.m_nMouseMode;
    if (mode == 3 && flags == vd::MK_LBUTTON && doc.pointer.m_nMouseTool == 0) {
        if (doc.pointer.m_nMouseDrag == 1) {
            // A route traced through registered points; a move of less than 5 pixels is ignored.
            const int dx = x - nav.m_nDragX, dy = y - nav.m_nDragY;
            if (!m_strDragShape.empty() && dx * dx + dy * dy < 25)
                return;
            const int h = m_nSavedHeight;
            const bool wide = m_nSavedWidth > 800;
            WritePrompt(wide ? 465 : 0, h - 25, wide ? 885 : 420, wide ? h - 2 : h - 3, wide ? 470 : 2, h - 22,
                        "<ﾃｷｽﾄ・画像のﾙｰﾄﾏｯﾌﾟ>   登録地点を辿ってください！");
            m_pRouteMaps->HoverRoutePoint(*window, x, y);
            nav.m_nDragX = nav.m_nDragY = -10;
            if (m_strDragShape.empty()) {
                nav.m_nDragX = x;
                nav.m_nDragY = y;
                m_strDragShape = "on";
            }
            return;
        }
        if (doc.position.m_nMapFrame != 3) {
            m_nViewFrameKind = doc.position.m_nMapFrame;
            nav.m_nRectLeft = nav.m_nRectRight = x;
            nav.m_nRectTop = nav.m_nRectBottom = y;
            nav.m_strRectLat = doc.pointer.m_strCursorLat;
            nav.m_strRectLon = doc.pointer.m_strCursorLon;
            vd::ui::SetCursor(*this, vd::ui::CursorShape::Cross);
            vd::ui::SetCapture(*this);
        }
        return;
    }
    if (mode == 3 && m_strMouseButtonState == "RouteLineData") {
        m_strMouseButtonState.clear();
        nav.EndRouteLineByMove(*window);
        return;
    }
    // In update mode a point under the pointer (MK_MOVE) is dragged by the pressed button.
    const bool startsDrag = mode == 7 && (flags & vd::MK_LBUTTON) && m_strMouseButtonState == "MK_MOVE";
    if ((mode == 5 || startsDrag) && doc.pointer.m_nMouseTool == 2) {
        if (m_strMouseButtonState == "MK_MOVE" && std::abs(x - nav.m_nDragX) <= 2 && std::abs(y - nav.m_nDragY) <= 2)
            return;
        if (doc.position.m_nMapType == 4)
            HoldInsidePicture(x, y);
        const int scheme = m_nSymbolScheme;
        m_nSymbolScheme = 2;
        DrawPointSymbol(*window, nav.m_nDragX, nav.m_nDragY, doc.spec.m_nSymbolSize, 5);
        m_nSymbolScheme = 4;
        DrawPointSymbol(*window, x, y, doc.spec.m_nSymbolSize, 4);
        m_nSymbolScheme = scheme;
        nav.m_nDragX = x;
        nav.m_nDragY = y;
        doc.pointer.m_nMouseMode = 5;
        m_strMouseButtonState = "MK_LBUTTON";
        return;
    }
    if (mode == 8) {
        m_pPointer->DrawDragRectangle(*window, x, y);
        return;
    }
    if (mode == 100)
        return;
    m_pPointer->HoverRegisteredPoint(*window, x, y);
    if (doc.spec.m_nSiteNamePopup == 1)
        m_pPointer->ShowPointTip(*window, x, y);
}

// A point dragged on a guide map stays on its picture: the pointer is put back at the edge.
void CVeldoranView::HoldInsidePicture(int& x, int& y)
{
    const ViewNavigation& nav = *m_pNavigation;
    const int heldX = std::clamp(x, nav.m_nPictureLeft, nav.m_nPictureLeft + std::max(nav.m_nPictureWidth - 1, 0));
    const int heldY = std::clamp(y, nav.m_nPictureTop, nav.m_nPictureTop + std::max(nav.m_nPictureHeight - 1, 0));
    if (heldX == x && heldY == y)
        return;
    x = heldX;
    y = heldY;
    vd::ui::SetCursorPos(ClientToScreen({x, y}));
}

void CVeldoranView::OnLButtonDown(unsigned flags, vd::ui::Point point)
{
    CVeldoranDoc& doc = *m_pDoc;
    ViewNavigation& nav = *m_pNavigation;
    if (doc.pointer.m_nMouseMode == 7 && m_strMouseButtonState == "MK_MOVE" && doc.pointer.m_nMouseTool == 2) {
        nav.m_nDragX = point.x;
        nav.m_nDragY = point.y;
    } else if (doc.pointer.m_nMouseMode == 8) {
        nav.m_nRectLeft = nav.m_nRectRight = point.x;
        nav.m_nRectTop = nav.m_nRectBottom = point.y;
        nav.m_strRectLat = doc.pointer.m_strCursorLat;
        nav.m_strRectLon = doc.pointer.m_strCursorLon;
        vd::ui::SetCursor(*this, vd::ui::CursorShape::Cross);
        vd::ui::SetCapture(*this);
    }
    vd::View::OnLButtonDown(flags, point);
}

void CVeldoranView::OnLButtonUp(unsigned flags, vd::ui::Point point)
{
    CVeldoranDoc& doc = *m_pDoc;
    ViewNavigation& nav = *m_pNavigation;
    const int x = point.x, y = point.y;
    switch (doc.pointer.m_nMouseMode) {
    case 2:
        if (!m_strDragCornerLon.empty() && !m_strDragCornerLat.empty()) {
            vd::WaitCursor wait;
            nav.SetViewButton(32, "", 0, 0, 0, 0);
            doc.pointer.m_nOverviewStep = 0;
            // Without a sheet at that corner (the open sea) the current sheet stays current.
            const std::string current = doc.m_strMapName;
            doc.ShowSheetAt(m_strDragCornerLon, m_strDragCornerLat);
            if (doc.m_strMapName.empty())
                doc.m_strMapName = current;
        }
        break;
    case 8:
        if (vd::ClientDc window = GetDC())
            m_pPointer->FinishRangeDrag(*window, x, y);
        break;
    case 9:
        if (vd::ClientDc window = GetDC())
            nav.AddRouteLinePoint(*window, x, y);
        break;
    case 3:
        if (vd::ClientDc window = GetDC())
            m_pPointer->FinishRangeDrag(*window, x, y);
        RegisterAtPoint(x, y);
        break;
    case 4:
    case 5:
    case 6:
    case 7:
        RegisterAtPoint(x, y);
        break;
    default:
        break;
    }
    // No capture outlives the button that started it.
    if (vd::ui::GetCapture() == this)
        vd::ui::ReleaseCapture();
    vd::View::OnLButtonUp(flags, point);
}

// Point registration and editing at a click, by the mouse tool.
void CVeldoranView::RegisterAtPoint(int x, int y)
{
    CVeldoranDoc& doc = *m_pDoc;
    ViewNavigation& nav = *m_pNavigation;
    std::string lon, lat;
    if (doc.position.m_nMapType == 4) {
        const float scale = nav.m_fPictureScale > 0 ? nav.m_fPictureScale : 1;
        lon = vd::format("%d", static_cast<int>((x - nav.m_nPictureLeft) / scale));
        lat = vd::format("%d", static_cast<int>(1000 - (y - nav.m_nPictureTop) / scale));
    } else {
        const CursorTexts cursor = SheetCursorTexts(x, y, doc.m_nFrameNorthSec, doc.m_nFrameSouthSec,
                                                    doc.m_nFrameEastSec, doc.m_nFrameWestSec, doc.m_nMapPixelWidth,
                                                    doc.m_nMapPixelHeight);
        lat = cursor.latitude;
        lon = cursor.longitude;
    }
    switch (doc.pointer.m_nMouseTool) {
    case 1:
        SaveRestoreMap(0, 0, 0, 0, 0, m_nSavedWidth, m_nSavedHeight);
        m_pRegistration->RegisterTextPicture(lon, lat, x, y);
        break;
    case 2: {
        // The hover leaves an album's path in the entry's parameter, a picture's in its target.
        const bool album = doc.entry.m_strEntryTarget.find(".alb") != std::string::npos ||
                           doc.m_strEntryParam.find(".alb") != std::string::npos;
        const bool dragged = m_strMouseButtonState == "MK_LBUTTON";
        const std::string answer = album ? m_pRegistration->UpdateHoveredAlbum(lon, lat)
                                         : m_pRegistration->UpdatePoint(lon, lat);
        const int item = nav.m_nHoverItem;
        auto inList = [&] { return item >= 0 && item < int(doc.m_anHitX.size()); };
        if (answer == "deleate") {
            if (inList()) {
                // The point leaves the drawn lists: later entries move up.
                for (std::size_t i = std::size_t(item); i + 1 < doc.m_astrHitRecord.size(); ++i) {
                    doc.m_astrHitRecord[i] = doc.m_astrHitRecord[i + 1];
                    doc.m_anHitX[i] = doc.m_anHitX[i + 1];
                    doc.m_anHitY[i] = doc.m_anHitY[i + 1];
                    if (doc.m_astrHitRecord[i] == "999")
                        break;
                }
            }
        } else if (answer == "cancel") {
            // The moved symbol is erased and the point drawn back at its old place.
            if (dragged) {
                if (vd::ClientDc window = GetDC()) {
                    const int scheme = m_nSymbolScheme;
                    m_nSymbolScheme = 2;
                    DrawPointSymbol(*window, nav.m_nDragX, nav.m_nDragY, doc.spec.m_nSymbolSize, 5);
                    m_nSymbolScheme = 4;
                    if (inList())
                        DrawPointSymbol(*window, doc.m_anHitX[std::size_t(item)], doc.m_anHitY[std::size_t(item)],
                                        doc.spec.m_nSymbolSize, 4);
                    m_nSymbolScheme = scheme;
                }
            }
        } else if ((answer.empty() && dragged) || answer == "update" || answer == "update_end") {
            if (inList()) {
                doc.m_anHitX[std::size_t(item)] = navigation::ClampToInt16(answer.empty() ? nav.m_nDragX : x);
                doc.m_anHitY[std::size_t(item)] = navigation::ClampToInt16(answer.empty() ? nav.m_nDragY : y);
            }
        }
        if (dragged)
            m_strMouseButtonState.clear();
        if (answer == "update_end") {
            doc.pointer.m_nMouseTool = 0;
            doc.pointer.m_nMouseMode = 3;
        } else if (!album) {
            doc.pointer.m_nMouseMode = doc.pointer.m_nMouseTool == 0 ? 3 : 7;
        }
        break;
    }
    case 4:
        SaveRestoreMap(0, 0, 0, 0, 0, m_nSavedWidth, m_nSavedHeight);
        m_pRegistration->RegisterAlbumAtPoint(lon, lat, x, y);
        break;
    default:
        break;
    }
}

void CVeldoranView::OnLButtonDblClk(unsigned flags, vd::ui::Point point)
{
    CVeldoranDoc& doc = *m_pDoc;
    ViewNavigation& nav = *m_pNavigation;
    const int x = point.x, y = point.y;
    if (doc.repaint.m_bMapOnScreen && doc.repaint.m_bHideSheetButtons != 1) {
        if (doc.pointer.m_nMouseMode == 1) {
            m_pPointer->OpenSheetAtPoint(x, y);
        } else if (doc.pointer.m_nMouseMode == 9) {
            nav.EndRouteLineByDoubleClick();
        } else {
            doc.repaint.m_strViewState = "MOUSE";
            int hit = -1;
            for (std::size_t i = 0; i < doc.m_astrHitRecord.size() && doc.m_astrHitRecord[i] != "999"; ++i) {
                if (std::abs(doc.m_anHitX[i] - x) <= 2 && std::abs(doc.m_anHitY[i] - y) <= 2) {
                    hit = int(i);
                    break;
                }
            }
            if (hit >= 0) {
                const std::string& record = doc.m_astrHitRecord[std::size_t(hit)];
                if (doc.repaint.m_nSavedMapDisplayMode == map_display::kRouteAreaIndex)
                    doc.LoadRouteFromItem(record);
                else
                    OpenRegisteredItem(record);
            } else if (doc.repaint.m_nSavedMapDisplayMode != map_display::kRouteAreaIndex &&
                       doc.position.m_nMapType != 4 && m_nPictureState == 1 && doc.environment.m_nAreaSearch == 1) {
                // The figure around the click; what lies inside plays as an album. A search that
                // finds nothing leaves the figure until the next repaint.
                vd::ClientDc window = GetDC();
                const int radius = window ? m_pRouteMaps->DrawSearchArea(*window, x, y, 0) : 0;
                const int found =
                    radius > 0 ? m_pRouteMaps->CollectItemsInArea(x, y, radius, doc.environment.m_nAreaShape) : 0;
                if (found > 0) {
                    doc.routes.m_strEntryMode = "AreaData";
                    doc.routes.m_strAreaCentreLat = doc.pointer.m_strCursorLat;
                    doc.routes.m_strAreaCentreLon = doc.pointer.m_strCursorLon;
                    StartAlbumPlayback("", "", "AreaMap", doc.pointer.m_strCursorLat, doc.pointer.m_strCursorLon);
                    if (vd::ClientDc erase = GetDC())
                        m_pRouteMaps->DrawSearchArea(*erase, x, y, -1);
                }
            }
        }
    }
    vd::View::OnLButtonDblClk(flags, point);
}

void CVeldoranView::OnRButtonDown(unsigned flags, vd::ui::Point point)
{
    CVeldoranDoc& doc = *m_pDoc;
    ViewNavigation& nav = *m_pNavigation;
    if (nav.m_nCursorInFrame == -1) {
        if (!doc.repaint.m_bHideSheetButtons) {
            vd::Menu menu;
            if (menu.LoadMenu(155))
                if (vd::Menu* popup = menu.GetSubMenu(0)) {
                    const vd::ui::Point screen = ClientToScreen(point);
                    vd::ui::SetForegroundWindow(*this);
                    // Owned by the frame, the menu's commands take the whole command route
                    // (view, document, frame, application), as the menu bar's do.
                    vd::Window* owner = GetParentFrame();
                    popup->TrackPopupMenu(0, screen.x, screen.y, owner ? owner : this);
                }
        }
    } else if (doc.m_nMapDisplayMode == map_display::kMapShown && doc.position.m_nMapFrame == 2) {
        const int cell = NeighbourCell(point.x, point.y, doc.position.m_nMapMode, doc.m_fWhiteZoomX, doc.m_fWhiteZoomY);
        if (cell >= 0 && cell != 4 && !doc.m_astrMapEntry[std::size_t(11 + cell)].empty()) {
            doc.m_nMapDisplayMode = map_display::kMainMap;
            doc.m_strMapName = doc.m_astrMapEntry[std::size_t(11 + cell)];
            doc.FindSheetByName(doc.m_strMapName, doc.folders.m_strSheetIndexFile);
            m_nPictureState = 1;
            InvalidateView(doc.position.m_nMapFigure == 0);
        }
    }
    vd::View::OnRButtonDown(flags, point);
}
