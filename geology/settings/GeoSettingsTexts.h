#pragma once
// The texts of the geology settings pages: the class items of each theme ("all" first) and the
// symbol radios of each page, in the order the page shows them, with the value each stands for.
#include <string>
#include <vector>

struct GeoSymbolChoice {
    int value;
    const char* label;
};

const std::vector<const char*>& GeoRockItems();    // 7
const std::vector<const char*>& GeoEraItems();     // 8
const std::vector<const char*>& GeoSoilItems();    // 15
const std::vector<const char*>& GeoTerrainItems(); // 9

// Natural-terrain pages.
const std::vector<GeoSymbolChoice>& GeoRockSymbols();
const std::vector<GeoSymbolChoice>& GeoSoilSymbols();
const std::vector<GeoSymbolChoice>& GeoTerrainSymbols();
const std::vector<GeoSymbolChoice>& GeoValleySymbols();
// Land-classification pages.
const std::vector<GeoSymbolChoice>& NtrRockSymbols();
const std::vector<GeoSymbolChoice>& NtrSoilSymbols();
const std::vector<GeoSymbolChoice>& NtrTerrainSymbols();
const std::vector<GeoSymbolChoice>& NtrValleySymbols();

// The values of a symbol list.
std::vector<int> GeoSymbolValues(const std::vector<GeoSymbolChoice>& choices);
