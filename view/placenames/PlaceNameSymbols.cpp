#include "view/placenames/PlaceNameSymbols.h"

#include "app/document/VeldoranDoc.h"

namespace {

constexpr long long kSymbolColumns = 20;
constexpr long long kColourColumns = 55;
constexpr int kOutsideSymbol = 9;

} // namespace

NameSymbol SymbolOfClasses(const CVeldoranDoc& doc, const std::array<int, 3>& classes)
{
    const long long symbolAt = classes[0] * kSymbolColumns + classes[1];
    const auto& symbols = doc.placeNameClasses.m_anSymbolSetting;
    const long long symbolCount = static_cast<long long>(sizeof(symbols) / sizeof(symbols[0][0]));
    const int kind = symbolAt >= 0 && symbolAt < symbolCount
                         ? symbols[symbolAt / kSymbolColumns][symbolAt % kSymbolColumns]
                         : kOutsideSymbol;
    if (doc.placeNameClasses.m_bClassColours != 1)
        return {kind, 0, -1};
    const long long colourAt = classes[1] * kColourColumns + classes[2];
    const int type = colourAt >= 0 && colourAt < static_cast<long long>(doc.placeNameClasses.m_anClassColour.size())
                         ? doc.placeNameClasses.m_anClassColour[std::size_t(colourAt)]
                         : 0;
    // The size is the search's major class, as the symbol dialog's page numbers them.
    return {kind, type, doc.m_nGnpfValue3};
}
