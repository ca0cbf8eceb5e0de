#include "view/PieceConnections.h"

#include "view/navigation/ViewNavigation.h"
#include "view/renderer/MapRenderer.h"
#include "view/window/VeldoranView.h"

void ConnectOverviewPieces(CVeldoranView& view)
{
    if (view.m_pNavigation)
        view.m_pNavigation->calls.drawOverviewFrame = [](CMapRenderer& renderer, int flag) {
            renderer.DrawOverviewFrame(flag);
        };
}
