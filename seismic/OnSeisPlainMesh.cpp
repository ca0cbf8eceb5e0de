// OnSeisPlainMesh: the seismic hazard mesh on the detailed map.
#include "contracts/halvette.h"
#include "seismic/SeismicCall.h"
#include "seismic/SeismicCallSetup.h"

extern "C" int OnSeisPlainMesh(vd::Dc* dc, int, int north, int west, int south, int east, int optionCode,
                               int wideAreaMode, int mapFrameMode, int statusFlag, int detailLevel, int layerModeCode,
                               int legendX, int entry, int statusLineY, int legendYOffset, float offsetX,
                               float offsetY, float scaleX, float scaleY, std::string string0, std::string string1,
                               std::string string2, std::string string3, std::string string4)
{
    return RunSeismicCall(dc, [&](CSeismicLayerRenderer& r) {
        const seismic::PlainOption option = seismic::DecodePlainOption(optionCode);
        r.North = north;
        r.West = west;
        r.South = south;
        r.East = east;
        r.AreaKind = option.areaKind;
        r.AsperityFlag = option.asperityFlag;
        r.FaultFlag = option.faultFlag;
        r.LegendFlag = option.legendFlag;
        r.WideAreaMode = wideAreaMode;
        r.MapFrameMode = mapFrameMode;
        r.CallerFlag = statusFlag;
        r.StatusFlag = statusFlag;
        r.DetailLevel = detailLevel;
        r.ScenarioQuantity = layerModeCode % 10;
        r.LegendAnchorX = legendX;
        r.StatusLineY = statusLineY;
        r.XOffset = offsetX;
        r.YOffset = offsetY;
        r.XScale = scaleX;
        r.YScale = scaleY;
        r.Strings = {std::move(string0), std::move(string1), std::move(string2), std::move(string3),
                     std::move(string4), {}, {}};
        const int mapKind = seismic::PlainMapKind(layerModeCode);
        r.Strings[5] = seismic::SeismicMapKindTitle(mapKind);
        // The value labels come with their own change: nothing drawn yet.
        if (option.displayMethod != 0)
            return -1;
        if (mapKind == kProbabilisticMap)
            return r.DrawProbabilisticMesh(layerModeCode, entry, legendYOffset);
        if (mapKind == kScenarioMap)
            return r.DrawScenarioMesh(layerModeCode, entry, legendYOffset);
        return -1;
    });
}
