// Pelmora's exports for choosing the point themes of the detailed map (OnDlgDpSet) and of the
// white map (OnDlgWhtDpSet): the program's settings in, the tabbed dialog, the answer out, and
// DDDPFILE.DAT rewritten when a slot changed.
#include "contracts/pelmora.h"

#include "layers/settings/SettingsFileAccess.h"
#include "layers/settings/BarDelimitedSettings.h"
#include "layers/settings/PelmoraModule.h"
#include "layers/settings/pointdata/PointDataDialogs.h"
#include "layers/settings/pointdata/PointSettingsFile.h"
#include "layers/settings/pointdata/PointSettingsInput.h"
#include "layers/settings/pointdata/PointTemplates.h"
#include "platform/ui/TemplateRegistry.h"

namespace {

const vd::ui::TemplateRegistration registration(kPelmoraModule, PointDialogTemplates());

template <class Container>
std::string RunPointSettings(const PointInputs& inputs)
{
    try {
        vd::ui::ModuleScope module(kPelmoraModule);
        const std::string& settingsFile = inputs[0];
        PointLayerSlots before;
        PlacePointInputTexts(inputs, before);
        const IntegerSettingsInput settings = ParseIntegerSettingsInput(inputs[1], kPointSettingsIntegers);
        int currentTab = 0;
        const SettingsFileAccess access(settingsFile);
        if (settings.fromSettingsFile)
            ReadPointSettingsFile(settingsFile, before); // a missing file leaves empty rows
        else
            PlacePointSettingsIntegers(settings.values, currentTab, before);

        Container dialog;
        dialog.m_nCurrentTab = currentTab;
        dialog.m_strSelectMarker = settings.fromSettingsFile ? "-1" : "1";
        dialog.m_bCallerMark = settings.callerMark ? 1 : 0;
        dialog.m_slots = before;
        if (dialog.DoModal() != vd::IDOK)
            return {};
        std::string result = FormatPointSettingsResult(dialog.m_nCurrentTab, dialog.m_slots);
        // A failed rewrite keeps the old file; the caller gets the answer all the same.
        if (dialog.m_slots != before)
            access.rewrite([&](const std::string& path) { return WritePointSettingsFile(path, dialog.m_slots); });
        return result;
    } catch (...) {
        // Nothing crosses the library boundary; the caller keeps its settings as after Cancel.
        return {};
    }
}

} // namespace

#define VD_POINT_SETTINGS_PARAMETERS                                                                          \
    std::string a0, std::string a1, std::string a2, std::string a3, std::string a4, std::string a5,              \
        std::string a6, std::string a7, std::string a8, std::string a9, std::string a10, std::string a11,        \
        std::string a12, std::string a13, std::string a14, std::string a15, std::string a16, std::string a17,    \
        std::string a18, std::string a19, std::string a20, std::string a21, std::string a22, std::string a23,    \
        std::string a24, std::string a25, std::string a26, std::string a27, std::string a28, std::string a29,    \
        std::string a30, std::string a31, std::string a32, std::string a33, std::string a34, std::string a35,    \
        std::string a36, std::string a37, std::string a38, std::string a39
#define VD_POINT_SETTINGS_ARGUMENTS                                                                           \
    PointInputs{std::move(a0),  std::move(a1),  std::move(a2),  std::move(a3),  std::move(a4),  std::move(a5),  \
                std::move(a6),  std::move(a7),  std::move(a8),  std::move(a9),  std::move(a10), std::move(a11), \
                std::move(a12), std::move(a13), std::move(a14), std::move(a15), std::move(a16), std::move(a17), \
                std::move(a18), std::move(a19), std::move(a20), std::move(a21), std::move(a22), std::move(a23), \
                std::move(a24), std::move(a25), std::move(a26), std::move(a27), std::move(a28), std::move(a29), \
                std::move(a30), std::move(a31), std::move(a32), std::move(a33), std::move(a34), std::move(a35), \
                std::move(a36), std::move(a37), std::move(a38), std::move(a39)}

extern "C" __attribute__((visibility("default"))) std::string OnDlgDpSet(VD_POINT_SETTINGS_PARAMETERS)
{
    return RunPointSettings<CDlgPointDataSet>(VD_POINT_SETTINGS_ARGUMENTS);
}

extern "C" __attribute__((visibility("default"))) std::string OnDlgWhtDpSet(VD_POINT_SETTINGS_PARAMETERS)
{
    return RunPointSettings<CDlgWhitePointDataSet>(VD_POINT_SETTINGS_ARGUMENTS);
}
