// OnSeisWhiteMeshTavrel: the seismic hazard mesh on the whole-country map.
#include "contracts/halvette.h"
#include "seismic/SeismicCall.h"
#include "seismic/SeismicCallSetup.h"

extern "C" void OnSeisWhiteMeshTavrel(vd::Dc* dc, int north, int west, int south, int east, int areaKind,
                                      int wideAreaMode, int mapFrameMode, int statusFlag, int detailLevel,
                                      int layerModeCode, int legendX, int entry, int statusLineY, float offsetX,
                                      float offsetY, float scaleX, float scaleY, std::string string0,
                                      std::string string1, std::string string2, std::string string3,
                                      std::string string4)
{
    RunSeismicCall(dc, [&](CSeismicLayerRenderer& r) {
        const seismic::WhiteModeCode code = seismic::DecodeWhiteModeCode(layerModeCode);
        r.North = north;
        r.West = west;
        r.South = south;
        r.East = east;
        r.AreaKind = areaKind;
        r.WideAreaMode = wideAreaMode;
        r.MapFrameMode = mapFrameMode;
        r.CallerFlag = statusFlag;
        r.StatusFlag = statusFlag % 10000;
        r.DetailLevel = detailLevel;
        r.AsperityFlag = code.asperityFlag;
        r.LegendFlag = code.legendFlag;
        r.FaultFlag = code.faultFlag;
        r.ScenarioQuantity = code.scenarioQuantity;
        r.LegendAnchorX = legendX;
        r.StatusLineY = statusLineY;
        r.XOffset = offsetX;
        r.YOffset = offsetY;
        r.XScale = scaleX;
        r.YScale = scaleY;
        r.Strings = {std::move(string0), std::move(string1), std::move(string2), std::move(string3),
                     std::move(string4), {}, {}};
        r.Strings[5] = seismic::SeismicMapKindTitle(code.mapKind);
        if (code.mapKind == kProbabilisticMap)
            r.DrawProbabilisticWholeCountry(-1, layerModeCode, entry);
        else if (code.mapKind == kScenarioMap)
            r.DrawScenarioWholeCountry(-1, layerModeCode, entry);
        return 0;
    });
}
