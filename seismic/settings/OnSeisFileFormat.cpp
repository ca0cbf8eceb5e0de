// OnSeisFileFormat: the header of the chosen seismic data file, shown in dialog 134.
#include "contracts/halvette.h"
#include "platform/ui/TemplateRegistry.h"
#include "seismic/HalvetteModule.h"
#include "seismic/settings/SeismicFileFormatDialog.h"

extern "C" void OnSeisFileFormat(int kind, int entry, std::string listFolder)
{
    try {
        vd::ui::ModuleScope module(kHalvetteModule);
        CDlgSeisFileFormat dialog;
        dialog.m_nKind = kind;
        dialog.m_nEntry = entry;
        dialog.m_strListFolder = std::move(listFolder);
        dialog.DoModal();
    } catch (...) {
        // Nothing crosses the library boundary; the dialog only shows.
    }
}
