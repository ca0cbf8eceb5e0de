// The whole-country line entry points: railways (with their station file, in four passes on a
// 5 x 5 block), whole-country rivers and the ledger line themes.
#include "layers/render/EntryPointPlans.h"

#include "meshcode/WideAreaBlock.h"
#include "platform/text/StringOps.h"

namespace {

constexpr const char* kRailwayLayerName = "鉄道（線）";
constexpr std::string_view kCountryRiverDataSet = "W15-52L";

bool IsCountryRiverDataSet(std::string_view dataSetPath)
{
    return vd::toUpperAscii(dataSetPath).find(kCountryRiverDataSet) != std::string::npos;
}

// The railway cache keeps its hundreds and above: the passes draw with the colour index cleared.
int HundredsOf(int itemCode) { return itemCode / 100 * 100; }

} // namespace

LayerPlan PlanPlainWholeCountry(const PlainScalars& a, int lineTheme, int railwaySubTheme, LayerStrings s)
{
    AreaSpecParts area = SplitAreaSpec(s.s1, AreaSpecSplit::FirstStepChecked);
    // The rest of the area text names the theme; nothing is passed on.
    area.dataName = std::move(area.remainder);
    LayerPlan plan{PlainParams(a, area, std::move(s)), {}};
    LayerDrawParams& p = plan.params;
    LayerChoice& c = plan.choice;
    if (lineTheme == 4 && railwaySubTheme == 2) {
        p.DataName = kRailwayLayerName;
        c.buildStationFile = true;
        if ((p.AreaKind == 1 || p.AreaKind == 2) && p.WideAreaName == meshcode::kWideArea5) {
            p.ItemCode = HundredsOf(p.ItemCode);
            c.passMeshCodes = FourMeshPasses(p.BlockCentre5);
            c.call = {LayerOp::DrawRailways, {4, 25}};
        } else {
            c.call = {LayerOp::DrawRailways, {4, -1}};
        }
    } else if (IsCountryRiverDataSet(p.DataSetPath)) {
        c.call = {LayerOp::DrawCountryRivers, {lineTheme, -1}};
    } else {
        c.call = {LayerOp::DrawLedgerLines, {lineTheme, -1}};
    }
    return plan;
}

LayerPlan PlanWholeCountryWhite(const WhiteLineScalars& a, int railwaySelector2, int detailLevel, int lineTheme,
                                int railwaySelector4, LayerStrings s)
{
    WhiteLineScalars scalars = a;
    scalars.meshCodeArgument = false;
    LayerPlan plan{WhiteLineParams(scalars, s), {}};
    LayerDrawParams& p = plan.params;
    LayerChoice& c = plan.choice;
    if (railwaySelector2 == 2 && railwaySelector4 == 4) {
        p.DetailLevel = detailLevel;
        p.DataName = kRailwayLayerName;
        c.buildStationFile = true;
        if (s.s4 == "25") {
            p.ItemCode = HundredsOf(p.ItemCode);
            c.passMeshCodes = FourMeshPasses(p.MeshCode);
        }
        c.call = {LayerOp::DrawRailways, {lineTheme, a.blockMode}};
    } else if (IsCountryRiverDataSet(p.DataSetPath)) {
        p.DetailLevel = 1;
        c.call = {LayerOp::DrawCountryRivers, {lineTheme, a.blockMode}};
    } else {
        c.call = {LayerOp::DrawLedgerLines, {lineTheme, a.blockMode}};
    }
    return plan;
}
