#include "view/PieceConnections.h"

#include "app/VeldoranDoc.h"
#include "view/layercommands/FormatFileCommand.h"
#include "view/layercommands/GeologyTableCommand.h"
#include "view/overview/OverviewLayerDispatch.h"
#include "view/renderer/LandLayerSwitches.h"
#include "view/renderer/MapRenderer.h"
#include "view/sheetmap/SheetMapHooks.h"

void ConnectLayerPieces(CVeldoranView& view)
{
    ConnectFormatFileCommand(view);
    ConnectGeologyTableCommand(view);
    landLayerShown() = [](const CVeldoranDoc& doc, LandLayer layer) { return LandLayerFlag(doc, layer); };
    overviewLayerDispatch().drawLandLayer = [](CMapRenderer& renderer, int type, int index) {
        renderer.DrawLandLayer(type, index);
    };
    SheetMapHooks& hooks = sheetMapHooks();
    hooks.drawWhiteLayer = [](CMapRenderer& renderer, LandLayer layer) { DrawWhiteLandLayer(renderer, layer); };
    hooks.isAnyLayerSelected = [](const CVeldoranDoc& doc, int level) { return doc.IsAnyLayerSelected(level); };
    hooks.seismicMapTitle = [](CVeldoranDoc& doc) { return doc.GetSeismicMapTitle(); };
}
