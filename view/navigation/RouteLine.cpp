// The route line of mouse mode 9: each click on a registered point adds it to the route's page
// list and joins it to the last one with a green line; a double click or the next move after a
// drag ends the line and plays the route.
#include "view/navigation/ViewNavigation.h"

#include "app/document/VeldoranDoc.h"
#include "platform/dc/Dc.h"
#include "platform/dc/GdiConstants.h"
#include "platform/dc/GdiObjects.h"
#include "platform/ui/Window.h"
#include "view/window/VeldoranView.h"

#include <algorithm>

void ViewNavigation::AddRouteLinePoint(vd::Dc& dc, int x, int y)
{
    if (m_doc.m_strEntryTitle.empty() || m_doc.m_strEntryState.empty())
        return;
    const int item = m_nHoverItem;
    if (item < 0 || item >= int(m_doc.m_astrHitRecord.size()))
        return;
    const std::string& record = m_doc.m_astrHitRecord[std::size_t(item)];
    if (record.find(".al") != std::string::npos)
        return;
    int& count = m_view.m_nRoutePointCount;
    if (count >= int(m_anRouteItem.size()) - 1)
        return; // the page list is full (its last entry keeps the end mark)
    if (count > 0) {
        if (m_view.m_nPictureState == -999) {
            m_view.SaveRestorePatch(1, m_view.m_nSavedX, m_view.m_nSavedY, 0, 0, 270, 40);
            m_view.m_nPictureState = 1;
        }
        const vd::Pen green(vd::PS_SOLID, 2, vd::RGB(0, 128, 0));
        const vd::Pen previousPen = dc.SelectObject(green);
        const int previousRop = dc.SetROP2(vd::R2_NOTXORPEN);
        dc.MoveTo(m_nRouteLastX, m_nRouteLastY);
        dc.LineTo(x, y);
        dc.SetROP2(previousRop);
        dc.SelectObject(previousPen);
    }
    m_nRouteLastX = x;
    m_nRouteLastY = y;
    m_anRouteItem[std::size_t(count)] = item;
    m_anRouteX[std::size_t(count)] = x;
    m_anRouteY[std::size_t(count)] = y;
    m_doc.routes.m_astrRoutePoint[std::size_t(count)] = record;
    ++count;
}

void ViewNavigation::EndRouteLine(vd::Dc& dc, int blankX, int blankY)
{
    dc.TextOut(blankX, blankY, std::string(71, ' '));
    int& count = m_view.m_nRoutePointCount;
    m_doc.routes.m_astrRoutePoint[std::size_t(count)] = "999";
    if (m_doc.spec.m_nPointPopup == 1 && m_view.m_nPictureState == -999) {
        m_view.SaveRestorePatch(1, m_view.m_nSavedX, m_view.m_nSavedY, 0, 0, 270, 40);
        m_view.m_nPictureState = 1;
    }
    m_doc.pointer.m_nMouseTool = 0;
    m_doc.pointer.m_nMouseMode = 3;
    m_view.StartAlbumPlayback("ルートマップ", "", "RouteMap", m_doc.pointer.m_strCursorLat,
                              m_doc.pointer.m_strCursorLon);
}

void ViewNavigation::EndRouteLineByDoubleClick()
{
    // The double click's first click added its point a second time.
    int& count = m_view.m_nRoutePointCount;
    count = std::max(0, count - 1);
    vd::ClientDc window = m_view.GetDC();
    if (!window)
        return;
    const bool wide = m_view.m_nSavedWidth > 800;
    EndRouteLine(*window, wide ? 155 : 2, wide ? 705 : 695);
}

void ViewNavigation::EndRouteLineByMove(vd::Dc& dc)
{
    // The page list and the drawn lists become the route's points in the order clicked.
    const int count = m_view.m_nRoutePointCount;
    std::vector<std::string> records;
    for (int i = 0; i < count; ++i)
        records.push_back(m_doc.m_astrHitRecord[std::size_t(m_anRouteItem[std::size_t(i)])]);
    for (int i = 0; i < count; ++i) {
        m_doc.routes.m_astrRoutePoint[std::size_t(i)] = records[std::size_t(i)];
        m_doc.m_astrHitRecord[std::size_t(i)] = records[std::size_t(i)];
        m_doc.m_anHitX[std::size_t(i)] = navigation::ClampToInt16(m_anRouteX[std::size_t(i)]);
        m_doc.m_anHitY[std::size_t(i)] = navigation::ClampToInt16(m_anRouteY[std::size_t(i)]);
    }
    m_doc.m_astrHitRecord[std::size_t(count)] = "999";
    const bool wide = m_view.m_nSavedWidth > 800;
    EndRouteLine(dc, wide ? 155 : 2, m_view.m_nSavedHeight - 18);
}

bool ViewNavigation::AppendRoutePoint(int item, int x, int y)
{
    int& count = m_view.m_nRoutePointCount;
    if (item < 0 || item >= int(m_doc.m_astrHitRecord.size()) || count < 0 || count >= int(m_anRouteItem.size()) - 1)
        return false;
    m_anRouteItem[std::size_t(count)] = item;
    m_anRouteX[std::size_t(count)] = x;
    m_anRouteY[std::size_t(count)] = y;
    m_doc.routes.m_astrRoutePoint[std::size_t(count)] = m_doc.m_astrHitRecord[std::size_t(item)];
    m_doc.routes.m_aptRoutePoint[std::size_t(count)] = {x, y};
    m_nRouteLastX = x;
    m_nRouteLastY = y;
    ++count;
    return true;
}

void ViewNavigation::EraseRouteLine(vd::Dc& dc)
{
    const vd::Pen green(vd::PS_SOLID, 2, vd::RGB(0, 128, 0));
    const vd::Pen previousPen = dc.SelectObject(green);
    const int previousRop = dc.SetROP2(vd::R2_NOTXORPEN);
    const int count = std::min(m_view.m_nRoutePointCount, int(m_anRouteX.size()));
    for (int i = 0; i + 1 < count; ++i) {
        dc.MoveTo(m_anRouteX[std::size_t(i)], m_anRouteY[std::size_t(i)]);
        dc.LineTo(m_anRouteX[std::size_t(i + 1)], m_anRouteY[std::size_t(i + 1)]);
    }
    dc.SetROP2(previousRop);
    dc.SelectObject(previousPen);
}

vd::ui::Point ViewNavigation::RoutePointPosition(int i) const
{
    if (i < 0 || i >= int(m_anRouteX.size()))
        return {};
    return {m_anRouteX[std::size_t(i)], m_anRouteY[std::size_t(i)]};
}
