#include "app/DocEntryPoints.h"

#include "platform/sys/LibraryLoader.h"
#include "platform/ui/Ui.h"

DocumentEntryPoints& documentEntryPoints()
{
    static DocumentEntryPoints slots;
    return slots;
}

void BindDocumentEntryPoints()
{
    DocumentEntryPoints& slots = documentEntryPoints();
    if (!slots.dovanne) {
        slots.dovanne = vd::LibraryLoader::library("Dovanne.dll");
        slots.dovanneSecond = vd::LibraryLoader::library("Dovanne.dll");
        slots.tovendlg = vd::LibraryLoader::library("TOVENDLG.DLL");
        slots.tovendlgSecond = vd::LibraryLoader::library("TOVENDLG.DLL");
        if (!slots.dovanne)
            vd::ui::AfxMessageBox(kDovanneMissingMessage, vd::MB_OK | vd::MB_ICONEXCLAMATION);
    }
    slots.trackStartMap = vd::entryPoint<OnTrackStartMapModule_fn>("Dovanne.dll", "OnTrackStartMapModule");
    slots.meshCodeFromGovernmentCode =
        vd::entryPoint<OnGetMechCodeFromGovermentCode_fn>("Dovanne.dll", "OnGetMechCodeFromGovermentCode");
    slots.textDisplayDialog = vd::entryPoint<OnTextDisplayDaialog_fn>("TOVENDLG.DLL", "OnTextDisplayDaialog");
    slots.routeRegister = vd::entryPoint<OnRouteRegistModule_fn>("TOVENDLG.DLL", "OnRouteRegistModule");
    slots.areaSelect = vd::entryPoint<OnDddAreaSelect_fn>("Pelmora.DLL", "OnDddAreaSelect");
}
