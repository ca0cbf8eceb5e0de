// OnG4LegendTable: the geology composition table on the caller's surface. Of the white-map
// geology arguments it reads the item, the area kind, the wide-area mode, the grid side of the
// plain-map work file, the work file choice and the application folder.
#include "basemap/drawing/DrawingGuard.h"
#include "contracts/dovanne.h"
#include "geology/DovanneModule.h"
#include "geology/GeoMeshRenderer.h"
#include "platform/ui/TemplateRegistry.h"

extern "C" void OnG4LegendTable(vd::Dc* dc, int item, int areaKind, int wideAreaMode, int gridSide, int workFile, int,
                                int, int, int, int, float, float, float, float, std::string, std::string, std::string,
                                std::string, std::string, std::string applicationFolder, std::string)
{
    GuardDrawing(dc, [&](vd::Dc& target) {
        const vd::ui::ModuleScope module(kDovanneModule);
        CGeoMeshRenderer renderer;
        renderer.m_pDC = &target;
        renderer.m_nItem = item;
        renderer.m_nAreaKind = areaKind;
        renderer.m_nWideAreaMode = wideAreaMode;
        renderer.m_nBlockMode = gridSide;
        renderer.m_nLayerFlag = workFile;
        renderer.m_strDataFolder = std::move(applicationFolder);
        renderer.DrawGeologyCompositionTable();
    });
}
