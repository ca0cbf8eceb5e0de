#pragma once
// The set-up of the two geology mesh entry points: their arguments turned into the drawing
// object's fields and the one drawer call that follows. The entry points run the call; tests
// look at the object and the call.
#include "geology/GeoMeshRenderer.h"

#include <string>

// Which drawer the call ends in.
enum class GeoDrawer {
    None,           // nothing is drawn (a theme outside 0-3, no land-classification file)
    Terrain,        // the natural-terrain mesh on the detailed map
    LandClass,      // the land-classification and valley-density meshes on the detailed map
    WhiteTerrain,   // the natural-terrain mesh on the white map
    WhiteLandClass, // the land-classification and valley-density meshes on the white map
};

struct GeoDrawerCall {
    GeoDrawer drawer = GeoDrawer::None;
    int cellCount = 0;     // -1: the block decides
    int code = 0;          // detailed map: the mode code less 10000; white map: the theme
    int displayOption = 0; // the per-layer value
    std::string selection;
    std::string flagList;  // the PrefectureFlagList
    friend bool operator==(const GeoDrawerCall&, const GeoDrawerCall&) = default;
};

// The arguments of OnD4GeologyMesh after the device context, in their order.
struct D4GeologyMeshArgs {
    int north = 0, west = 0, south = 0, east = 0;
    int areaKind = 0;
    int wideAreaMode = 0;
    int blockMode = 0;
    int layerFlag = 0;     // 10001 natural terrain, 1 land classification
    int detailLevel = 0;
    int layerModeCode = 0; // theme x 10 + group x 1000, + 10000 for land classification
    int item = 0;
    int displayOption = 0;
    int statusLineY = 0;
    float originX = 0, originY = 0, scaleX = 0, scaleY = 0;
    std::string areaSpec;  // wide-area name "/" PrefectureFlagList
    std::string centreMesh, wideCentre3, wideCentre5;
    std::string dataPrefix; // land classification: two prefixes joined by "/"
    std::string dataFolder;
    std::string selection;
};

// The arguments of OnDdWhiteG4Mesh after the device context that it reads.
struct WhiteG4MeshArgs {
    int areaKind = 0;
    int blockMode = 0; // 1: the one first-level mesh of the centre code
    int layerFlag = 0;
    int detailLevel = 0;
    int modeCode = 0;  // theme, + 10000 for land classification
    int item = 0;
    int layerValue = 0;
    int statusLineY = 0;
    float originX = 0, originY = 0, zoomX = 0, zoomY = 0;
    std::string wideAreaName;
    std::string centreMesh;
    std::string cellCountAndText; // "9/" or "25/" + the drawer's flag list; one sheet: the flags alone
    std::string dataText;         // land classification: the two files joined by "/"
    std::string applicationFolder;
    std::string selection;
};

// The layer's title in the progress box; empty for a theme outside 0-3.
std::string GeoLayerTitle(bool landClass, int theme);

GeoDrawerCall SetUpD4GeologyMesh(CGeoMeshRenderer& renderer, vd::Dc* dc, const D4GeologyMeshArgs& args);
GeoDrawerCall SetUpWhiteG4Mesh(CGeoMeshRenderer& renderer, vd::Dc* dc, const WhiteG4MeshArgs& args);

// Runs the drawer of a set-up's call on the object.
void RunGeoDrawerCall(CGeoMeshRenderer& renderer, const GeoDrawerCall& call);
