// Surrick's chosen sheets export: the program's 図幅の登録... redraws its sheet menu on -3.
#include "contracts/surrick.h"
#include "municipal/SurrickModule.h"
#include "municipal/sheets/ChosenSheetsDialog.h"
#include "platform/ui/TemplateRegistry.h"

extern "C" int OnMapBarMenuFileSet(std::string appFolder, std::string editor, std::string sheetIndexPath)
{
    try {
        vd::ui::ModuleScope module(kSurrickModule);
        CDlgChosenSheets dialog;
        dialog.m_strAppFolder = std::move(appFolder);
        dialog.m_strEditor = std::move(editor);
        dialog.m_strSheetIndexPath = std::move(sheetIndexPath);
        return dialog.DoModal() == vd::IDOK && dialog.m_nChanged == 1 ? -3 : 0;
    } catch (...) {
        return 0;
    }
}
