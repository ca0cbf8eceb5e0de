#pragma once
// The map display settings (表示 > 地図の表示仕様): which place names and registered points the
// map shows and how, the white map's borders, lakes and scale bar, the distance read-out and its
// start city, the overviews' graticule and prefecture lines. Read from the profile at start,
// edited by the dialog (MapDisplaySpecCommands.cpp) and the white-map switches, written back at
// exit; the draw reads it.
#include <array>
#include <string>

struct MapDisplaySettings {
    // Place names.
    int m_nSiteNamePopup = 0;
    int m_nPlaceNamePopupActive = 0;
    std::string m_strFontName = "ＭＳ ゴシック";
    int m_nPlaceNameFontHeight = 2;
    // Place-name kinds shown: 0 all, 1 seas, 2 lakes, 3 islands, 4 mountains, 5 valleys, 6 rivers,
    // 7 cities/towns/stations, 8 bays, 9 capes.
    std::array<int, 10> m_anPlaceNameKind{1, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    int m_nPlaceNameTotal = 0; // the place names of the current file, shown by the dialog

    // Registered points; shown only when they hold the keyword while m_nKeywordActive is 1.
    int m_nKindData = 3;
    int m_nSymbolSize = 2;
    int m_nLinkPoint = 1;
    int m_nPointPopup = 1;
    int m_nPointLabel = 3;
    std::string m_strPointKeyword;
    int m_nKeywordActive = 0;

    // The white map.
    int m_nMapBoundary = 1;
    int m_nScaleBar = 1;
    int m_nPrefBorder = 1;
    int m_nSubprefBorder = 0;
    std::string m_strPrefBorderColour = "ORNG";
    int m_nLake = 0;
    int m_nReservoir = 0;
    int m_nCityBorder = 0;
    int m_nCityBorderColour = 11;
    int m_nCityNameZoom = 1;
    int m_nCityNameEnclave = 0;
    int m_nGraticuleFlag = 1;       // 1: latitude and longitude lines on the whole-country overview
    int m_nPrefectureLinesFlag = 1; // 1: prefecture lines on the whole-country overview

    // Distances and their start city.
    int m_nDistanceShow = 1;
    int m_nDistanceEnd = 1;
    std::string m_strDepature;
    double m_dDepLatDeg = 0;
    double m_dDepLatMin = 0;
    double m_dDepLonDeg = 0;
    double m_dDepLonMin = 0;

    int m_nPointerCoords = 0;
    int m_nSpecDialogTab = 0; // the tab the dialog opens with, kept for the run
};
