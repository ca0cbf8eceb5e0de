// OnDdRoadWhite: the road theme on the white map, over one mesh or the 3 x 3 or 5 x 5 block
// around it.
#include "contracts/pelmora.h"
#include "layers/render/EntryPointFrame.h"
#include "layers/render/lines/RoadLayerName.h"

extern "C" void OnDdRoadWhite(vd::Dc* dc, int itemCode, int originY, int originX, int blockMode, int meshCode,
                              int, int, int, int statusFlag, int, int layerValue, int statusLineY, int, int,
                              float zoomX, float zoomY, std::string layerText, std::string meshText,
                              std::string, std::string blockKey, std::string dataSetPath, std::string dataFolder)
{
    const WhiteLineScalars scalars{itemCode, float(originY), float(originX), meshcode::HeldCellCount(blockMode), meshCode, statusFlag, statusLineY, zoomX, zoomY};
    LayerDrawParams params = WhiteLineParams(scalars, {"", std::move(meshText), kRoadLayerName, std::move(blockKey),
                                                       std::move(dataSetPath), std::move(dataFolder)});
    RunLayerCall(dc, std::move(params), [&](CLayerRenderer& r) { r.DrawMeshRoads(layerValue, scalars.blockMode, 0, layerText); });
}
