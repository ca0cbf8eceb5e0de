// The mesh entry points' fields: the method digit and area kind packed in one argument, the
// status value, the theme name as the data name, and the white map's block key.
#include "layers/render/EntryPointPlans.h"

namespace {

constexpr int kMethodFactor = 10000;

void TakeStatusValue(LayerDrawParams& p, int value)
{
    const StatusValue status = SplitStatusValue(value);
    p.ProgressFlag = status.progressFlag;
    p.StatusFlag = status.statusFlag;
}

} // namespace

LayerPlan PlanPlainMesh(PlainMeshForm form, const PlainScalars& a, int modeCode, int valueA, int valueB,
                        LayerStrings s, std::string classSpec)
{
    const AreaSpecParts area = SplitAreaSpec(s.s1, AreaSpecSplit::FirstStep);
    PlainScalars scalars = a;
    int method = 0;
    if (form != PlainMeshForm::WholeCountry) {
        scalars.areaKind = a.areaKind % kMethodFactor;
        method = a.areaKind / kMethodFactor;
    }
    LayerPlan plan{PlainParams(scalars, area, std::move(s)), {}};
    if (form == PlainMeshForm::WholeCountry)
        TakeStatusValue(plan.params, a.statusFlag);
    const MeshDigits digits = PlainMeshDigits(modeCode);
    plan.params.DataName = MeshThemeName(digits);
    plan.choice.call =
        ChoosePlainMeshOperation(form, digits, method, -1, modeCode, valueA, valueB, classSpec, area.remainder);
    return plan;
}

LayerPlan PlanSubdividedMesh(const PlainScalars& a, int reliefSelector, int modeCode, int valueA, int valueB,
                             LayerStrings s, std::string landUseFlags)
{
    const AreaSpecParts area = SplitAreaSpec(s.s1, AreaSpecSplit::FirstStep);
    LayerPlan plan{PlainParams(a, area, std::move(s)), {}};
    TakeStatusValue(plan.params, a.statusFlag);
    const int theme = SubdividedMeshTheme(modeCode);
    plan.params.DataName = SubdividedMeshThemeName(theme);
    plan.choice.call = ChooseSubdividedMeshOperation(theme, reliefSelector, SplitStatusValue(a.statusFlag).flag, -1,
                                                     modeCode, valueA, valueB, landUseFlags, area.remainder);
    return plan;
}

LayerPlan PlanWhiteMesh(const WhiteScalars& a, int modeCode, int layerValue, LayerStrings s)
{
    const KeyAndText block = SplitKeyAndText(s.s4, '=');
    LayerPlan plan{WhiteParams(a, std::move(s.s1), std::move(s.s2), block.key), {}};
    plan.params.DataSetPath = std::move(s.s5);
    plan.params.DataFolder = std::move(s.s6);
    const MeshDigits digits = WhiteMeshDigits(modeCode);
    plan.params.DataName = MeshThemeName(digits);
    plan.choice.call = ChooseWhiteMeshOperation(digits, WhiteCellCount(a.blockMode, block.key), modeCode, layerValue,
                                                s.s3, block.text);
    return plan;
}

LayerPlan PlanWhiteSubdividedMesh(const WhiteScalars& a, int modeCode, int layerValue, LayerStrings s)
{
    // String 3 is the block key, "/" and the prefecture flags; the key is also the block centre.
    const KeyAndText block = SplitKeyAndText(s.s3, '/');
    LayerPlan plan{WhiteParams(a, std::move(s.s1), std::move(s.s2), block.key), {}};
    plan.params.BlockCentre5 = block.key;
    plan.params.DataSetPath = std::move(s.s4);
    plan.params.DataFolder = std::move(s.s5);
    const int theme = WhiteSubdividedMeshTheme(modeCode);
    plan.params.DataName = SubdividedMeshThemeName(theme);
    plan.choice.call = ChooseWhiteSubdividedMeshOperation(theme, WhiteCellCount(a.blockMode, block.key), modeCode,
                                                          layerValue, s.s6, block.text);
    return plan;
}
