// The surface entry points: the per-prefecture surface themes by group and item, and the
// whole-country themes A-E (C in four passes on a 5 x 5 block).
#include "layers/render/EntryPointPlans.h"

#include "meshcode/WideAreaBlock.h"

LayerCall ChooseSurfaceOperation(int selector, int m, int valueA, int valueB, const std::string& text)
{
    const int group = selector / 10;
    const int item = selector % 10;
    if (group == 0 && item >= 0)
        return {item <= 3 ? LayerOp::DrawSurfaceAreas : LayerOp::DrawSurfaceLines, {m, valueA, valueB, text}};
    if (group == 1 && item >= 0 && item <= 2)
        return {LayerOp::DrawSurfaceBoundaries, {m, valueA, valueB, item, text}};
    if (group == 1 && (item == 3 || item == 4))
        return {LayerOp::DrawSurfaceRegions, {m, valueA, valueB, text}};
    return {};
}

LayerCall ChooseCountrySurfaceOperation(int theme, int m, int valueA, int valueB, const std::string& text)
{
    static constexpr LayerOp kThemes[] = {LayerOp::DrawCountrySurfaceA, LayerOp::DrawCountrySurfaceB,
                                          LayerOp::DrawCountrySurfaceC, LayerOp::DrawCountrySurfaceD,
                                          LayerOp::DrawCountrySurfaceE};
    if (theme < 0 || theme > 4)
        return {};
    return {kThemes[theme], {m, valueA, valueB, text}};
}

namespace {

constexpr int kFourPassTheme = 2;

} // namespace

LayerPlan PlanPlainSurface(const PlainScalars& a, int selector, int valueA, int valueB, LayerStrings s)
{
    const AreaSpecParts area = SplitAreaSpec(s.s1, AreaSpecSplit::BothStepsChecked);
    LayerPlan plan{PlainParams(a, area, std::move(s)), {}};
    plan.choice.call = ChooseSurfaceOperation(selector, -1, valueA, valueB, area.remainder);
    return plan;
}

LayerPlan PlanSurfaceWhite(const WhiteLineScalars& a, int selector, int valueA, int valueB, LayerStrings s)
{
    LayerPlan plan{WhiteLineParams(a, s), {}};
    plan.choice.call = ChooseSurfaceOperation(selector, a.blockMode, valueA, valueB, s.s1);
    return plan;
}

LayerPlan PlanPlainCountrySurface(const PlainScalars& a, int theme, int valueA, int valueB, LayerStrings s)
{
    AreaSpecParts area = SplitAreaSpec(s.s1, AreaSpecSplit::FirstStepChecked);
    area.dataName = std::move(area.remainder);
    // String 2 is the mesh code, "/" and the prefecture flags.
    AreaSpecParts mesh = SplitAreaSpec(s.s2, AreaSpecSplit::FirstStep);
    s.s2 = std::move(mesh.wideAreaName);
    LayerPlan plan{PlainParams(a, area, std::move(s)), {}};
    const LayerDrawParams& p = plan.params;
    plan.choice.call = ChooseCountrySurfaceOperation(theme, -1, valueA, valueB, mesh.remainder);
    if (theme == kFourPassTheme && (p.AreaKind == 1 || p.AreaKind == 2) && p.WideAreaName == meshcode::kWideArea5)
        plan.choice.passMeshCodes = FourMeshPasses(p.BlockCentre5);
    return plan;
}

LayerPlan PlanCountrySurfaceWhite(const WhiteLineScalars& a, int theme, int valueA, int valueB, LayerStrings s)
{
    WhiteLineScalars scalars = a;
    scalars.meshCodeArgument = false;
    LayerPlan plan{WhiteLineParams(scalars, s), {}};
    plan.choice.call = ChooseCountrySurfaceOperation(theme, a.blockMode, valueA, valueB, s.s1);
    if (theme == kFourPassTheme && s.s4 == "25")
        plan.choice.passMeshCodes = FourMeshPasses(plan.params.MeshCode);
    return plan;
}
