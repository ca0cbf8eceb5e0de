#pragma once
// The prefecture statistics chosen in Surrick's display dialog: the display settings and the data
// set's name and file. The statistics command writes it from the dialog's answer; the prefecture
// map, its panel and the ranking list read it.
#include <string>

struct StatisticsSelection {
    int m_nShow = -1;         // -1: no statistics chosen (the prefecture map shows none)
    int m_nGraticuleKept = 0; // the graticule setting kept when the dialog found no data file
    int m_nRanked = 0;        // 1: the values are ranked and shown
    int m_nColour = 0;        // the charts' colour choice
    int m_nBorders = 0;       // 1: prefecture lines (kept as 10 by older runs, sent as 1)
    int m_nBorderColour = 0;  // the prefecture lines' style
    int m_nMethod = 0;        // the display method: the values as read, per inhabitant, per area, ...
    int m_nGraticule = 0;     // the islands' graticule
    int m_nCatalogueIndex = 0;
    int m_nChoropleth = 0;    // 1: the prefectures are filled by class
    int m_nTenClasses = 0;    // the class count: ten classes when set, else five
    int m_nBackground = 0;    // the text mode of the legend and totals
    std::string m_strPrefDataName;
    std::string m_strPrefDataFile;

    bool Chosen() const { return m_nShow != -1; }
    int ClassCount() const { return m_nTenClasses != 0 ? 10 : 5; }

    // The dialog's first run: its defaults, no data set.
    void SetDefaults();
    // The display dialog's answer, "show|ranked|colour|borders|borderColour|method|graticule|
    // catalogue|background|choropleth|classes|name|file": false, changing nothing, when it is
    // short. An answer without a file leaves no statistics chosen.
    bool ReadAnswer(const std::string& answer);
};
