// Pelmora's export for choosing the surface themes: the program's settings in, the tabbed dialog,
// the answer out, and DDDSFILE.DAT rewritten when something it keeps changed.
#include "contracts/pelmora.h"

#include "layers/settings/SettingsFileAccess.h"
#include "layers/settings/BarDelimitedSettings.h"
#include "layers/settings/PelmoraModule.h"
#include "layers/settings/surface/SurfaceDataDialog.h"
#include "layers/settings/surface/SurfaceSettingsFile.h"
#include "layers/settings/surface/SurfaceSettingsInput.h"
#include "layers/settings/surface/SurfaceTemplates.h"
#include "platform/ui/TemplateRegistry.h"

namespace {

const vd::ui::TemplateRegistration registration(kPelmoraModule, SurfaceDialogTemplates());

std::string RunSurfaceSettings(const SurfaceInputs& inputs)
{
    try {
        vd::ui::ModuleScope module(kPelmoraModule);
        const std::string settingsFile = SurfaceSettingsFilePath(inputs[0]);
        SurfaceRows before;
        PlaceSurfaceInputTexts(inputs, before);
        const IntegerSettingsInput settings = ParseIntegerSettingsInput(inputs[1], kSurfaceSettingsIntegers);
        int currentTab = 0;
        const SettingsFileAccess access(settingsFile);
        if (settings.fromSettingsFile)
            ReadSurfaceSettingsFile(settingsFile, before); // a missing file leaves the rows off and 0
        else
            PlaceSurfaceSettingsIntegers(settings.values, currentTab, before);

        CDlgDsSet dialog;
        dialog.m_nCurrentTab = currentTab;
        dialog.m_strSelectMarker = settings.fromSettingsFile ? "-1" : "1";
        dialog.m_rows = before;
        if (dialog.DoModal() != vd::IDOK)
            return {};
        std::string result = FormatSurfaceSettingsResult(dialog.m_nCurrentTab, dialog.m_rows);
        // A failed rewrite keeps the old file; the caller gets the answer all the same.
        if (StoredSurfaceValuesDiffer(dialog.m_rows, before))
            access.rewrite([&](const std::string& path) { return WriteSurfaceSettingsFile(path, dialog.m_rows); });
        return result;
    } catch (...) {
        // Nothing crosses the library boundary; the caller keeps its settings as after Cancel.
        return {};
    }
}

} // namespace

extern "C" __attribute__((visibility("default"))) std::string OnDlgDsSet(
    std::string a0, std::string a1, std::string a2, std::string a3, std::string a4, std::string a5, std::string a6,
    std::string a7, std::string a8, std::string a9, std::string a10, std::string a11, std::string a12,
    std::string a13, std::string a14, std::string a15, std::string a16, std::string a17, std::string a18,
    std::string a19, std::string a20, std::string a21, std::string a22, std::string a23, std::string a24,
    std::string a25, std::string a26, std::string a27, std::string a28, std::string a29, std::string a30,
    std::string a31)
{
    return RunSurfaceSettings(SurfaceInputs{
        std::move(a0),  std::move(a1),  std::move(a2),  std::move(a3),  std::move(a4),  std::move(a5),
        std::move(a6),  std::move(a7),  std::move(a8),  std::move(a9),  std::move(a10), std::move(a11),
        std::move(a12), std::move(a13), std::move(a14), std::move(a15), std::move(a16), std::move(a17),
        std::move(a18), std::move(a19), std::move(a20), std::move(a21), std::move(a22), std::move(a23),
        std::move(a24), std::move(a25), std::move(a26), std::move(a27), std::move(a28), std::move(a29),
        std::move(a30), std::move(a31)});
}
