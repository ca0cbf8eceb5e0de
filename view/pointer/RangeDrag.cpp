// The range enlargement with the mouse: a dotted red band follows the pointer (drawn twice it
// leaves the map as it was), the release draws the chosen rectangle and asks the dialog library
// to confirm its corners; confirmed, the range is drawn as the map of explicit bounds.
#include "app/document/MapDisplayMode.h"
#include "view/pointer/PointerActions.h"

#include "app/document/VeldoranDoc.h"
#include "contracts/bindings/TovendlgExports.h"
#include "contracts/tovendlg.h"
#include "platform/dc/Dc.h"
#include "platform/ui/Pointer.h"
#include "view/navigation/ViewNavigation.h"
#include "view/window/VeldoranView.h"

#include <cstdlib>
#include <utility>

namespace {

constexpr int kNoDrag = 9999;
constexpr int kDottedRedPen = 18;
constexpr int kRedPen = 2;

} // namespace

// The closed rectangle of the drag's corners in the view's pen, in not-xor.
void PointerActions::DrawBand(vd::Dc& dc, int pen) const
{
    const int x1 = m_nav.m_nRectLeft, y1 = m_nav.m_nRectTop, x2 = m_nav.m_nRectRight, y2 = m_nav.m_nRectBottom;
    const vd::Point box[] = {{x1, y1}, {x2, y1}, {x2, y2}, {x1, y2}, {x1, y1}};
    const vd::Pen previousPen = dc.SelectObject(m_view.m_aPen[std::size_t(pen)]);
    const int previousRop = dc.SetROP2(vd::R2_NOTXORPEN);
    dc.Polyline(box, 5);
    dc.SetROP2(previousRop);
    dc.SelectObject(previousPen);
}

void PointerActions::DrawDragRectangle(vd::Dc& dc, int x, int y)
{
    if (m_nav.m_nRectLeft == kNoDrag)
        return;
    DrawBand(dc, kDottedRedPen);
    m_nav.m_nRectRight = x;
    m_nav.m_nRectBottom = y;
    DrawBand(dc, kDottedRedPen);
}

void PointerActions::FinishRangeDrag(vd::Dc& dc, int, int)
{
    vd::ui::ReleaseCapture();
    if (m_nav.m_nRectLeft == kNoDrag)
        return;
    int& x1 = m_nav.m_nRectLeft;
    int& y1 = m_nav.m_nRectTop;
    int& x2 = m_nav.m_nRectRight;
    int& y2 = m_nav.m_nRectBottom;
    // A drag of less than 10 pixels, or without width or height, chooses nothing: its band goes.
    if (std::abs(x1 - x2) + std::abs(y1 - y2) < 10 || x1 == x2 || y1 == y2) {
        DrawBand(dc, kDottedRedPen);
        x1 = kNoDrag;
        return;
    }
    int west = CVeldoranDoc::DmsToSeconds(m_nav.m_strRectLon);
    int north = CVeldoranDoc::DmsToSeconds(m_nav.m_strRectLat);
    int east = CVeldoranDoc::DmsToSeconds(m_doc.pointer.m_strCursorLon);
    int south = CVeldoranDoc::DmsToSeconds(m_doc.pointer.m_strCursorLat);
    DrawBand(dc, kDottedRedPen);
    if (x1 > x2) {
        std::swap(x1, x2);
        std::swap(west, east);
    }
    if (y1 > y2) {
        std::swap(y1, y2);
        std::swap(north, south);
    }
    DrawBand(dc, kRedPen);
    m_doc.position.m_nRangeWestSec = west;
    m_doc.position.m_nRangeNorthSec = north;
    m_doc.position.m_nRangeEastSec = east;
    m_doc.position.m_nRangeSouthSec = south;
    m_doc.position.m_nRangeDragLeft = x1;
    m_doc.position.m_nRangeDragTop = y1;
    m_doc.position.m_nRangeDragRight = x2;
    m_doc.position.m_nRangeDragBottom = y2;

    // Without the dialog library the range is refused.
    auto* confirm = Tovendlg().OnRengeConfirm.fn;
    const int answer = confirm ? confirm(CVeldoranDoc::SecondsToDms(west), CVeldoranDoc::SecondsToDms(north),
                                         CVeldoranDoc::SecondsToDms(east), CVeldoranDoc::SecondsToDms(south))
                               : -1;
    m_doc.pointer.m_nMouseTool = 0;
    m_doc.pointer.m_nMouseMode = 3;
    if (answer == 1) {
        x1 = kNoDrag;
        m_doc.position.m_nMapFrame = 3;
        m_doc.m_nMapDisplayMode = map_display::kMainMap;
        if (m_doc.position.m_nMapType == 1)
            m_doc.position.m_nMapFigure = 0;
        m_view.InvalidateView(true);
        return;
    }
    DrawBand(dc, kRedPen);
    x1 = kNoDrag;
    if (m_doc.position.m_nMapType == 1)
        m_doc.position.m_nMapFigure = m_doc.position.m_nMapFigureCopy;
    dc.TextOut(20, m_view.m_nSavedHeight - 18, std::string(109, ' '));
}
