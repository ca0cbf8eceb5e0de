// Surrick's statistics data entry: a new per-prefecture data set typed by the user.
#include "contracts/surrick.h"
#include "municipal/SurrickModule.h"
#include "municipal/statistics/PrefectureDataEntryDialog.h"
#include "platform/ui/TemplateRegistry.h"

extern "C" void OnLclDataRgst(std::string dataFolder)
{
    try {
        vd::ui::ModuleScope module(kSurrickModule);
        CDlgLclDataRgst dialog;
        dialog.m_strDataFolder = std::move(dataFolder);
        dialog.DoModal();
    } catch (...) {
    }
}
