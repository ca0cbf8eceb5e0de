#include "view/ViewSlots.h"

#include "view/navigation/ViewNavigation.h"
#include "view/overview/OverviewLayerDispatch.h"
#include "view/renderer/LandLayers.h"
#include "view/sheetmap/SheetMapHooks.h"
#include "view/window/VeldoranView.h"

#include <functional>

namespace {

// The pieces, as their work is named.
constexpr std::string_view kBaseMap = "the view's base-map routines";
constexpr std::string_view kNavigation = "on-screen buttons, scroll bar and button commands";
constexpr std::string_view kOverviews = "overview frame, data sources and point symbols";
constexpr std::string_view kUserData = "albums, place names, tracks and routes";
constexpr std::string_view kSheetPictures = "submarine, sheet and guide-map display";
constexpr std::string_view kViewMenu = "view menu commands";
constexpr std::string_view kViewDialogs = "municipality search and the find-place dialog";
constexpr std::string_view kRendererMaps = "tracks, area data and prefecture maps of the renderer";
constexpr std::string_view kLayerDispatch = "layer dispatch";
constexpr std::string_view kLayerCommands = "layer cancel, presets and seismic commands";
constexpr std::string_view kMapTypeCommands = "map type, registration and document commands";
constexpr std::string_view kWhiteMapOptions = "white-map options, map names and user menus";
constexpr std::string_view kDisplaySpec = "地図の表示仕様 dialog";
constexpr std::string_view kPrefectureRanking = "prefecture ranking dialog";

constexpr SlotState Filled = SlotState::Filled;
constexpr SlotState Pending = SlotState::Pending;

// Each entry names its member once; the accessor reads that member of the built view.
// clang-format off
#define VD_ROUTINE(slot, state, piece) \
    ViewSlot{"ViewRoutines", #slot, state, piece, [](const CVeldoranView& v) { return bool(v.m_routines.slot); }}
#define VD_NAVIGATION(slot, state, piece) \
    ViewSlot{"NavigationCalls", #slot, state, piece, \
             [](const CVeldoranView& v) { return v.m_pNavigation && bool(v.m_pNavigation->calls.slot); }}
#define VD_SHEET_HOOK(slot, state, piece) \
    ViewSlot{"SheetMapHooks", #slot, state, piece, [](const CVeldoranView&) { return bool(sheetMapHooks().slot); }}
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
        VD_ROUTINE(drawGeologyTable, Filled, kViewMenu),
        VD_ROUTINE(drawDragCircle, Filled, kBaseMap),
        VD_ROUTINE(drawPointSymbol, Filled, kBaseMap),
        // The first stage of a repaint.
        VD_ROUTINE(openSheetDialog, Filled, kViewDialogs),
        VD_ROUTINE(showRouteAreaSheets, Filled, kUserData),
        VD_ROUTINE(resetPageScrollBar, Filled, kNavigation),
        // On-screen buttons, the modeless dialogs' ends, menus after a swap, the slide program.
        VD_ROUTINE(removeViewButtons, Filled, kNavigation),
        VD_ROUTINE(addViewButtons, Filled, kNavigation),
        VD_ROUTINE(removeViewButton, Filled, kNavigation),
        VD_ROUTINE(setViewButton, Filled, kNavigation),
        VD_ROUTINE(runButtonCommand, Filled, kNavigation),
        VD_ROUTINE(applySheetChoice, Filled, kNavigation),
        VD_ROUTINE(applyPlaceChoice, Filled, kNavigation),
        VD_ROUTINE(applyMunicipalityChoice, Filled, kNavigation),
        VD_ROUTINE(findPlaceDialogState, Filled, kViewDialogs),
        VD_ROUTINE(destroyFindPlaceDialog, Filled, kViewDialogs),
        VD_ROUTINE(appendMapFileMenu, Filled, kUserData),
        VD_ROUTINE(appendGuideMapMenu, Filled, kUserData),
        VD_ROUTINE(appendItemMenus, Filled, kUserData),
        VD_ROUTINE(endSlideProgram, Filled, kUserData),

        // What the buttons and the mouse call.
        VD_NAVIGATION(hoverRegisteredPoint, Filled, kUserData),
        VD_NAVIGATION(hoverRegisteredPointAlt, Filled, kUserData),
        VD_NAVIGATION(showPointTip, Filled, kUserData),
        VD_NAVIGATION(hoverRoutePoint, Filled, kUserData),
        VD_NAVIGATION(drawDragRectangle, Filled, kUserData),
        VD_NAVIGATION(registerTextPicture, Filled, kUserData),
        VD_NAVIGATION(registerPointData, Filled, kUserData),
        VD_NAVIGATION(updateAlbum, Filled, kUserData),
        VD_NAVIGATION(registerAlbumAtPoint, Filled, kUserData),
        VD_NAVIGATION(finishRangeDrag, Filled, kUserData),
        VD_NAVIGATION(openSheetAtPoint, Filled, kUserData),
        VD_NAVIGATION(loadRouteFromItem, Filled, kUserData),
        VD_NAVIGATION(openRegisteredItem, Filled, kUserData),
        VD_NAVIGATION(drawSearchArea, Filled, kUserData),
        VD_NAVIGATION(collectItemsInArea, Filled, kUserData),
        VD_NAVIGATION(startAlbumPlayback, Filled, kUserData),
        VD_NAVIGATION(hoveredItem, Filled, kUserData),
        VD_NAVIGATION(showRouteInformation, Filled, kUserData),
        VD_NAVIGATION(selectText, Filled, kUserData),
        VD_NAVIGATION(selectPicture, Filled, kUserData),
        VD_NAVIGATION(selectPrefectureMap, Filled, kWhiteMapOptions),
        VD_NAVIGATION(setPrefectureDataDisplay, Pending, kMapTypeCommands),
        VD_NAVIGATION(showDataListDialog, Pending, kPrefectureRanking),
        VD_NAVIGATION(selectMapType, Filled, kMapTypeCommands),
        VD_NAVIGATION(editMapDisplaySpec, Filled, kDisplaySpec),
        VD_NAVIGATION(albumStart, Filled, kViewMenu),
        VD_NAVIGATION(scrollPicturePage, Filled, kUserData),
        VD_NAVIGATION(stepTextPage, Filled, kUserData),
        VD_NAVIGATION(drawOverviewFrame, Filled, kOverviews),
        VD_NAVIGATION(openFindPlaceDialog, Filled, kViewDialogs),
        VD_NAVIGATION(placeChoice, Filled, kViewDialogs),

        // What the sheet maps call of pieces built apart from them.
        VD_SHEET_HOOK(drawPointMark, Filled, kOverviews),
        VD_SHEET_HOOK(drawElevationLabel, Filled, kOverviews),
        VD_SHEET_HOOK(drawJapanOverview, Filled, kOverviews),
        VD_SHEET_HOOK(drawPrefectureMap, Filled, kRendererMaps),
        VD_SHEET_HOOK(drawAreaData, Filled, kRendererMaps),
        VD_SHEET_HOOK(drawWhiteLayer, Filled, kLayerDispatch),
        VD_SHEET_HOOK(seismicMapTitle, Filled, kLayerCommands),
        VD_SHEET_HOOK(isAnyLayerSelected, Filled, kLayerCommands),
        VD_SHEET_HOOK(drawDataSourceCaption, Filled, kUserData),

        // The overviews' layer drawing and the shared land-layer switch.
        ViewSlot{"OverviewLayerDispatch", "drawLandLayer", Filled, kLayerDispatch,
                 [](const CVeldoranView&) { return bool(overviewLayerDispatch().drawLandLayer); }},
        ViewSlot{"LandLayers", "landLayerShown", Filled, kLayerDispatch,
                 [](const CVeldoranView&) { return bool(landLayerShown()); }},
    };
    return slots;
}

#undef VD_ROUTINE
#undef VD_NAVIGATION
#undef VD_SHEET_HOOK

int SlotTableSize(std::string_view table)
{
    if (table == "ViewRoutines")
        return SlotsIn<ViewRoutines>();
    if (table == "NavigationCalls")
        return SlotsIn<NavigationCalls>();
    if (table == "SheetMapHooks")
        return SlotsIn<SheetMapHooks>();
    if (table == "OverviewLayerDispatch")
        return SlotsIn<OverviewLayerDispatch>();
    if (table == "LandLayers")
        return 1; // landLayerShown()
    return 0;
}
