// The option texts of a drawing call: the prefecture flag list and the attribute list of area
// kind 3 (four mesh codes to draw).
#include "layers/render/LayerRenderer.h"

#include "meshcode/OptionList.h"

#include <algorithm>

void CLayerRenderer::ParseOptionList(std::string text)
{
    const auto flags = meshcode::ParseOptionList(text);
    std::copy(flags.begin(), flags.end(), OptionList.begin());
}

int CLayerRenderer::ParseAttributeNames(int packed, std::string list)
{
    return meshcode::ParseAttributeNames(packed, list, AttributeNames);
}
