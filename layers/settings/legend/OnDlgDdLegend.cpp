// Pelmora's export for the legend of the switched-on national-land line, surface and point rows.
#include "contracts/pelmora.h"

#include "layers/settings/PelmoraModule.h"
#include "layers/settings/legend/LegendDialog.h"
#include "platform/ui/TemplateRegistry.h"

namespace {

const vd::ui::TemplateRegistration registration(kPelmoraModule, {LegendTemplate()});

} // namespace

extern "C" __attribute__((visibility("default"))) void OnDlgDdLegend(std::string flags, std::string folder)
{
    try {
        vd::ui::ModuleScope module(kPelmoraModule);
        CDlgDdLegend dialog;
        dialog.m_flags = ParseLegendFlags(flags);
        dialog.m_strFolder = folder;
        dialog.DoModal();
    } catch (...) {
        // Nothing crosses the library boundary; the legend only shows.
    }
}
