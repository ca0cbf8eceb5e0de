// OnD4GeologyMesh: the geology or land-classification mesh on the detailed map.
#include "basemap/drawing/DrawingGuard.h"
#include "contracts/dovanne.h"
#include "geology/DovanneModule.h"
#include "geology/GeoMeshSetup.h"
#include "platform/ui/TemplateRegistry.h"

extern "C" void OnD4GeologyMesh(vd::Dc* dc, int, int north, int west, int south, int east, int areaKind,
                                int wideAreaMode, int blockMode, int layerFlag, int detailLevel, int layerModeCode,
                                int item, int displayOption, int statusLineY, float originX, float originY,
                                float scaleX, float scaleY, std::string areaSpec, std::string centreMesh,
                                std::string wideCentre3, std::string wideCentre5, std::string dataPrefix,
                                std::string dataFolder, std::string selection)
{
    GuardDrawing(dc, [&](vd::Dc& target) {
        const vd::ui::ModuleScope module(kDovanneModule);
        const D4GeologyMeshArgs args{north,
                                     west,
                                     south,
                                     east,
                                     areaKind,
                                     wideAreaMode,
                                     blockMode,
                                     layerFlag,
                                     detailLevel,
                                     layerModeCode,
                                     item,
                                     displayOption,
                                     statusLineY,
                                     originX,
                                     originY,
                                     scaleX,
                                     scaleY,
                                     std::move(areaSpec),
                                     std::move(centreMesh),
                                     std::move(wideCentre3),
                                     std::move(wideCentre5),
                                     std::move(dataPrefix),
                                     std::move(dataFolder),
                                     std::move(selection)};
        CGeoMeshRenderer renderer;
        RunGeoDrawerCall(renderer, SetUpD4GeologyMesh(renderer, &target, args));
    });
}
