// The route and area maps of the view (view/routes/) and the document's route, area and
// selection operations that the buttons and the mouse call.
#include "view/PieceConnections.h"

#include "app/document/VeldoranDoc.h"
#include "view/navigation/ViewNavigation.h"
#include "view/routes/RouteAreaMaps.h"
#include "view/window/VeldoranView.h"

#include <memory>

void ConnectRoutePieces(CVeldoranView& view)
{
    auto maps = std::make_shared<RouteAreaMaps>(view);
    CVeldoranDoc& doc = *view.GetDocument();
    ViewRoutines& r = view.m_routines;
    r.drawRouteAreaMaster = [maps](vd::Dc& dc) { maps->DrawRouteAreaMaster(dc); };
    r.showRouteAreaSheets = [maps] { maps->ShowRouteAreaSheets(); };
    NavigationCalls& c = view.m_pNavigation->calls;
    c.hoverRoutePoint = [maps](vd::Dc& dc, int x, int y) { maps->HoverRoutePoint(dc, x, y); };
    c.drawSearchArea = [maps](vd::Dc& dc, int x, int y, int mode) { return maps->DrawSearchArea(dc, x, y, mode); };
    c.collectItemsInArea = [maps](int x, int y, int radius, int square) {
        return maps->CollectItemsInArea(x, y, radius, square);
    };
    c.loadRouteFromItem = [&doc](int item) {
        if (item >= 0 && item < int(doc.m_astrHitRecord.size()))
            doc.LoadRouteFromItem(doc.m_astrHitRecord[std::size_t(item)]);
    };
    c.showRouteInformation = [&doc](int list) { doc.ShowRouteInformation(list); };
    c.selectText = [&doc] { doc.SelectText(); };
    c.selectPicture = [&doc] { doc.SelectPicture(); };
}
