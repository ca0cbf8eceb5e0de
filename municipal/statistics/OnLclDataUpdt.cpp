// Surrick's statistics data editing: a data set or the catalogue opened in the user's editor.
#include "contracts/surrick.h"
#include "municipal/SurrickModule.h"
#include "municipal/statistics/PrefectureDataEditDialog.h"
#include "platform/ui/TemplateRegistry.h"

extern "C" void OnLclDataUpdt(std::string dataFolder, std::string editor)
{
    try {
        vd::ui::ModuleScope module(kSurrickModule);
        CDlgLclDataUpdt dialog;
        dialog.m_strDataFolder = std::move(dataFolder);
        dialog.m_strEditor = std::move(editor);
        dialog.DoModal();
    } catch (...) {
    }
}
