#include "app/statistics/StatisticsSelection.h"

#include "app/layers/LayerAnswer.h"

void StatisticsSelection::SetDefaults()
{
    m_nRanked = 0;
    m_nColour = 2;
    m_nBorders = 1;
    m_nBorderColour = 0;
    m_nMethod = 0;
    m_nGraticule = 0;
    m_nCatalogueIndex = -1;
    m_nChoropleth = 1;
    m_nTenClasses = 5;
    m_nBackground = 0;
    m_strPrefDataName.clear();
    m_strPrefDataFile.clear();
}

bool StatisticsSelection::ReadAnswer(const std::string& answer)
{
    auto fields = LayerAnswer::Split(answer, 12);
    if (!fields)
        return false;
    for (int* setting : {&m_nShow, &m_nRanked, &m_nColour, &m_nBorders, &m_nBorderColour, &m_nMethod,
                         &m_nGraticule, &m_nCatalogueIndex, &m_nBackground, &m_nChoropleth, &m_nTenClasses})
        *setting = fields->Int();
    m_strPrefDataName = fields->Text();
    m_strPrefDataFile = fields->Rest();
    if (m_strPrefDataFile.empty())
        m_nShow = -1;
    return true;
}
