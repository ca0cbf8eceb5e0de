// Pelmora's export for choosing the 1/10 subdivided mesh theme: shows the dialog over the
// caller's settings (or the data folders kept in DDFTFILE.DAT), rewrites that file when a folder
// or file changed, and answers the theme with the land-use class flags.
#include "contracts/pelmora.h"

#include "layers/settings/SettingsFileAccess.h"
#include "layers/settings/PelmoraModule.h"
#include "layers/settings/finemesh/FineMeshSetDialog.h"
#include "platform/ui/TemplateRegistry.h"

namespace {

const vd::ui::TemplateRegistration registration(kPelmoraModule, FineMeshTemplates());

std::string RunFineMeshDialog(const std::string& folder, const std::string& selection, const FineMeshTexts& texts,
                              const std::string& flags)
{
    vd::ui::ModuleScope module(kPelmoraModule);
    const std::string settingsFile = folder + kFineMeshSettingsFile;
    FineMeshSettings settings = ParseFineMeshCall(selection, texts, flags);
    const SettingsFileAccess access(settingsFile);
    if (settings.fromSettingsFile)
        ReadFineMeshSettingsFile(settingsFile, settings.text); // none yet: the texts as passed

    CDlgFmeshSet dialog;
    dialog.m_settings = settings;
    dialog.m_nCurrentTab = settings.currentTab;
    dialog.m_strSelectMarker = settings.fromSettingsFile ? "-1" : "1";
    if (dialog.DoModal() != vd::IDOK)
        return {};
    FineMeshSettings answer = dialog.m_settings;
    answer.currentTab = dialog.m_nCurrentTab;
    // Items and tabs are the caller's to keep; the file only follows the data folders. A file
    // that cannot be written leaves the old one whole, and the answer goes back all the same.
    if (answer.text != settings.text)
        access.rewrite([&](const std::string& path) { return WriteFineMeshSettingsFile(path, answer.text, answer.item); });
    return FormatFineMeshAnswer(answer);
}

} // namespace

extern "C" __attribute__((visibility("default"))) std::string OnDlgFmeshSet(std::string appFolder, std::string settings,
                                                                            std::string row1, std::string row2,
                                                                            std::string row3, std::string row4,
                                                                            std::string flags)
{
    try {
        return RunFineMeshDialog(appFolder, settings, {row1, row2, row3, row4}, flags);
    } catch (...) {
        // Nothing crosses the library boundary; the caller keeps its settings as after Cancel.
        return {};
    }
}
