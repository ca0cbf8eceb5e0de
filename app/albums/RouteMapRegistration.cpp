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
        for (std::size_t i = 0; i < m_astrRoutePoint.size() && i < 100; ++i) {
            points += m_astrRoutePoint[i] + "|";
            if (m_astrRoutePoint[i] == "999")
                break;
        }
    }
    OnRouteRegistModule_fn* dialog = Tovendlg().OnRouteRegistModule.fn;
    if (!dialog)
        return "cancel";
    m_bDialogOpen = 1;
    const std::string answer = dialog(m_nAreaShape, m_nAreaSizeKm, m_strRouteAreaDir, m_strSourceDir, m_strEditor, kind,
                                      title, secondTitle, longitude, latitude, m_strAreaCentreLat, m_strAreaCentreLon,
                                      m_strRoutePlayMode, m_strAlbumPlayMode, points);
    m_bDialogOpen = 0;
    if (answer != "cancel")
        m_strAlbumPlayMode = answer;
    return answer;
}
