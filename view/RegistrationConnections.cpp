// Registration and update at a clicked point, which the view's mouse calls.
#include "view/PieceConnections.h"

#include "view/navigation/ViewNavigation.h"
#include "view/registration/PointRegistration.h"
#include "view/window/VeldoranView.h"

#include <memory>

void ConnectRegistrationPiece(CVeldoranView& view)
{
    auto registration = std::make_shared<PointRegistration>(view);
    NavigationCalls& c = view.m_pNavigation->calls;
    c.registerTextPicture = [registration](const std::string& lon, const std::string& lat, int x, int y) {
        registration->RegisterTextPicture(lon, lat, x, y);
    };
    c.registerAlbumAtPoint = [registration](const std::string& lon, const std::string& lat, int x, int y) {
        registration->RegisterAlbumAtPoint(lon, lat, x, y);
    };
    c.registerPointData = [registration](const std::string& lon, const std::string& lat) {
        return registration->UpdatePoint(lon, lat);
    };
    c.updateAlbum = [registration](const std::string& lon, const std::string& lat) {
        return registration->UpdateHoveredAlbum(lon, lat);
    };
}
