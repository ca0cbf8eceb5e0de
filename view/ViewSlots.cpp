#include "view/ViewSlots.h"

#include "view/window/VeldoranView.h"

#include <functional>

namespace {

// The pieces, as their work is named.
constexpr std::string_view kBaseMap = "the view's base-map routines";
constexpr std::string_view kUserData = "albums, place names, tracks and routes";
constexpr std::string_view kSheetPictures = "submarine, sheet and guide-map display";
constexpr std::string_view kViewMenu = "view menu commands";
constexpr std::string_view kRendererMaps = "tracks, area data and prefecture maps of the renderer";

constexpr SlotState Filled = SlotState::Filled;
constexpr SlotState Pending = SlotState::Pending;

// Each entry names its member once; the accessor reads that member of the built view.
// clang-format off
#define VD_ROUTINE(slot, state, piece) \
    ViewSlot{"ViewRoutines", #slot, state, piece, [](const CVeldoranView& v) { return bool(v.m_routines.slot); }}
// clang-format on

template <class Table>
constexpr int SlotsIn()
{
    static_assert(sizeof(Table) % sizeof(std::function<void()>) == 0, "a slot table holds only slots");
    return int(sizeof(Table) / sizeof(std::function<void()>));
}

} // namespace

const std::vector<ViewSlot>& ViewSlots()
{
    static const std::vector<ViewSlot> slots = {
        // Drawing by map mode.
        VD_ROUTINE(drawRouteAreaMaster, Filled, kUserData),
        VD_ROUTINE(drawSheetIndexMap, Filled, kBaseMap),
        VD_ROUTINE(drawLayeredMap, Filled, kBaseMap),
        VD_ROUTINE(drawPlaceNameLayer, Filled, kViewMenu),
        VD_ROUTINE(drawJapanMap, Filled, kBaseMap),
        VD_ROUTINE(drawPrefectureMap, Filled, kBaseMap),
        VD_ROUTINE(drawTracks, Filled, kRendererMaps),
        VD_ROUTINE(drawDragOverview, Filled, kBaseMap),
        VD_ROUTINE(drawAlbum, Filled, kUserData),
        VD_ROUTINE(drawMemo, Filled, kUserData),
        VD_ROUTINE(drawPicture, Filled, kUserData),
        VD_ROUTINE(showTextPage, Filled, kUserData),
        VD_ROUTINE(drawTextPage, Filled, kUserData),
        VD_ROUTINE(drawSubmarineMeshMap, Filled, kSheetPictures),
        VD_ROUTINE(makeSubmarineMeshFile, Filled, kSheetPictures),
        VD_ROUTINE(drawSheetPicture, Filled, kSheetPictures),
        VD_ROUTINE(drawDragCircle, Filled, kBaseMap),
        VD_ROUTINE(drawPointSymbol, Filled, kBaseMap),
        // The first stage of a repaint.
        VD_ROUTINE(showRouteAreaSheets, Filled, kUserData),
        // Menus after a swap, the slide program.
        VD_ROUTINE(appendMapFileMenu, Filled, kUserData),
        VD_ROUTINE(appendGuideMapMenu, Filled, kUserData),
        VD_ROUTINE(appendItemMenus, Filled, kUserData),
        VD_ROUTINE(endSlideProgram, Filled, kUserData),


    };
    return slots;
}

#undef VD_ROUTINE

int SlotTableSize(std::string_view table)
{
    if (table == "ViewRoutines")
        return SlotsIn<ViewRoutines>();
    return 0;
}
