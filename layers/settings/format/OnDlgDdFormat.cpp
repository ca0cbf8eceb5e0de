// Pelmora's export for opening the description pages of the switched-on national-land data sets.
#include "contracts/pelmora.h"

#include "layers/settings/PelmoraModule.h"
#include "layers/settings/format/FormatDialog.h"
#include "platform/ui/TemplateRegistry.h"

namespace {

const vd::ui::TemplateRegistration registration(kPelmoraModule, {FormatTemplate()});

} // namespace

extern "C" __attribute__((visibility("default"))) void OnDlgDdFormat(std::string flags, std::string folder,
                                                                     std::string viewer)
{
    try {
        vd::ui::ModuleScope module(kPelmoraModule);
        CDlgDdFormat dialog;
        dialog.m_entries = CollectFormatEntries(flags, folder);
        dialog.m_strViewer = viewer;
        dialog.DoModal();
    } catch (...) {
        // Nothing crosses the library boundary; the viewer only shows.
    }
}
