// OnSeisPlainMesh: the seismic hazard mesh on the detailed map, or its value labels.
#include "contracts/halvette.h"
#include "seismic/SeismicCall.h"
#include "seismic/SeismicPlainCall.h"

extern "C" int OnSeisPlainMesh(vd::Dc* dc, int, int north, int west, int south, int east, int optionCode,
                               int wideAreaMode, int mapFrameMode, int statusFlag, int detailLevel, int layerModeCode,
                               int legendX, int entry, int statusLineY, int legendYOffset, float offsetX,
                               float offsetY, float scaleX, float scaleY, std::string string0, std::string string1,
                               std::string string2, std::string string3, std::string string4)
{
    return RunSeismicCall(dc, [&](CSeismicLayerRenderer& r) {
        const seismic::PlainOption option = SetUpPlainCall(
            r, {north, west, south, east, optionCode, wideAreaMode, mapFrameMode, statusFlag, detailLevel,
                layerModeCode, legendX, statusLineY, offsetX, offsetY, scaleX, scaleY},
            {std::move(string0), std::move(string1), std::move(string2), std::move(string3), std::move(string4)});
        return DrawPlainCall(r, option, PlainCells::Flat, layerModeCode, entry, legendYOffset);
    });
}
