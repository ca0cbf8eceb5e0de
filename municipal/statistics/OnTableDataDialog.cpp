// Surrick's census table viewer; no caller in the program, part of the exported interface.
#include "contracts/surrick.h"
#include "municipal/SurrickModule.h"
#include "municipal/statistics/CensusTableDialog.h"
#include "platform/ui/TemplateRegistry.h"

extern "C" void OnTableDataDialog(std::string file, std::string title1, std::string title2, int rowNumbers,
                                  int presetGroup, int translate)
{
    try {
        vd::ui::ModuleScope module(kSurrickModule);
        CDlgTableData dialog;
        dialog.m_strFile = std::move(file);
        dialog.m_strTitle1 = std::move(title1);
        dialog.m_strTitle2 = std::move(title2);
        dialog.m_nRowNumbers = rowNumbers;
        dialog.m_nPresetGroup = presetGroup;
        dialog.m_nTranslate = translate;
        dialog.DoModal();
    } catch (...) {
    }
}
