#include "seismic/SeismicCallSetup.h"

#include "meshcode/MeshCode.h"

namespace seismic {

PlainOption DecodePlainOption(int optionCode)
{
    return {optionCode / 10000, Digit(optionCode, 1000), Digit(optionCode, 100), Digit(optionCode, 10),
            optionCode % 10};
}

WhiteModeCode DecodeWhiteModeCode(int layerModeCode)
{
    return {Digit(layerModeCode, 10000), Digit(layerModeCode, 1000), Digit(layerModeCode, 100),
            Digit(layerModeCode, 10), layerModeCode % 10};
}

WhiteBlock ChooseWhiteBlock(std::string_view meshCode, int mapFrameMode, std::string_view blockText)
{
    using namespace meshcode;
    const std::string_view sheets = blockText.substr(0, blockText.find('='));
    const MeshCorner corner = FirstMeshCorner(meshCode);
    // Rings of meshes around the centre: 0 for the single mesh, 2 for 5 x 5, else 1.
    const int ring = mapFrameMode == 1 ? 0 : sheets == "25" ? 2 : 1;
    const int side = 2 * ring + 1;
    return {side * side, corner.latitude + (ring + 1) * kFirstMeshLatitudeSeconds,
            corner.longitude - ring * kFirstMeshLongitudeSeconds, corner.latitude - ring * kFirstMeshLatitudeSeconds,
            corner.longitude + (ring + 1) * kFirstMeshLongitudeSeconds};
}

float WhiteScaleX(float zoom) { return zoom * 0.08888889f; }
float WhiteScaleY(float zoom) { return zoom * 0.13333334f; }

std::string SeismicMapKindTitle(int mapKind)
{
    if (mapKind == 0)
        return "地震動予測(確率論的)";
    if (mapKind == 1)
        return "主要９８断層";
    return {};
}

} // namespace seismic
