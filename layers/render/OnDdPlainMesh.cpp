// OnDdPlainMesh: a third-level mesh theme on the detailed map, in its value or cell form.
#include "contracts/pelmora.h"
#include "layers/render/EntryPointPlans.h"

extern "C" int OnDdPlainMesh(vd::Dc* dc, int, int north, int west, int south, int east, int methodAndAreaKind,
                           int wideAreaMode, int blockMode, int statusFlag, int detailLevel, int layerModeCode,
                           int itemCode, int layerValueA, int statusLineY, int layerValueB, float originX,
                           float originY, float scaleX, float scaleY, std::string areaSpec, std::string meshCode,
                           std::string blockCentre3, std::string blockCentre5, std::string dataSetPath,
                           std::string dataFolder, std::string censusClasses)
{
    const PlainScalars scalars{itemCode, north, west, south, east, methodAndAreaKind, wideAreaMode, meshcode::HeldCellCount(blockMode),
                               statusFlag, detailLevel, statusLineY, originX, originY, scaleX, scaleY};
    return RunLayerPlan(dc, PlanPlainMesh(PlainMeshForm::Mesh, scalars, layerModeCode, layerValueA, layerValueB,
                                          {std::move(areaSpec), std::move(meshCode), std::move(blockCentre3),
                                           std::move(blockCentre5), std::move(dataSetPath), std::move(dataFolder)},
                                          std::move(censusClasses)));
}
