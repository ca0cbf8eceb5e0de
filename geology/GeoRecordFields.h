#pragma once
// The two record layouts of the geology layer, cut from a raw CP932 line by byte columns: the
// natural-terrain record (one third-level mesh with every attribute) and the land-classification
// record, whose valley-density twin holds the valley density where the other holds the terrain
// code. A record shorter than its columns reads the missing fields as empty (0).
#include <string>
#include <string_view>

struct GeoRecordFields {
    bool landClass = false;
    int latitude = 0;  // south-west corner of the third-level mesh, seconds
    int longitude = 0;
    int dataCount = 0; // natural terrain: 0 = no data; land classification: 1
    std::string terrain;    // terrain classification code
    std::string subClass;   // terrain sub-classification, "0" none
    std::string rock;       // rock classification number
    std::string hardness;   // rock hardness digit
    std::string era;        // era digit
    std::string structure;  // geological structure digit
    std::string soil;       // soil statistics code
    std::string soilSymbol; // soil additional symbol, "0" none
    std::string slope;      // maximum slope, "99" none (natural terrain)
    std::string direction;  // maximum slope direction (natural terrain)
    std::string valley;     // valley density, "0" none
};

GeoRecordFields NaturalTerrainRecordFields(std::string_view rawLine);
// The valley-density field of a valley-density file is the terrain code's columns.
GeoRecordFields LandClassRecordFields(std::string_view rawLine);

// The era (0-6) of an era digit: 7 and 8 are Mesozoic, 9 Neogene, anything else not listed 0.
int EraOfDigit(int digit);

// The text written into a cell for the selection's symbol mode; empty for mode 0 and for the
// modes a layout does not offer.
std::string GeoSymbolText(int theme, int symbolMode, const GeoRecordFields& record);
