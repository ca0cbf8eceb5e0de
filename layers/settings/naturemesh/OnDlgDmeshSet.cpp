// Pelmora's export for choosing the natural-environment mesh theme: the program's settings in,
// the tabbed dialog, the answer out, and DDMSFILE.DAT rewritten when a slot changed.
#include "contracts/pelmora.h"

#include "layers/settings/SettingsFileAccess.h"
#include "layers/settings/PelmoraModule.h"
#include "layers/settings/naturemesh/NatureMeshDialog.h"
#include "layers/settings/naturemesh/NatureMeshSettingsFile.h"
#include "layers/settings/naturemesh/NatureMeshSettingsInput.h"
#include "layers/settings/naturemesh/NatureMeshTemplates.h"
#include "platform/ui/TemplateRegistry.h"

namespace {

const vd::ui::TemplateRegistration registration(kPelmoraModule, NatureMeshTemplates());

std::string RunNatureMeshSettings(const NatureMeshInputs& inputs)
{
    try {
        vd::ui::ModuleScope module(kPelmoraModule);
        const std::string settingsFile = inputs[0] + kNatureMeshSettingsFileName;
        NatureMeshSlots before;
        PlaceNatureMeshInputTexts(inputs, before);
        const NatureMeshSelection selection = ParseNatureMeshSelection(inputs[1], before);
        const SettingsFileAccess access(settingsFile);
        if (selection.fromSettingsFile)
            ReadNatureMeshSettingsFile(settingsFile, before); // a missing file leaves the slots off

        CDlgDmeshSet dialog;
        dialog.m_slots = before;
        dialog.m_nCurrentTab = selection.currentTab;
        dialog.m_nDisplayMethod = selection.displayMethod;
        dialog.m_bMeshMapOnly = selection.meshMapOnly ? 1 : 0;
        dialog.m_strSelectMarker = selection.fromSettingsFile ? "-1" : "1";
        if (dialog.DoModal() != vd::IDOK)
            return {};
        std::string result = FormatNatureMeshResult(dialog.m_nCurrentTab, dialog.m_slots, dialog.m_nDisplayMethod);
        // A failed rewrite keeps the old file; the caller gets the answer all the same.
        if (dialog.m_slots != before)
            access.rewrite([&](const std::string& path) { return WriteNatureMeshSettingsFile(path, dialog.m_slots); });
        return result;
    } catch (...) {
        // Nothing crosses the library boundary; the caller keeps its settings as after Cancel.
        return {};
    }
}

} // namespace

extern "C" __attribute__((visibility("default"))) std::string
OnDlgDmeshSet(std::string a0, std::string a1, std::string a2, std::string a3, std::string a4, std::string a5,
              std::string a6, std::string a7, std::string a8, std::string a9, std::string a10, std::string a11,
              std::string a12, std::string a13, std::string a14, std::string a15, std::string a16,
              std::string a17, std::string a18, std::string a19, std::string a20, std::string a21)
{
    return RunNatureMeshSettings(NatureMeshInputs{
        std::move(a0),  std::move(a1),  std::move(a2),  std::move(a3),  std::move(a4),  std::move(a5),
        std::move(a6),  std::move(a7),  std::move(a8),  std::move(a9),  std::move(a10), std::move(a11),
        std::move(a12), std::move(a13), std::move(a14), std::move(a15), std::move(a16), std::move(a17),
        std::move(a18), std::move(a19), std::move(a20), std::move(a21)});
}
