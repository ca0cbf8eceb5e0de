// OnSeisFileSet: the seismic map settings with tabs (dialog 129); the ten settings back as
// "%d|" x 9 and "%d", "" on cancel. The lists may have been changed by the pages either way.
#include "contracts/halvette.h"
#include "platform/ui/TemplateRegistry.h"
#include "seismic/HalvetteModule.h"
#include "seismic/settings/SeismicSettingsDialog.h"

#include <memory>

extern "C" std::string OnSeisFileSet(int page, int displayMethod, int probabilisticOn, int probabilisticEntry,
                                     int scenarioOn, int scenarioEntry, int quantity, int legend, int fault,
                                     int asperity, int callerMapMode, std::string listFolder, std::string editor)
{
    try {
        vd::ui::ModuleScope module(kHalvetteModule);
        auto dialog = std::make_unique<CDlgSeisFileSet>();
        dialog->m_settings = {page,   displayMethod, probabilisticOn, probabilisticEntry, scenarioOn, scenarioEntry,
                              quantity, legend,      fault,           asperity,           callerMapMode};
        dialog->m_strListFolder = std::move(listFolder);
        dialog->m_strEditor = std::move(editor);
        if (dialog->DoModal() != vd::IDOK)
            return {};
        return FormatSeismicMapSettings(dialog->m_settings);
    } catch (...) {
        // Nothing crosses the library boundary; the caller keeps its settings as after Cancel.
        return {};
    }
}
