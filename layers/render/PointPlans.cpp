// The point entry points: the point theme code chooses the operation; the land-price themes
// take a sub-item from item codes of 10000 and more.
#include "layers/render/EntryPointPlans.h"

#include <array>

namespace {

constexpr int kLandPriceItemBase = 10000;

// The harbour and coastal themes of group 4, rows 0-3, name themselves.
constexpr std::array<const char*, 4> kFacilityNames{"感潮限界", "港湾", "漁港", "空港台帳"};
constexpr const char* kPowerPlantName = "発電所";

} // namespace

PointChoice ChoosePointOperation(int code, int m, int valueA, int valueB, int landPriceSubItem, const std::string& text)
{
    if (code < 0)
        return {};
    const int group = code / 100;
    const int sub = code % 100 / 10;
    // The themes read from one whole-country file take no prefecture flags.
    const std::string none;
    switch (group) {
    case 0:
        switch (sub) {
        case 0: return {{LayerOp::DrawPointMarkers, {m, valueA, valueB, text}}, {}};
        case 1: return {{LayerOp::DrawHeritagePoints, {m, code, valueB, text}}, {}};
        case 2: return {{LayerOp::DrawPointLengths, {m, valueB, text}}, {}};
        case 3: return {{LayerOp::DrawHeritagePoints, {m, code, valueB, none}}, {}};
        case 4: return {{LayerOp::DrawFacilityPoints, {m, code, valueB, none}}, {}};
        default: return {};
        }
    case 1:
        if (sub == 0)
            return {{LayerOp::DrawFacilityPoints, {m, code, valueB, text}}, {}};
        if (sub >= 1 && sub <= 3)
            return {{LayerOp::DrawPointNames, {m, valueB, text}}, {}};
        if (sub == 4)
            return {{LayerOp::DrawCodedPoints, {m, valueB, 1, none}}, kPowerPlantName};
        return {};
    case 2: return {{LayerOp::DrawPlainPoints, {m, valueB}}, {}};
    case 3: return {{LayerOp::DrawCodedPoints, {m, valueB, 0, text}}, {}};
    case 4:
        if (sub <= 3)
            return {{LayerOp::DrawFacilityPoints, {m, code, valueB, none}}, kFacilityNames[std::size_t(sub)]};
        return {};
    case 5: return {{LayerOp::DrawLandPricePoints, {m, valueB, 0, landPriceSubItem, text}}, {}};
    default: return {};
    }
}

namespace {

void TakeChoice(LayerPlan& plan, PointChoice choice)
{
    plan.choice.call = std::move(choice.call);
    if (choice.dataName)
        plan.params.DataName = std::move(*choice.dataName);
}

} // namespace

LayerPlan PlanPlainPoint(const PlainScalars& a, int pointTheme, int valueA, int valueB, LayerStrings s)
{
    const AreaSpecParts area = SplitAreaSpec(s.s1, AreaSpecSplit::BothStepsChecked);
    PlainScalars scalars = a;
    int subItem = 0;
    if (a.itemCode >= kLandPriceItemBase) {
        scalars.itemCode = (a.itemCode - kLandPriceItemBase) / 100;
        subItem = (a.itemCode - kLandPriceItemBase) % 100;
    }
    LayerPlan plan{PlainParams(scalars, area, std::move(s)), {}};
    TakeChoice(plan, ChoosePointOperation(pointTheme, -1, valueA, valueB, subItem, area.remainder));
    return plan;
}

LayerPlan PlanPointWhite(const WhiteScalars& a, int pointTheme, int valueA, int valueB, LayerStrings s)
{
    const KeyAndText block = SplitKeyAndText(s.s4, '=');
    WhiteScalars scalars = a;
    int subItem = 0;
    if (a.itemCode >= kLandPriceItemBase) {
        scalars.itemCode = a.itemCode - kLandPriceItemBase;
        subItem = scalars.itemCode % 100;
    }
    LayerPlan plan{WhiteParams(scalars, std::move(s.s1), std::move(s.s2), block.key), {}};
    plan.params.DataName = std::move(s.s3);
    plan.params.DataSetPath = std::move(s.s5);
    plan.params.DataFolder = std::move(s.s6);
    const int cells = WhiteCellCount(a.blockMode, block.key);
    TakeChoice(plan, ChoosePointOperation(pointTheme, cells, valueA, valueB, subItem, block.text));
    return plan;
}
