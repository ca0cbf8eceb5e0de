// The place-name and public-facility search hits on the sheet map.
#include "view/PieceConnections.h"

#include "view/window/VeldoranView.h"

void ConnectPlaceNamePiece(CVeldoranView& view)
{
    view.m_routines.drawPlaceNameLayer = [&view](vd::Dc& dc, int flag) { view.DrawPlaceNameLayer(dc, flag); };
}
