// The renderer's tracks, the album locator map and the prefecture statistics map.
#include "view/PieceConnections.h"

#include "view/renderer/MapRenderer.h"
#include "view/window/VeldoranView.h"

void ConnectRendererMapPieces(CVeldoranView& view)
{
    view.m_routines.drawTracks = [](CMapRenderer& renderer) { renderer.DrawTracks(); };
}
