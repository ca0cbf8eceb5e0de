#pragma once
// The view's drawing routines and on-screen button operations that belong to other pieces of the
// program (sheet maps, overviews, albums, memos, text pages, pictures, submarine maps). The repaint calls them through these slots; an empty slot
// does nothing, so its map mode draws nothing until its routine is connected. Which slot is
// filled, and by which piece, is listed in view/ViewSlots.cpp.
#include <functional>
#include <string>

namespace vd {
class Dc;
}
class CMapRenderer;

struct ViewRoutines {
    // Drawing, by the map modes that call them.
    std::function<void(vd::Dc&)> drawRouteAreaMaster;          // 1
    std::function<void(vd::Dc&)> drawSheetIndexMap;            // 4
    std::function<std::string(vd::Dc&)> drawLayeredMap;        // 5 on sheets: returns the track word
    std::function<void(vd::Dc&, int flag)> drawPlaceNameLayer; // 5 on sheets
    std::function<std::string(vd::Dc&)> drawJapanMap;          // 5, country or region: the track word
    std::function<void(vd::Dc&)> drawPrefectureMap;            // 5, prefecture statistics
    std::function<void(CMapRenderer&)> drawTracks;             // 5, tracks on demand
    std::function<void(vd::Dc&)> drawDragOverview;             // 6, 7, 8
    std::function<void(vd::Dc&)> drawAlbum;                    // 13
    std::function<void(vd::Dc&, int withText)> drawMemo;       // 15, 16
    std::function<void(vd::Dc&)> drawPicture;                  // 17
    std::function<void(vd::Dc&)> showTextPage;                 // 20
    std::function<void(vd::Dc&)> drawTextPage;                 // a text page while printing
    std::function<void(vd::Dc&)> drawSubmarineMeshMap;         // 22
    std::function<void(vd::Dc&)> makeSubmarineMeshFile;        // 23
    std::function<void(vd::Dc&)> drawSheetPicture;             // 24
    // Called by the mouse: the 3-degree circle of the drag overview at the cursor, and a
    // registered point's symbol (size, shape) at a position.
    std::function<void(vd::Dc&, int x, int y)> drawDragCircle;
    std::function<void(vd::Dc&, int x, int y, int size, int shape)> drawPointSymbol;

    // The first stage of a repaint.
    std::function<void()> showRouteAreaSheets; // 3

    // The menu lists appended after a menu-bar swap, and the end of the program that showed the
    // previous slide.
    std::function<void()> appendMapFileMenu;
    std::function<void()> appendGuideMapMenu;
    std::function<void()> appendItemMenus;
    std::function<void()> endSlideProgram;
};
