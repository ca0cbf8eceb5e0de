// OnDdWhiteG4Mesh: the geology or land-classification mesh on the white map.
#include "basemap/drawing/DrawingGuard.h"
#include "contracts/dovanne.h"
#include "geology/DovanneModule.h"
#include "geology/GeoMeshSetup.h"
#include "platform/ui/TemplateRegistry.h"

extern "C" void OnDdWhiteG4Mesh(vd::Dc* dc, int, int areaKind, int, int blockMode, int layerFlag, int detailLevel,
                                int modeCode, int item, int layerValue, int statusLineY, float originX, float originY,
                                float zoomX, float zoomY, std::string wideAreaName, std::string centreMesh,
                                std::string, std::string cellCountAndText, std::string dataText,
                                std::string applicationFolder, std::string selection)
{
    GuardDrawing(dc, [&](vd::Dc& target) {
        const vd::ui::ModuleScope module(kDovanneModule);
        const WhiteG4MeshArgs args{areaKind,
                                   blockMode,
                                   layerFlag,
                                   detailLevel,
                                   modeCode,
                                   item,
                                   layerValue,
                                   statusLineY,
                                   originX,
                                   originY,
                                   zoomX,
                                   zoomY,
                                   std::move(wideAreaName),
                                   std::move(centreMesh),
                                   std::move(cellCountAndText),
                                   std::move(dataText),
                                   std::move(applicationFolder),
                                   std::move(selection)};
        CGeoMeshRenderer renderer;
        RunGeoDrawerCall(renderer, SetUpWhiteG4Mesh(renderer, &target, args));
    });
}
