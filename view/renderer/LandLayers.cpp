#include "view/renderer/LandLayers.h"

std::function<int(const CVeldoranDoc&, LandLayer)>& landLayerShown()
{
    static std::function<int(const CVeldoranDoc&, LandLayer)> shown;
    return shown;
}

bool IsLandLayerShown(const CVeldoranDoc& doc, LandLayer layer)
{
    const auto& shown = landLayerShown();
    return shown && shown(doc, layer) == 1;
}
