// OnDdPlainWholeCountry: a whole-country line theme on the detailed map (railways, whole-country
// rivers, the ledger line themes).
#include "contracts/pelmora.h"
#include "layers/render/EntryPointPlans.h"

extern "C" void OnDdPlainWholeCountry(vd::Dc* dc, int itemCode, int north, int west, int south, int east,
                                      int areaKind, int wideAreaMode, int blockMode, int statusFlag, int detailLevel,
                                      int lineTheme, int railwaySubTheme, int statusLineY, float originX,
                                      float originY, float scaleX, float scaleY, std::string areaSpec,
                                      std::string meshCode, std::string blockCentre3, std::string blockCentre5,
                                      std::string dataSetPath, std::string dataFolder)
{
    const PlainScalars scalars{itemCode, north, west, south, east, areaKind, wideAreaMode, meshcode::HeldCellCount(blockMode),
                               statusFlag, detailLevel, statusLineY, originX, originY, scaleX, scaleY};
    RunLayerPlan(dc, PlanPlainWholeCountry(scalars, lineTheme, railwaySubTheme,
                                           {std::move(areaSpec), std::move(meshCode), std::move(blockCentre3),
                                            std::move(blockCentre5), std::move(dataSetPath), std::move(dataFolder)}));
}
