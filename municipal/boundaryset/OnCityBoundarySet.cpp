// Surrick's export for choosing the published boundary (and coastline) folders and converting
// the administrative-area files into CityPlgn\.
#include "contracts/surrick.h"

#include "municipal/SurrickModule.h"
#include "municipal/boundaryset/BoundaryConversionRun.h"
#include "municipal/boundaryset/BoundaryFolderDialog.h"
#include "platform/ui/TemplateRegistry.h"

extern "C" std::string OnCityBoundarySet(vd::Dc* dc, std::string boundaryFolder, std::string coastlineFolder, int mode)
{
    try {
        vd::ui::ModuleScope module(kSurrickModule);
        CDlgBoundaryFolders dialog(mode != 0 ? CDlgBoundaryFolders::IDD_ONE_FOLDER
                                             : CDlgBoundaryFolders::IDD_TWO_FOLDERS);
        dialog.m_strBoundaryFolder = std::move(boundaryFolder);
        dialog.m_strCoastlineFolder = std::move(coastlineFolder);
        if (dialog.DoModal() != vd::IDOK)
            return {};
        const std::string answer =
            mode != 0 ? dialog.m_strBoundaryFolder : dialog.m_strBoundaryFolder + "#" + dialog.m_strCoastlineFolder;
        AskAndConvert(dc, dialog.m_strBoundaryFolder, municipal::SourceTheme::AdministrativeArea,
                      "行政界・海岸線ファイルを変換しますか？\n＜バイナリ形式で保存＞\n　　　所用時間 数～10分");
        return answer;
    } catch (...) {
        return {};
    }
}
