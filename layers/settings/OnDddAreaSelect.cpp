// Pelmora's export for choosing the prefectures whose national-land data are drawn, or one
// prefecture for a prefecture map: runs the prefecture selection dialog over the caller's list.
#include "contracts/pelmora.h"

#include "layers/settings/PelmoraModule.h"
#include "layers/settings/prefecture/AreaSelectDialog.h"
#include "platform/ui/TemplateRegistry.h"

namespace {

const vd::ui::TemplateRegistration registration(kPelmoraModule, {AreaSelectTemplate()});

} // namespace

extern "C" __attribute__((visibility("default"))) std::string OnDddAreaSelect(std::string flags)
{
    try {
        vd::ui::ModuleScope module(kPelmoraModule);
        const PrefectureFlagInput input = ParsePrefectureFlagInput(flags);
        CDlgAreaSelect dialog;
        dialog.m_nAreaFlag = input.flags;
        dialog.m_nSelectMode = input.singlePrefecture ? 1 : 0;
        if (dialog.DoModal() != vd::IDOK)
            return {};
        return FormatPrefectureFlagList(dialog.m_nAreaFlag);
    } catch (...) {
        // Nothing crosses the library boundary; the caller keeps its list as after Cancel.
        return {};
    }
}
