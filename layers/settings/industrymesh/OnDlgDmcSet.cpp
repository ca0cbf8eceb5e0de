// Pelmora's export for choosing the industry-statistics mesh item: the program's settings in, the
// tabbed dialog, the answer out, and DDMCFILE.DAT rewritten when something it keeps changed.
#include "contracts/pelmora.h"

#include "layers/settings/SettingsFileAccess.h"
#include "layers/settings/PelmoraModule.h"
#include "layers/settings/industrymesh/IndustryMeshDialog.h"
#include "layers/settings/industrymesh/IndustryMeshInput.h"
#include "layers/settings/industrymesh/IndustryMeshSettingsFile.h"
#include "layers/settings/industrymesh/IndustryMeshTemplates.h"
#include "platform/ui/TemplateRegistry.h"

namespace {

const vd::ui::TemplateRegistration registration(kPelmoraModule, IndustryMeshDialogTemplates());

std::string RunIndustryMeshSettings(const IndustryMeshInputs& inputs)
{
    try {
        vd::ui::ModuleScope module(kPelmoraModule);
        const std::string settingsFile = IndustryMeshSettingsFilePath(inputs[0]);
        IndustryMeshStart start = ParseIndustryMeshInputs(inputs);
        const SettingsFileAccess access(settingsFile);
        if (start.fromSettingsFile)
            ReadIndustryMeshSettingsFile(settingsFile, start.settings); // a missing file leaves what was passed

        CDlgDmcSet dialog;
        dialog.m_nCurrentTab = start.currentTab;
        dialog.m_strSelectMarker = start.fromSettingsFile ? "-1" : "1";
        dialog.m_settings = start.settings;
        dialog.m_nDisplayMethod = start.displayMethod;
        dialog.m_bMeshMapOnly = start.meshMapOnly;
        if (dialog.DoModal() != vd::IDOK)
            return {};
        std::string result = FormatIndustryMeshResult(dialog.m_nCurrentTab, dialog.m_settings, dialog.m_nDisplayMethod);
        // A failed rewrite keeps the old file; the caller gets the answer all the same.
        if (IndustryMeshValuesDiffer(dialog.m_settings, start.settings))
            access.rewrite([&](const std::string& path) { return WriteIndustryMeshSettingsFile(path, dialog.m_settings); });
        return result;
    } catch (...) {
        // Nothing crosses the library boundary; the caller keeps its settings as after Cancel.
        return {};
    }
}

} // namespace

extern "C" __attribute__((visibility("default"))) std::string OnDlgDmcSet(
    std::string a0, std::string a1, std::string a2, std::string a3, std::string a4, std::string a5, std::string a6,
    std::string a7, std::string a8, std::string a9, std::string a10, std::string a11, std::string a12)
{
    return RunIndustryMeshSettings(IndustryMeshInputs{std::move(a0), std::move(a1), std::move(a2), std::move(a3),
                                                      std::move(a4), std::move(a5), std::move(a6), std::move(a7),
                                                      std::move(a8), std::move(a9), std::move(a10), std::move(a11),
                                                      std::move(a12)});
}
