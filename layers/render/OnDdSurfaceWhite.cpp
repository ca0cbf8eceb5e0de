// OnDdSurfaceWhite: a surface theme of the prefecture files on the white map.
#include "contracts/pelmora.h"
#include "layers/render/EntryPointPlans.h"

extern "C" void OnDdSurfaceWhite(vd::Dc* dc, int selector, int itemCode, int originY, int originX, int blockMode,
                                 int meshCode, int, int, int, int statusFlag, int layerValueB, int layerValueA,
                                 int statusLineY, int, int, float zoomX, float zoomY, std::string layerText,
                                 std::string meshText, std::string dataName, std::string blockKey,
                                 std::string dataSetPath, std::string dataFolder)
{
    const WhiteLineScalars scalars{itemCode,   float(originY), float(originX), meshcode::HeldCellCount(blockMode), meshCode,
                                   statusFlag, statusLineY,    zoomX,          zoomY};
    RunLayerPlan(dc, PlanSurfaceWhite(scalars, selector, layerValueA, layerValueB,
                                      {std::move(layerText), std::move(meshText), std::move(dataName),
                                       std::move(blockKey), std::move(dataSetPath), std::move(dataFolder)}));
}
