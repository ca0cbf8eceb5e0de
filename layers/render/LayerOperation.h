#pragma once
// A chosen layer operation as data: which member of the renderer and its arguments in their
// order, so that an entry point's choice is a pure function and the run is one switch.
#include <string>
#include <string_view>
#include <variant>
#include <vector>

class CLayerRenderer;

enum class LayerOp {
    None,
    DrawRailways,
    DrawCountryRivers,
    DrawLedgerLines,
    DrawSurfaceAreas,
    DrawSurfaceLines,
    DrawSurfaceBoundaries,
    DrawSurfaceRegions,
    DrawCountrySurfaceA,
    DrawCountrySurfaceB,
    DrawCountrySurfaceC,
    DrawCountrySurfaceD,
    DrawCountrySurfaceE,
    DrawPointMarkers,
    DrawHeritagePoints,
    DrawPointLengths,
    DrawFacilityPoints,
    DrawPointNames,
    DrawCodedPoints,
    DrawPlainPoints,
    DrawLandPricePoints,
    DrawPrefectureMeshValues,
    DrawPrefectureMeshCells,
    DrawPrefectureMeshRelief,
    DrawSingleFileMeshValues,
    DrawSingleFileMeshCells,
    DrawSingleFileMeshRelief,
    OnPlainLclMeshCensas,
    OnPlainLclReliefCensas,
    DrawCountryPrefectureMeshCells,
    DrawCountrySingleFileMeshCells,
    DrawWhitePrefectureMeshCells,
    DrawWhiteDesignatedAreaCells,
    DrawWhiteSingleFileMeshCells,
    DrawSubdividedMesh,
    DrawSubdividedMeshRelief,
    DrawSubdividedLakes,
};

std::string_view LayerOpName(LayerOp op);

using LayerArg = std::variant<int, std::string>;

struct LayerCall {
    LayerOp op = LayerOp::None;
    std::vector<LayerArg> args;
    friend bool operator==(const LayerCall&, const LayerCall&) = default;
};

// Runs the member with its arguments: its result, or -1 for a member without one and for None.
// Arguments that do not fit the member throw std::bad_variant_access (a fault of the chooser).
int RunLayerOperation(CLayerRenderer& renderer, const LayerCall& call);
