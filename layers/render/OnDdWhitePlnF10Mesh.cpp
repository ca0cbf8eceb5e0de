// OnDdWhitePlnF10Mesh: a 1/10 subdivided mesh theme (or its lakes) on the white map.
#include "contracts/pelmora.h"
#include "layers/render/EntryPointPlans.h"

extern "C" void OnDdWhitePlnF10Mesh(vd::Dc* dc, int, int areaKind, int, int blockMode, int statusFlag, int detailLevel,
                              int layerModeCode, int itemCode, int layerValue, int statusLineY, float originX,
                              float originY, float zoomX, float zoomY, std::string string1, std::string string2,
                              std::string string3, std::string string4, std::string string5, std::string string6)
{
    const WhiteScalars scalars{itemCode, areaKind, meshcode::HeldCellCount(blockMode), statusFlag, detailLevel, statusLineY,
                               originX,  originY,  zoomX,     zoomY};
    RunLayerPlan(dc, PlanWhiteSubdividedMesh(scalars, layerModeCode, layerValue,
                                   {std::move(string1), std::move(string2), std::move(string3), std::move(string4),
                                    std::move(string5), std::move(string6)}));
}
