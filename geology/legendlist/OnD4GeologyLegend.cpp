// OnD4GeologyLegend: the list of the classes of the last geology map, in a modal box.
#include "contracts/dovanne.h"
#include "geology/DovanneModule.h"
#include "geology/legendlist/GeoLegendDialog.h"
#include "platform/ui/TemplateRegistry.h"

namespace {

const vd::ui::TemplateRegistration registration(kDovanneModule, {GeoLegendTemplate()});

} // namespace

extern "C" __attribute__((visibility("default"))) void OnD4GeologyLegend(int gridSide, int legendKind, int source,
                                                                         int workFile, std::string applicationFolder)
{
    try {
        const vd::ui::ModuleScope module(kDovanneModule);
        CDlgGeoLegend dialog;
        dialog.m_request = {gridSide, legendKind, source, workFile, std::move(applicationFolder)};
        dialog.DoModal();
    } catch (...) {
        // Nothing crosses the library boundary.
    }
}
