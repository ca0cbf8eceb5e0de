#include "view/renderer/LayerDispatchValues.h"

#include "app/document/VeldoranDoc.h"

std::string GeologyPageText(const CVeldoranDoc& doc)
{
    const auto& text = doc.geology.m_astrGeoText;
    switch (doc.geology.m_nGeoLead) {
    case 0:
        return text[0] + "#" + text[1];
    case 1:
        return text[3];
    case 2:
        return text[2];
    case 3:
        return text[4];
    default:
        return {};
    }
}

std::string CensusClassText(const CVeldoranDoc& doc)
{
    std::string out;
    for (int j = 0; j < 28; ++j)
        out += doc.m_astrIndustryTable[3 * (j % 10) + j / 10] + "#";
    return out;
}

int SeismicLayerCode(const CVeldoranDoc& doc, int slot)
{
    const auto& s = doc.seismic.m_anSeisSetting;
    return s[6] + 10 * slot + 100 * s[8] + 1000 * s[7] + 10000 * s[9];
}

int PointItemCode(const CVeldoranDoc& doc, int tab, int row)
{
    if (tab == 5)
        return 10000 + 100 * doc.m_anPointRowA[5][row] + doc.m_anPointRowA[5][4];
    return doc.m_anPointRowA[tab][row];
}

int MeshRowValue(const CVeldoranDoc& doc, int tab, int row)
{
    return tab < 2 ? doc.m_anNatureMeshValue[5 * tab + row] : doc.m_anIndustryMeshValue[row];
}

int WholeCountryLineValue(const CVeldoranDoc& doc, int tab, int row, bool plainMap)
{
    const int v = doc.m_anLineRowValue[tab][row];
    if (tab == 2 && row == 4)
        return v % 10 + 100 * (v / 10) + (plainMap ? 10000 : 0);
    if (plainMap && tab == 4 && row == 4)
        return v % 100;
    return v;
}
