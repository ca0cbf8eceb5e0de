// OnDdPlnF10Mesh: a 1/10 subdivided mesh theme (or its lakes) on the detailed map, plain or over
// the relief.
#include "contracts/pelmora.h"
#include "layers/render/EntryPointPlans.h"

extern "C" int OnDdPlnF10Mesh(vd::Dc* dc, int reliefSelector, int north, int west, int south, int east, int areaKind,
                              int wideAreaMode, int blockMode, int statusValue, int detailLevel, int layerModeCode,
                              int itemCode, int layerValueA, int statusLineY, int layerValueB, float originX,
                              float originY, float scaleX, float scaleY, std::string areaSpec, std::string meshCode,
                              std::string blockCentre3, std::string blockCentre5, std::string dataSetPath,
                              std::string dataFolder, std::string landUseFlags)
{
    const PlainScalars scalars{itemCode, north, west, south, east, areaKind, wideAreaMode, meshcode::HeldCellCount(blockMode),
                               statusValue, detailLevel, statusLineY, originX, originY, scaleX, scaleY};
    return RunLayerPlan(dc, PlanSubdividedMesh(scalars, reliefSelector, layerModeCode, layerValueA, layerValueB,
                                               {std::move(areaSpec), std::move(meshCode), std::move(blockCentre3),
                                                std::move(blockCentre5), std::move(dataSetPath),
                                                std::move(dataFolder)},
                                               std::move(landUseFlags)));
}
