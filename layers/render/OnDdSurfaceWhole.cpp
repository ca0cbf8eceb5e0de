// OnDdSurfaceWhole: a whole-country surface theme on the white map.
#include "contracts/pelmora.h"
#include "layers/render/EntryPointPlans.h"

extern "C" void OnDdSurfaceWhole(vd::Dc* dc, int itemCode, int blockMode, int surfaceTheme, int, int, int, int, int,
                                 int statusFlag, int layerValueB, int layerValueA, int statusLineY, float originX,
                                 float originY, float zoomX, float zoomY, std::string layerText, std::string meshText,
                                 std::string dataName, std::string blockKey, std::string dataSetPath,
                                 std::string dataFolder)
{
    const WhiteLineScalars scalars{itemCode, originY, originX, meshcode::HeldCellCount(blockMode), 0, statusFlag, statusLineY, zoomX, zoomY, false};
    RunLayerPlan(dc, PlanCountrySurfaceWhite(scalars, surfaceTheme, layerValueA, layerValueB,
                                             {std::move(layerText), std::move(meshText), std::move(dataName),
                                              std::move(blockKey), std::move(dataSetPath), std::move(dataFolder)}));
}
