#pragma once
// The lines of the geology legend list: a header by theme, the classes of the last geology map
// (from its work file, named from GEOLOGY.DAT or GEOLOGY.PLT) or every rock class of GEOLOGY.DAT,
// and a footer with the key of the cell symbols.
#include <string>
#include <vector>

struct GeoLegendRequest {
    int gridSide = 240;            // of the grids at the head of TEMP\Geofile.DAT
    int legendKind = 0;            // 0 or more: surface geology with that rock symbol mode; -k: theme k
    int source = 2;                // 0 plain-map work file, 1 white-map work file, other: every rock class
    int workFile = 2;              // with source 0: 2 TEMP\Geofile.DAT, other TEMP\GeoBlck.dat
    std::string applicationFolder; // ending in "\"
};

inline constexpr int kGeoLegendMaxClassLines = 200;

std::vector<std::string> GeoLegendLines(const GeoLegendRequest& request);
