#pragma once
// What the buttons and the mouse call in other pieces of the program: the registered points,
// albums, routes and text pages of the user's data, the find-place dialog and a few document
// dialogs. Each piece connects its functions when it lands; an empty slot does nothing (a
// function with an answer answers "" or 0), so its button or mouse action is inert until then.
// Which slot is filled, and by which piece, is listed in view/ViewSlots.cpp.
#include <functional>
#include <string>

class CMapRenderer;
namespace vd {
class Dc;
}

struct NavigationCalls {
    // Hover tips and point hits while the mouse moves.
    std::function<void(vd::Dc&, int x, int y)> hoverRegisteredPoint;
    std::function<void(vd::Dc&, int x, int y)> hoverRegisteredPointAlt; // guide maps
    std::function<void(vd::Dc&, int x, int y)> showPointTip;
    std::function<void(vd::Dc&, int x, int y)> hoverRoutePoint;
    std::function<void(vd::Dc&, int x, int y)> drawDragRectangle;
    // Registration at a clicked point: the coordinates as texts (longitude, latitude) and the
    // click's position.
    std::function<void(const std::string& lon, const std::string& lat, int x, int y)> registerTextPicture;
    // Registers or updates the current entry at the point; the answer: "", "cancel", "deleate".
    std::function<std::string(const std::string& lon, const std::string& lat)> registerPointData;
    // An ".alb" entry: "update", "update_end", "deleate" or "".
    std::function<std::string(const std::string& lon, const std::string& lat)> updateAlbum;
    std::function<void(const std::string& lon, const std::string& lat, int x, int y)> registerAlbumAtPoint;
    // The range drag's end at the release (mouse modes 3 and 8).
    std::function<void(vd::Dc&, int x, int y)> finishRangeDrag;
    // Double clicks: the index map's sheet, a drawn record (its index in the hit list).
    std::function<void(int x, int y)> openSheetAtPoint;
    std::function<void(int item)> loadRouteFromItem;
    std::function<void(int item)> openRegisteredItem;
    // The area search: the figure drawn (mode 0) or erased (-1), answering its radius in pixels
    // (0: no search), and the items inside it taken (the number answered).
    std::function<int(vd::Dc&, int x, int y, int mode)> drawSearchArea;
    std::function<int(int x, int y, int radius, int square)> collectItemsInArea;
    std::function<void(const std::string& title, const std::string& kind)> startAlbumPlayback;
    // The drawn record under the pointer (-1 none), as the last hover test found it.
    std::function<int()> hoveredItem;
    // Buttons.
    std::function<void(int list)> showRouteInformation;
    std::function<void()> selectText;
    std::function<void()> selectPicture;
    std::function<void()> selectPrefectureMap;
    std::function<int(int mode)> selectMapType; // 1 when a map type was chosen
    std::function<void()> editMapDisplaySpec;
    std::function<void()> albumStart;
    std::function<void(int pos)> scrollPicturePage;
    std::function<void(int step)> stepTextPage; // the text page number, -1 or +1, kept in range
    // The overview frame of the drag overview (flag 0) and the region maps (flag 1).
    std::function<void(CMapRenderer&, int flag)> drawOverviewFrame;
    std::function<void()> openFindPlaceDialog;
    // The find-place dialog's choice: its place text, region, two settings and the chosen
    // entry's mesh code.
    struct PlaceChoice {
        std::string place;
        std::string district;
        int kind = 1;
        int option = 0;
        std::string meshCode;
    };
    std::function<PlaceChoice()> placeChoice;
};
