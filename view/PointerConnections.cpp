// The pointer actions on the map, which the view's mouse calls.
#include "view/PieceConnections.h"

#include "view/navigation/ViewNavigation.h"
#include "view/pointer/PointerActions.h"
#include "view/window/VeldoranView.h"

#include <memory>

void ConnectPointerPiece(CVeldoranView& view)
{
    auto pointer = std::make_shared<PointerActions>(view);
    ViewNavigation& n = *view.m_pNavigation;
    NavigationCalls& c = n.calls;
    c.hoverRegisteredPoint = [pointer](vd::Dc& dc, int x, int y) { pointer->HoverRegisteredPoint(dc, x, y); };
    c.hoverRegisteredPointAlt = [pointer](vd::Dc& dc, int x, int y) { pointer->HoverRegisteredPointAlt(dc, x, y); };
    c.showPointTip = [pointer](vd::Dc& dc, int x, int y) { pointer->ShowPointTip(dc, x, y); };
    c.drawDragRectangle = [pointer](vd::Dc& dc, int x, int y) { pointer->DrawDragRectangle(dc, x, y); };
    c.finishRangeDrag = [pointer](vd::Dc& dc, int x, int y) { pointer->FinishRangeDrag(dc, x, y); };
    c.openSheetAtPoint = [pointer](int x, int y) { pointer->OpenSheetAtPoint(x, y); };
    c.hoveredItem = [&n] { return n.m_nHoverItem; };
}
