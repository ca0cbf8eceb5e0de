#include "seismic/SeismicPlainCall.h"

seismic::PlainOption SetUpPlainCall(CSeismicLayerRenderer& r, const PlainCallNumbers& n,
                                    std::array<std::string, 5> strings)
{
    const seismic::PlainOption option = seismic::DecodePlainOption(n.optionCode);
    r.North = n.north;
    r.West = n.west;
    r.South = n.south;
    r.East = n.east;
    r.AreaKind = option.areaKind;
    r.AsperityFlag = option.asperityFlag;
    r.FaultFlag = option.faultFlag;
    r.LegendFlag = option.legendFlag;
    r.WideAreaMode = n.wideAreaMode;
    r.MapFrameMode = n.mapFrameMode;
    r.CallerFlag = n.statusFlag;
    r.StatusFlag = n.statusFlag;
    r.DetailLevel = n.detailLevel;
    r.ScenarioQuantity = n.layerModeCode % 10;
    r.LegendAnchorX = n.legendX;
    r.StatusLineY = n.statusLineY;
    r.XOffset = n.offsetX;
    r.YOffset = n.offsetY;
    r.XScale = n.scaleX;
    r.YScale = n.scaleY;
    for (std::size_t i = 0; i < strings.size(); ++i)
        r.Strings[i] = std::move(strings[i]);
    r.Strings[5] = seismic::SeismicMapKindTitle(seismic::PlainMapKind(n.layerModeCode));
    return option;
}

int DrawPlainCall(CSeismicLayerRenderer& r, const seismic::PlainOption& option, PlainCells cells, int layerModeCode,
                  int entry, int legendYOffset)
{
    const bool relief = cells == PlainCells::Relief;
    const int mapKind = seismic::PlainMapKind(layerModeCode);
    if (mapKind == kProbabilisticMap) {
        if (option.displayMethod != 0)
            return r.DrawProbabilisticLabels(layerModeCode, entry, legendYOffset);
        return relief ? r.DrawProbabilisticRelief(layerModeCode, entry, legendYOffset)
                      : r.DrawProbabilisticMesh(layerModeCode, entry, legendYOffset);
    }
    if (mapKind == kScenarioMap) {
        if (option.displayMethod != 0)
            return r.DrawScenarioLabels(layerModeCode, entry, legendYOffset);
        return relief ? r.DrawScenarioRelief(layerModeCode, entry, legendYOffset)
                      : r.DrawScenarioMesh(layerModeCode, entry, legendYOffset);
    }
    return -1;
}
