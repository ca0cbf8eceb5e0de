// OnDdPlainRiver: a river theme on the detailed map.
#include "contracts/pelmora.h"
#include "layers/render/EntryPointFrame.h"

extern "C" void OnDdPlainRiver(vd::Dc* dc, int itemCode, int north, int west, int south, int east, int areaKind,
                               int wideAreaMode, int blockMode, int statusFlag, int detailLevel, int layerValue,
                               int statusLineY, float originX, float originY, float scaleX, float scaleY,
                               std::string areaSpec, std::string meshCode, std::string blockCentre3,
                               std::string blockCentre5, std::string dataSetPath, std::string dataFolder)
{
    // The caller always builds both parts of the area text.
    const AreaSpecParts area = SplitAreaSpec(areaSpec, AreaSpecSplit::BothSteps);
    const PlainScalars scalars{itemCode, north, west, south, east, areaKind, wideAreaMode, meshcode::HeldCellCount(blockMode),
                               statusFlag, detailLevel, statusLineY, originX, originY, scaleX, scaleY};
    LayerDrawParams params = PlainParams(scalars, area, {"", std::move(meshCode), std::move(blockCentre3),
                                                         std::move(blockCentre5), std::move(dataSetPath),
                                                         std::move(dataFolder)});
    RunLayerCall(dc, std::move(params),
                 [&](CLayerRenderer& r) { r.DrawMeshRivers(layerValue, -1, area.remainder); });
}
