#include "view/PieceConnections.h"

#include "view/navigation/ViewNavigation.h"
#include "view/renderer/MapRenderer.h"
#include "view/sheetmap/SheetMapHooks.h"
#include "view/window/VeldoranView.h"

void ConnectOverviewPieces(CVeldoranView& view)
{
    SheetMapHooks& hooks = sheetMapHooks();
    hooks.drawPointMark = [](CMapRenderer& renderer, int x, int y, int size, int shape) {
        renderer.DrawPointMark(x, y, size, shape);
    };
    hooks.drawElevationLabel = [](CMapRenderer& renderer, int elevation, const std::string& value, int x, int y,
                                  int gap, int secondLineOffset, int offsetX, int offsetY, int symbolSize) {
        renderer.DrawElevationLabel(elevation, value, x, y, gap, secondLineOffset, offsetX, offsetY, symbolSize);
    };
    hooks.drawJapanOverview = [](CMapRenderer& renderer) { renderer.DrawJapanOverview(); };
    if (view.m_pNavigation)
        view.m_pNavigation->calls.drawOverviewFrame = [](CMapRenderer& renderer, int flag) {
            renderer.DrawOverviewFrame(flag);
        };
}
