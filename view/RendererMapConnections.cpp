// The renderer's tracks, the album locator map and the prefecture statistics map.
#include "view/PieceConnections.h"

#include "view/renderer/MapRenderer.h"
#include "view/sheetmap/SheetMapHooks.h"
#include "view/window/VeldoranView.h"

void ConnectRendererMapPieces(CVeldoranView& view)
{
    view.m_routines.drawTracks = [](CMapRenderer& renderer) { renderer.DrawTracks(); };
    SheetMapHooks& hooks = sheetMapHooks();
    hooks.drawPrefectureMap = [](CMapRenderer& renderer, int originX, int value) {
        renderer.DrawPrefectureMap(originX, value);
    };
    hooks.drawAreaData = [](CMapRenderer& renderer, int divisor, int top, int left, int mode, int count,
                            const std::string& mark) { renderer.DrawAreaData(divisor, top, left, mode, count, mark); };
}
