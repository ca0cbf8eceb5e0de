// OnSeisWhiteMesh: the seismic hazard mesh on the white map of one sheet block.
#include "contracts/halvette.h"
#include "seismic/SeismicCall.h"
#include "seismic/SeismicCallSetup.h"

extern "C" void OnSeisWhiteMesh(vd::Dc* dc, int, int areaKind, int, int mapFrameMode, int statusFlag, int detailLevel,
                                int layerModeCode, int legendX, int entry, int statusLineY, float offsetX,
                                float offsetY, float zoomX, float zoomY, std::string string0, std::string meshCode,
                                std::string blockText, std::string dataFolder)
{
    RunSeismicCall(dc, [&](CSeismicLayerRenderer& r) {
        const seismic::WhiteModeCode code = seismic::DecodeWhiteModeCode(layerModeCode);
        const seismic::WhiteBlock block = seismic::ChooseWhiteBlock(meshCode, mapFrameMode, blockText);
        r.North = block.north;
        r.West = block.west;
        r.South = block.south;
        r.East = block.east;
        r.AreaKind = areaKind;
        r.MapFrameMode = mapFrameMode;
        r.StatusFlag = statusFlag;
        r.DetailLevel = detailLevel;
        r.AsperityFlag = code.asperityFlag;
        r.LegendFlag = code.legendFlag;
        r.FaultFlag = code.faultFlag;
        r.ScenarioQuantity = code.scenarioQuantity;
        r.LegendAnchorX = legendX;
        r.StatusLineY = statusLineY;
        r.XOffset = offsetX;
        r.YOffset = offsetY;
        r.XScale = seismic::WhiteScaleX(zoomX);
        r.YScale = seismic::WhiteScaleY(zoomY);
        r.Strings[0] = std::move(string0);
        r.Strings[1] = std::move(meshCode);
        r.Strings[4] = std::move(dataFolder);
        r.Strings[5] = seismic::SeismicMapKindTitle(code.mapKind);
        if (code.mapKind == kProbabilisticMap)
            r.DrawProbabilisticWhiteMesh(block.cellCount, layerModeCode, entry);
        else if (code.mapKind == kScenarioMap)
            r.DrawScenarioWhiteMesh(1, block.cellCount, layerModeCode, entry);
        return 0;
    });
}
