// The points of a route, an area or an album handed to TOVENDLG's list dialog, which plays them
// or registers them as a route or area map; its answer is the play mode ("cancel" keeps the old).
#include "app/document/VeldoranDoc.h"
#include "contracts/bindings/TovendlgExports.h"

std::string CVeldoranDoc::RegisterRouteMap(const std::string& title, const std::string& secondTitle,
                                           const std::string& kind, const std::string& latitude,
                                           const std::string& longitude)
{
    // The points being registered stand where the route line or the area search put them.
    std::string points;
    if (kind == "RouteMap" || kind == "AreaMap") {
        for (std::size_t i = 0; i < routes.m_astrRoutePoint.size() && i < 100; ++i) {
            points += routes.m_astrRoutePoint[i] + "|";
            if (routes.m_astrRoutePoint[i] == "999")
                break;
        }
    }
    OnRouteRegistModule_fn* dialog = Tovendlg().OnRouteRegistModule.fn;
    if (!dialog)
        return "cancel";
    repaint.m_bDialogOpen = 1;
    const std::string answer =
        dialog(environment.m_nAreaShape, environment.m_nAreaSizeKm, folders.m_strRouteAreaDir, folders.m_strSourceDir,
               environment.m_strEditor, kind, title, secondTitle, longitude, latitude, routes.m_strAreaCentreLat,
               routes.m_strAreaCentreLon, routes.m_strRoutePlayMode, registered.m_strAlbumPlayMode, points);
    repaint.m_bDialogOpen = 0;
    if (answer != "cancel")
        registered.m_strAlbumPlayMode = answer;
    return answer;
}
