// Surrick's statistics display settings: the dialog run for the program's statistics map.
#include "contracts/surrick.h"
#include "municipal/SurrickModule.h"
#include "municipal/statistics/StatisticsDisplayDialog.h"
#include "platform/ui/TemplateRegistry.h"

extern "C" std::string OnLocalDataDspSet(int show, int graticule, int dataType, int colour, int borders,
                                         int borderColour, int kind, int catalogueIndex, int background,
                                         int choropleth, int classCount, std::string dataName,
                                         std::string dataFile, std::string dataFolder, std::string editor)
{
    try {
        vd::ui::ModuleScope module(kSurrickModule);
        CDlgLocalDataDsp dialog;
        dialog.m_nShow = show;
        dialog.m_nGraticule = graticule;
        dialog.m_nDataType = dataType;
        dialog.m_nColour = colour;
        dialog.m_nBorders = borders > 1 ? borders / 10 : borders;
        dialog.m_nBorderColour = borderColour;
        dialog.m_nKind = kind;
        dialog.m_nCatalogueIndex = catalogueIndex;
        dialog.m_nBackground = background;
        dialog.m_nChoropleth = choropleth;
        dialog.m_nClassCount = classCount;
        dialog.m_strDataName = std::move(dataName);
        dialog.m_strDataFile = std::move(dataFile);
        dialog.m_strDataFolder = std::move(dataFolder);
        dialog.m_strEditor = std::move(editor);
        dialog.DoModal();
        return dialog.Result();
    } catch (...) {
        return {};
    }
}
