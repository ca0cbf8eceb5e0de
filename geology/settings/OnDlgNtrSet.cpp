// Dovanne's export for the land-classification and valley-density mesh settings: shows
// CDlgNtrSet over the caller's settings (on a first call, the defaults and the two files kept
// in DGEOFILE.DAT), rewrites that file when the user chose another file, and answers the
// settings in one text.
#include "contracts/dovanne.h"

#include "geology/DovanneModule.h"
#include "geology/settings/GeoSettingsCall.h"
#include "geology/settings/GeoSettingsDialog.h"
#include "geology/settings/GeoSettingsFile.h"
#include "platform/ui/TemplateRegistry.h"

namespace {

std::string RunNtrSetDialog(const std::string& folder, const std::string& stateText, const std::string& files,
                            GeoSelections selections)
{
    const vd::ui::ModuleScope module(kDovanneModule);
    const std::string settingsFile = folder + kGeoSettingsFile;
    const GeoDialogState state = ParseGeoDialogState(stateText);
    // "land-classification file/valley-density file"; without "/" both are empty.
    const std::size_t slash = files.find('/');
    std::string classFile = slash == std::string::npos ? "" : files.substr(0, slash);
    std::string valleyFile = slash == std::string::npos ? "" : files.substr(slash + 1);
    if (state.first) {
        selections = GeoSelections{};
        const GeoDataFiles kept = ReadGeoSettingsFile(settingsFile);
        classFile = kept.classFile.value_or(classFile);
        valleyFile = kept.valleyFile.value_or("");
    }

    CDlgNtrSet dialog;
    LoadGeoSettingsDialog(dialog, state, selections);
    dialog.m_strClassFile = classFile;
    dialog.m_strValleyFile = valleyFile;
    if (dialog.DoModal() != vd::IDOK)
        return {};
    const std::string answer = GeoStateFields(dialog) + dialog.m_strClassFile + "|" + dialog.m_strValleyFile + "|" +
                               dialog.m_strRock + "|" + dialog.m_strEra + "|" + dialog.m_strTerrain + "|" +
                               dialog.m_strSoil + "|" + dialog.m_strValley;
    auto changed = [](const std::string& now, const std::string& before) { return !now.empty() && now != before; };
    // The data set row of the natural-terrain dialog stays as it is.
    if (changed(dialog.m_strClassFile, classFile) || changed(dialog.m_strValleyFile, valleyFile)) {
        GeoDataFiles kept = ReadGeoSettingsFile(settingsFile);
        kept.classFile = dialog.m_strClassFile;
        kept.valleyFile = dialog.m_strValleyFile;
        WriteGeoSettingsFile(settingsFile, kept);
    }
    return answer;
}

} // namespace

extern "C" __attribute__((visibility("default"))) std::string
OnDlgNtrSet(std::string appFolder, std::string state, std::string classAndValleyFiles, std::string eraSelection,
            std::string terrainSelection, std::string soilSelection, std::string rockSelection,
            std::string valleySelection)
{
    try {
        return RunNtrSetDialog(appFolder, state, classAndValleyFiles,
                               {eraSelection, terrainSelection, soilSelection, rockSelection, valleySelection});
    } catch (...) {
        return {};
    }
}
