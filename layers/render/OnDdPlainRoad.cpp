// OnDdPlainRoad: the road theme on the detailed map.
#include "contracts/pelmora.h"
#include "layers/render/EntryPointFrame.h"
#include "layers/render/lines/RoadLayerName.h"

extern "C" void OnDdPlainRoad(vd::Dc* dc, int itemCode, int north, int west, int south, int east, int areaKind,
                              int wideAreaMode, int blockMode, int statusFlag, int detailLevel, int layerValue,
                              int statusLineY, float originX, float originY, float scaleX, float scaleY,
                              std::string areaSpec, std::string meshCode, std::string blockCentre3,
                              std::string blockCentre5, std::string dataSetPath, std::string dataFolder)
{
    // Only the wide-area name is cut off: the rest of the text is passed on whole.
    AreaSpecParts area = SplitAreaSpec(areaSpec, AreaSpecSplit::FirstStep);
    area.dataName = kRoadLayerName;
    const PlainScalars scalars{itemCode, north, west, south, east, areaKind, wideAreaMode, meshcode::HeldCellCount(blockMode),
                               statusFlag, detailLevel, statusLineY, originX, originY, scaleX, scaleY};
    LayerDrawParams params = PlainParams(scalars, area, {"", std::move(meshCode), std::move(blockCentre3),
                                                         std::move(blockCentre5), std::move(dataSetPath),
                                                         std::move(dataFolder)});
    RunLayerCall(dc, std::move(params),
                 [&](CLayerRenderer& r) { r.DrawMeshRoads(layerValue, -1, detailLevel, area.remainder); });
}
