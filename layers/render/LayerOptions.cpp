// The option texts of a drawing call: the prefecture flag list and the attribute list of area
// kind 3 (four mesh codes to draw).
#include "layers/render/LayerRenderer.h"

#include "layers/render/meshcode/WideAreaBlock.h"

#include "platform/text/Numbers.h"

namespace {

// The text before the first "|" and what follows it; without a "|" the field is empty and the
// text stays whole, so every later field of a short list reads as 0.
std::string TakeField(std::string& text)
{
    const std::size_t bar = text.find('|');
    if (bar == std::string::npos)
        return {};
    std::string field = text.substr(0, bar);
    text.erase(0, bar + 1);
    return field;
}

} // namespace

void CLayerRenderer::ParseOptionList(std::string text)
{
    for (int i = 0; i < 48; ++i)
        OptionList[std::size_t(i)] = vd::parseInt(TakeField(text));
}

int CLayerRenderer::ParseAttributeNames(int packed, std::string list)
{
    if (packed / 10 != 1 || packed % 10 != 0)
        return 0;
    AttributeNames = meshcode::WideAreaQuadCodes(list);
    return 1;
}
