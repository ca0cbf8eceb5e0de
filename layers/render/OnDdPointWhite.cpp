// OnDdPointWhite: a point theme on the white map.
#include "contracts/pelmora.h"
#include "layers/render/EntryPointPlans.h"

extern "C" void OnDdPointWhite(vd::Dc* dc, int itemCode, int areaKind, int, int blockMode, int statusFlag,
                               int detailLevel, int pointTheme, int layerValueA, int layerValueB, int statusLineY,
                               float originX, float originY, float zoomX, float zoomY, std::string wideAreaName,
                               std::string meshCode, std::string dataName, std::string blockAndFlags,
                               std::string dataSetPath, std::string dataFolder)
{
    const WhiteScalars scalars{itemCode, areaKind, meshcode::HeldCellCount(blockMode), statusFlag, detailLevel, statusLineY,
                               originX,  originY,  zoomX,     zoomY};
    RunLayerPlan(dc, PlanPointWhite(scalars, pointTheme, layerValueA, layerValueB,
                                    {std::move(wideAreaName), std::move(meshCode), std::move(dataName),
                                     std::move(blockAndFlags), std::move(dataSetPath), std::move(dataFolder)}));
}
