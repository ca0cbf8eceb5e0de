// Surrick's elevation map file and display range export: the choice as one "|"-separated text,
// "" on cancel.
#include "contracts/surrick.h"
#include "municipal/SurrickModule.h"
#include "municipal/maprange/MapRangeDialog.h"
#include "platform/ui/TemplateRegistry.h"

extern "C" std::string OnMapPartSet(std::string meshSize, int kind, std::string meshFile, std::string sheetIndexPath,
                                    std::string sheetName, std::string blcmap5Folder, std::string folder250,
                                    std::string folder1kmElevation, std::string folder1kmMean, std::string rangeName,
                                    std::string clipWord, std::string, std::string, int use50m, int mapForm, int,
                                    int, int regionCode, float kmWidth, float kmHeight)
{
    try {
        vd::ui::ModuleScope module(kSurrickModule);
        CDlgMapRange dialog;
        dialog.m_strMeshSize = std::move(meshSize);
        dialog.m_nKind = kind;
        dialog.m_strMeshFile = std::move(meshFile);
        dialog.m_strSheetIndexPath = std::move(sheetIndexPath);
        dialog.m_strSheetName = std::move(sheetName);
        dialog.m_strPartIndexFolder = std::move(blcmap5Folder);
        dialog.m_str1kmElevationFlag = folder1kmElevation.empty() ? "off" : "on";
        dialog.m_str1kmMeanFlag = folder1kmMean.empty() ? "off" : "on";
        dialog.m_strFolder250 = std::move(folder250);
        dialog.m_strFolder1kmElevation = std::move(folder1kmElevation);
        dialog.m_strFolder1kmMean = std::move(folder1kmMean);
        const std::size_t colon = rangeName.find(':');
        dialog.m_strRangeName = colon == std::string::npos ? rangeName : rangeName.substr(colon + 1);
        if (clipWord == "クリップ")
            dialog.m_strRangeName = "地図ｸﾘｯﾌﾟ";
        dialog.m_nUse50m = use50m;
        dialog.m_nMapForm = mapForm;
        dialog.m_nRegionCode = regionCode;
        dialog.m_nKmWidth = int(kmWidth);
        dialog.m_nKmHeight = int(kmHeight);
        return dialog.DoModal() == vd::IDOK ? dialog.Result() : std::string();
    } catch (...) {
        return {};
    }
}
