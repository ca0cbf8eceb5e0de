// The route and area maps of the view (view/routes/), owned by the view, in its repaint's slots.
#include "view/PieceConnections.h"

#include "view/routes/RouteAreaMaps.h"
#include "view/window/VeldoranView.h"

void ConnectRoutePieces(CVeldoranView& view)
{
    RouteAreaMaps& maps = *view.m_pRouteMaps;
    ViewRoutines& r = view.m_routines;
    r.drawRouteAreaMaster = [&maps](vd::Dc& dc) { maps.DrawRouteAreaMaster(dc); };
    r.showRouteAreaSheets = [&maps] { maps.ShowRouteAreaSheets(); };
}
