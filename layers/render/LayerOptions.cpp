// The option texts of a drawing call: the prefecture flag list and the attribute list of area
// kind 3 (four mesh codes to draw).
#include "layers/render/LayerRenderer.h"

#include "platform/text/Cp932Text.h"
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
    AttributeNames.fill({});
    for (int round = 1; round <= 16; ++round) {
        const std::string name = vd::cp932Left(list, 4);
        const std::size_t bar = list.find('|');
        if (bar != std::string::npos)
            list.erase(0, bar + 1);
        if (round == 1)
            AttributeNames[0] = name;
        else if (round == 2 && name != AttributeNames[0])
            AttributeNames[1] = name;
        else if (round == 8 && name != AttributeNames[0])
            AttributeNames[2] = name;
        else if (round == 10 && name != AttributeNames[0])
            AttributeNames[3] = name == AttributeNames[1] || name == AttributeNames[2] ? std::string() : name;
    }
    return 1;
}
