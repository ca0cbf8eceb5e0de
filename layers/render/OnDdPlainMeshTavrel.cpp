// OnDdPlainMeshTavrel: a third-level mesh theme on the whole-country overview.
#include "contracts/pelmora.h"
#include "layers/render/EntryPointPlans.h"

extern "C" void OnDdPlainMeshTavrel(vd::Dc* dc, int, int north, int west, int south, int east, int areaKind,
                                    int wideAreaMode, int blockMode, int statusValue, int detailLevel,
                                    int layerModeCode, int itemCode, int layerValue, int statusLineY, float originX,
                                    float originY, float scaleX, float scaleY, std::string areaSpec,
                                    std::string meshCode, std::string blockCentre3, std::string blockCentre5,
                                    std::string dataSetPath, std::string dataFolder, std::string censusClasses)
{
    const PlainScalars scalars{itemCode, north, west, south, east, areaKind, wideAreaMode, meshcode::HeldCellCount(blockMode),
                               statusValue, detailLevel, statusLineY, originX, originY, scaleX, scaleY};
    RunLayerPlan(dc, PlanPlainMesh(PlainMeshForm::WholeCountry, scalars, layerModeCode, layerValue, 0,
                                   {std::move(areaSpec), std::move(meshCode), std::move(blockCentre3),
                                    std::move(blockCentre5), std::move(dataSetPath), std::move(dataFolder)},
                                   std::move(censusClasses)));
}
