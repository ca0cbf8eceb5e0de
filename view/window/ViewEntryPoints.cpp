#include "view/window/ViewEntryPoints.h"

#include "app/DocEntryPoints.h"
#include "platform/sys/LibraryLoader.h"
#include "platform/ui/Ui.h"

ViewEntryPoints& viewEntryPoints()
{
    static ViewEntryPoints slots;
    return slots;
}

void BindViewEntryPoints()
{
    static void* dovanne = nullptr;
    if (!dovanne) {
        dovanne = vd::LibraryLoader::library("Dovanne.dll");
        vd::LibraryLoader::library("SURRICK.DLL");
        if (!dovanne)
            vd::ui::AfxMessageBox(kDovanneMissingMessage, vd::MB_OK | vd::MB_ICONEXCLAMATION);
    }
    ViewEntryPoints& e = viewEntryPoints();
    e.OnIndexMap = vd::entryPoint<OnIndexMap_fn>("Dovanne.dll", "OnIndexMap");
    e.OnDistance = vd::entryPoint<OnDistance_fn>("Dovanne.dll", "OnDistance");
    e.OnUnitLength = vd::entryPoint<OnUnitLength_fn>("Dovanne.dll", "OnUnitLength");
    e.OnJapanCoastLineDraw = vd::entryPoint<OnJapanCoastLineDraw_fn>("Dovanne.dll", "OnJapanCoastLineDraw");
    e.OnDlgBmpShow = vd::entryPoint<OnDlgBmpShow_fn>("SURRICK.DLL", "OnDlgBmpShow");
    e.OnSbmrnMeshDistribution = vd::entryPoint<OnSbmrnMeshDistribution_fn>("Ombrisk.dll", "OnSbmrnMeshDistribution");
}
