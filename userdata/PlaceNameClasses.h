#pragma once
// The place names' symbols and colours: the symbol of each class and sub-class (NpSymbol.dat,
// 10 rows of 20, 17 no symbol), the colours of one class's sub-classes (a section of
// NpClrTbl.dat, 20 rows of 55 (entry row * 55 + column), -1 none) and whether the sub-class
// colours are used. Read at start and by the search; the place-name symbol command edits them.
#include <array>
#include <cstdint>

struct PlaceNameClasses {
    std::int16_t m_anSymbolSetting[10][20] = {};
    static std::array<std::int16_t, 20 * 55> UnsetClassColours();
    std::array<std::int16_t, 20 * 55> m_anClassColour = UnsetClassColours();
    int m_bClassColours = 1;
};
