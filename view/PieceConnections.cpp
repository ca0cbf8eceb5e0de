#include "view/PieceConnections.h"

void ConnectViewPieces(CVeldoranView& view)
{
    ConnectBaseMapPiece(view);
    ConnectNavigationPiece(view);
    ConnectOverviewPieces(view);
    ConnectMapDisplaySpecPiece(view);
    ConnectLayerPieces(view);
    ConnectRendererMapPieces(view);
    ConnectPlaceNamePiece(view);
}
