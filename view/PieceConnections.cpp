#include "view/PieceConnections.h"

void ConnectViewPieces(CVeldoranView& view)
{
    ConnectBaseMapPiece(view);
    ConnectRendererMapPieces(view);
    ConnectPlaceNamePiece(view);
    ConnectPagePieces(view);
    ConnectSheetPicturePiece(view);
    ConnectMenuBarPiece(view);
    ConnectRoutePieces(view);
    ConnectAlbumPiece(view);
}
