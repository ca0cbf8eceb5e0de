// Dovanne's export for the natural-terrain mesh settings: shows CDlgGeoSet over the caller's
// settings (on a first call, the defaults and the data set kept in DGEOFILE.DAT), rewrites that
// file when the user chose another data set, and answers the settings in one text.
#include "contracts/dovanne.h"

#include "geology/DovanneModule.h"
#include "geology/settings/GeoSettingsCall.h"
#include "geology/settings/GeoSettingsDialog.h"
#include "geology/settings/GeoSettingsFile.h"
#include "geology/settings/GeoSettingsTemplates.h"
#include "platform/ui/TemplateRegistry.h"

namespace {

const vd::ui::TemplateRegistration registration(kDovanneModule, GeoSettingsTemplates());

std::string RunGeoSetDialog(const std::string& folder, const std::string& stateText, std::string dataSet,
                            GeoSelections selections)
{
    const vd::ui::ModuleScope module(kDovanneModule);
    const std::string settingsFile = folder + kGeoSettingsFile;
    const GeoDialogState state = ParseGeoDialogState(stateText);
    if (state.first) {
        selections = GeoSelections{};
        if (auto kept = ReadGeoSettingsFile(settingsFile).dataSet)
            dataSet = *kept;
    }

    CDlgGeoSet dialog;
    LoadGeoSettingsDialog(dialog, state, selections);
    dialog.m_strDataSet = dataSet;
    if (dialog.DoModal() != vd::IDOK)
        return {};
    const std::string answer = GeoStateFields(dialog) + dialog.m_strDataSet + "|" + dialog.m_strRock + "|" +
                               dialog.m_strEra + "|" + dialog.m_strTerrain + "|" + dialog.m_strSoil + "|" +
                               dialog.m_strValley;
    // The file follows the data set only; the land-classification rows stay as they are. A file
    // that cannot be written leaves the old one whole, and the answer goes back all the same.
    if (!dialog.m_strDataSet.empty() && dialog.m_strDataSet != dataSet) {
        GeoDataFiles files = ReadGeoSettingsFile(settingsFile);
        files.dataSet = dialog.m_strDataSet;
        WriteGeoSettingsFile(settingsFile, files);
    }
    return answer;
}

} // namespace

extern "C" __attribute__((visibility("default"))) std::string
OnDlgGeoSet(std::string appFolder, std::string state, std::string terrainDataSet, std::string eraSelection,
            std::string terrainSelection, std::string soilSelection, std::string rockSelection,
            std::string valleySelection)
{
    try {
        return RunGeoSetDialog(appFolder, state, terrainDataSet,
                               {eraSelection, terrainSelection, soilSelection, rockSelection, valleySelection});
    } catch (...) {
        // Nothing crosses the library boundary; the caller keeps its settings as after Cancel.
        return {};
    }
}
